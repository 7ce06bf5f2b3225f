#pragma once

#include "app/Maindb.h"
#include "radio/DataFile.h"

#include <gtest/gtest.h>

#include <string>

// A data module after its first-show start-up (first model, 400 - 470 MHz,
// a fresh image), built on `appDir`.
inline void StartUp(TfMaindb& db) {
    ASSERT_TRUE(db.CompleteStartup({0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A}).has_value());
    db.All.AppTitle = "KX-40";
}

// Loads the two-channel data file of the test data into the data module.
inline void OpenTwoChannels(TfMaindb& db) {
    StartUp(db);
    ASSERT_TRUE(LoadDataFile(db.All, db.Models, db.Bands,
                             std::string(KX40_TEST_DATA) + "/kx40_two_channels.dat")
                    .has_value());
}
