#include "link/TestBands.h"

#include "editors/FreqEntry.h"
#include "editors/ToneLists.h"
#include "radio/FreqCodec.h"
#include "radio/NumberText.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr double SubBandWidth = 10.0;
constexpr double SubBandTop = 9.995;
constexpr double DefaultOffset = 5.125;
// More entries than any band of the catalogue can have: a guard against a
// corrupt range, not a limit of the radio.
constexpr int MaxSubBands = 100;

std::string Mhz3(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

} // namespace

std::vector<SubBand> SubBands(double bandLow, double bandHigh) {
    std::vector<SubBand> list;
    for (double x = bandLow; x < bandHigh && list.size() < std::size_t{MaxSubBands};
         x += SubBandWidth) {
        SubBand band;
        band.Text = Mhz3(x) + " -- " + Mhz3(x + SubBandWidth) + "MHz";
        const char tens = band.Text.size() > 1 ? band.Text[1] : '0';
        band.Slot = tens >= '0' && tens <= '9' ? tens - '0' : 0;
        band.Low = ParseDecimalNumber(std::string_view(band.Text).substr(0, 3)).value_or(x);
        band.High = band.Low + SubBandTop;
        list.push_back(std::move(band));
    }
    return list;
}

double DefaultTestFrequency(const SubBand& band) {
    return band.Low + DefaultOffset;
}

std::optional<std::string> SettleTestFrequency(std::string_view text, const SubBand& band,
                                               const TALL& all) {
    const auto value =
        TrimText(text).empty() ? std::optional(DefaultTestFrequency(band)) : ParseFreqText(text);
    if (!value)
        return std::nullopt;
    return FormatFreq(SnapToStep(all, std::clamp(*value, band.Low, band.High)));
}
