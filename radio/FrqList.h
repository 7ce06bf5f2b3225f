#pragma once

#include "radio/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The band table: band texts and their one-byte codes, in insertion order.
// The order matters: an unknown text maps to the code at position 0 and an
// unknown code to the text at position 10.
class TFrqList {
public:
    struct Pair {
        std::string Text;
        std::uint8_t Code;
    };

    void Add(std::string text, std::uint8_t code);
    int Count() const { return static_cast<int>(pairs_.size()); }
    const std::vector<Pair>& Pairs() const { return pairs_; }

    std::uint8_t CodeOf(std::string_view text) const;
    std::string TextOf(std::uint8_t code) const;

private:
    static constexpr std::size_t UnknownTextPosition = 0;
    static constexpr std::size_t UnknownCodePosition = 10;

    std::vector<Pair> pairs_;
};

// Adds the bands every radio of the family knows, in their fixed order.
void FillBandTable(TFrqList& bands);

// The edges of a band text such as "400 - 470MHz", in MHz.
struct BandRange {
    double Low;
    double High;
};
Result<BandRange> ParseBandRange(std::string_view text);
