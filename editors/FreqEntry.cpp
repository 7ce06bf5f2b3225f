#include "editors/FreqEntry.h"

#include "app/TALL.h"
#include "editors/ToneLists.h"
#include "radio/FreqCodec.h"
#include "radio/NumberText.h"

#include <cstdio>

std::optional<double> ParseFreqText(std::string_view text) {
    text = TrimText(text);
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos) {
        return std::nullopt;
    }
    return ParseDecimal(text);
}

FreqCheck CheckFreqRange(double freq, const TALL& all) {
    if (freq > all.MaxFreq) {
        return {all.BandHigh, FreqMsg::ErrRange};
    }
    if (freq < all.MinFreq) {
        return {all.BandLow, FreqMsg::ErrRange};
    }
    if (freq > all.BandHigh || freq < all.BandLow) {
        return {freq, FreqMsg::OutRange};
    }
    return {freq, FreqMsg::None};
}

std::string FormatFreq(double freq) {
    char text[64];
    std::snprintf(text, sizeof text, "%.5f", freq);
    return text;
}

FreqCheck CheckFreqEntry(std::string_view text, const TALL& all) {
    FreqCheck check;
    if (const auto value = ParseFreqText(text)) {
        check = CheckFreqRange(*value, all);
    } else {
        check = {all.BandHigh, FreqMsg::OutRange};
    }
    check.Freq = SnapToStep(all, check.Freq);
    return check;
}
