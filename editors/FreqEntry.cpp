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
    return ParseDecimalNumber(text);
}

FreqCheck LimitFreqValue(double freq, const TALL& all) {
    FreqCheck check{freq, FreqMsg::None};
    if (freq > all.MaxFreq) {
        check = {all.BandHigh, FreqMsg::ErrRange};
    } else if (freq < all.MinFreq) {
        check = {all.BandLow, FreqMsg::ErrRange};
    } else if (freq > all.BandHigh || freq < all.BandLow) {
        check.Msg = FreqMsg::OutRange;
    }
    return check;
}

FreqCheck CheckFreqValue(double freq, const TALL& all) {
    FreqCheck check = LimitFreqValue(freq, all);
    check.Freq = SnapToStep(all, check.Freq);
    return check;
}

std::string FormatFreq(double freq) {
    char text[64];
    std::snprintf(text, sizeof text, "%.5f", freq);
    return text;
}

FreqCheck CheckFreqEntry(std::string_view text, const TALL& all) {
    if (const auto value = ParseFreqText(text)) {
        return CheckFreqValue(*value, all);
    }
    return {SnapToStep(all, all.BandHigh), FreqMsg::OutRange};
}
