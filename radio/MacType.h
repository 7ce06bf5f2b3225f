#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One model the program can program: its code, limits and bands.
struct TMacType {
    TMacType(std::string code, std::string name, std::int32_t channelCount);

    void SetFreqLimits(double minFreq, double maxFreq);
    void AddBand(std::string text);
    void SetDefaultBand(std::string text);

    std::string Code;
    std::string Name;
    std::int32_t ChannelCount;
    double MaxFreq = 0.0;
    double MinFreq = 0.0;
    std::vector<std::string> Bands;
    std::string DefaultBand;
};
