#pragma once

#include "RecordingHost.h"
#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A started data module whose message boxes are recorded instead of shown,
// and a host that records what the editor windows ask of the main window.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() {
        EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A}).has_value());
        db.MessageBox = [this](const std::string& caption, const std::string& text, int style) {
            Messages.push_back(caption + "|" + text + "|" + std::to_string(style));
            return 1;
        };
    }

    std::array<std::uint8_t, 16> Record(int n) {
        std::array<std::uint8_t, 16> bytes{};
        const auto span = RadioImage(db.All.Image).Channel(n);
        std::copy(span.begin(), span.end(), bytes.begin());
        return bytes;
    }
    void SetRecord(int n, std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), RadioImage(db.All.Image).Channel(n).begin());
    }
    std::string Warning(const std::string& text) const {
        return db.Language.Caution + "|" + text + "|1";
    }

    QTemporaryDir dir;
    TfMaindb db{dir.path().toStdString() + "/"};
    RecordingHost host;
    std::vector<std::string> Messages;
};
