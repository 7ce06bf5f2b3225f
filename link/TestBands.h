#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TALL;

// A 10 MHz part of the band in the power test's range list.
struct SubBand {
    std::string Text; // "400.000 -- 410.000MHz"
    // The radio's test slot: the tens digit of the MHz value, so 440 - 530 MHz
    // uses slots 4 to 9 and then 0 to 2 again.
    int Slot = 0;
    double Low = 0.0;  // lowest test frequency
    double High = 0.0; // highest test frequency, 9.995 MHz above Low
};

// One entry per 10 MHz from BandLow while below BandHigh.
std::vector<SubBand> SubBands(double bandLow, double bandHigh);

// The test frequency a sub-band starts with: 5.125 MHz above its low edge.
double DefaultTestFrequency(const SubBand& band);

// The text the test frequency box settles on for `text`: a blank text gives
// the default, a number is clamped into the sub-band and snapped onto the
// channel raster, shown "0.00000". Nothing when the text is no number.
std::optional<std::string> SettleTestFrequency(std::string_view text, const SubBand& band,
                                               const TALL& all);
