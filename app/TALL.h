#pragma once

#include "radio/RadioImage.h"

#include <array>
#include <cstdint>
#include <string>

struct TMacType;

// The application state: one object for the whole run, shared by every window
// and engine. A plain holder; the operations on it live with the code that
// uses them. Texts are UTF-8.
struct TALL {
    std::string LanguageName = "Chinese";
    std::int32_t LanguageIndex = 0;
    std::int32_t CurrentChannel = 1;
    std::string ComPort = "Com1";
    std::string AppDir;
    std::string AppTitle;
    std::int32_t ChannelCount = 0;
    std::string ModelName;
    std::string BandText;
    std::string FileDate;
    double MaxFreq = 0.0;
    double MinFreq = 0.0;
    double BandHigh = 0.0;
    double BandLow = 0.0;
    std::string ModelCode;
    std::int32_t PicId = 1;
    bool Modified = false;
    std::string HelpName = "VQ";
    std::array<std::uint8_t, 5> TestCode{};
    bool TestOnline = false;
    bool SerialEditable = false;
    bool NewPasswordEnabled = false;
    const TMacType* CurrentModel = nullptr;
    std::int32_t FineStep = 625;
    std::int32_t CoarseStep = 500;
    ImageBytes Image{};
};
