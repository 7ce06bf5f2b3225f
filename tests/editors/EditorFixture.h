#pragma once

#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>

// A data module after its first-show start-up: the first model with its
// default band 400 - 470 MHz and a fresh image.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() {
        EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A}).has_value());
        EXPECT_EQ(db.All.BandLow, 400.0);
        EXPECT_EQ(db.All.BandHigh, 470.0);
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

    TfMaindb db{"/nonexistent/"};
};

using Bytes16 = std::array<std::uint8_t, 16>;

inline constexpr Bytes16 EmptyRecord{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
