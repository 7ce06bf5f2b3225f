#include "radio/MacType.h"

#include <utility>

TMacType::TMacType(std::string code, std::string name, std::int32_t channelCount)
    : Code(std::move(code)), Name(std::move(name)), ChannelCount(channelCount) {}

void TMacType::SetFreqLimits(double minFreq, double maxFreq) {
    MinFreq = minFreq;
    MaxFreq = maxFreq;
}

void TMacType::AddBand(std::string text) {
    Bands.push_back(std::move(text));
}

void TMacType::SetDefaultBand(std::string text) {
    DefaultBand = std::move(text);
}
