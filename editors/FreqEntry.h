#pragma once

#include <optional>
#include <string>
#include <string_view>

struct TALL;

// Which warning a frequency entry raises; the window shows the message text of
// that key with the Caution caption.
enum class FreqMsg { None, ErrRange, OutRange };

// A typed frequency in MHz: plain digits with at most one decimal point, after
// trimming. Anything else (signs, exponents, "inf", pasted text) is no number.
std::optional<double> ParseFreqText(std::string_view text);

// The value a checked entry settles on and the warning it raises.
struct FreqCheck {
    double Freq = 0.0;
    FreqMsg Msg = FreqMsg::None;
};

// Outside the model's limits the nearer band edge replaces the value
// (ErrRange); inside the limits but outside the band it stays (OutRange).
FreqCheck LimitFreqValue(double freq, const TALL& all);

// LimitFreqValue, then the value is snapped onto the channel raster.
FreqCheck CheckFreqValue(double freq, const TALL& all);

// The frequency text the editors show, "0.00000" MHz.
std::string FormatFreq(double freq);

// The whole entry check of a frequency cell: an unreadable text becomes
// BandHigh with OutRange, a number is checked as above: at most one warning.
FreqCheck CheckFreqEntry(std::string_view text, const TALL& all);
