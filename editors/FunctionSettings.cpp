#include "editors/FunctionSettings.h"

#include "app/TALL.h"
#include "lang/ItemTags.h"
#include "radio/RadioImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

using S = RadioImage::Setting;

constexpr std::string_view OffOn[] = {"Off", "On"};
constexpr std::string_view Languages[] = {"English", "Chinese"};
constexpr std::string_view FmEntries[] = {"Interdict", "Turn on"};
constexpr std::string_view Shapes[] = {"OFF", "Type-1", "Type-2"};
constexpr std::string_view Rates[] = {"OFF", "1:1", "1:2", "1:3", "1:4"};
constexpr std::string_view Whispers[] = {"On", "Off"};
constexpr std::string_view Squelches[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view SideKeys[] = {"Off", "Monmome", "H/L Power", "Alarm"};
constexpr std::string_view TimeOuts[] = {"Off", "30",  "60",  "90",  "120", "150",
                                         "180", "210", "240", "270", "300"};

using K = FunSetKind;
using I = FunSetId;

constexpr TFunSetControl Controls[FunSetCount] = {
    {I::Voice, "cxWaveof", K::List, "L5", "Voice", OffOn, 1, 0, true},
    {I::VoiceLanguage, "cbVoice", K::List, "L6", "Voice Annunciation", Languages, 1, 0, true},
    {I::Scan, "cxScan", K::List, "L4", "Scan", OffOn, 1, 0, true},
    {I::VoxFunction, "chVoxFun", K::Check, "", "VOX Function", {}, 0, 0, true},
    {I::VoxGainLevel, "seVoxLevel", K::Spin, "lbVoxLevel", "VOX Gain Level", {}, 5, 0, true},
    {I::VoxInhibit, "chVoxInhibit", K::Check, "", "VOX Inhibit OnReceive", {}, 0, 0, true},
    {I::LowVolInhibit, "cbVolLow", K::Check, "", "Low Vol Inhibit Tx", {}, 0, 0, true},
    {I::HighVolInhibit, "cbVolhigh", K::Check, "", "High Vol Inhibit Tx", {}, 0, 0, true},
    {I::InceptAlarm, "cxAlt", K::List, "L7", "Incept Alarm", OffOn, 0, 0, true},
    {I::Fm, "cxFM", K::List, "L8", "FM", FmEntries, 1, 0, true},
    {I::RxShape, "cxRxShape", K::List, "L11", "RX Shape", Shapes, 0, 0, false},
    {I::TxShape, "cxTxShape", K::List, "L12", "TX Shape", Shapes, 0, 0, false},
    {I::Epilogue, "cxRevTx", K::List, "L10", "Epilogue", Shapes, 1, 0, true},
    {I::BatterySave, "cxRate", K::List, "L9", "Battery Save", Rates, 4, 0, true},
    {I::Whisper, "cxWhisper", K::List, "L13", "Whisper", Whispers, 0, 0, false},
    {I::ClewVoice, "cbBeepTone", K::Check, "", "Clew Voice", {}, 0, 0, true},
    {I::Squelch, "cbSQvelch", K::List, "L1", "Squelch level", Squelches, 0, TagData, true},
    {I::SideKey, "cbMonikey", K::List, "L2", "Side Key", SideKeys, 0, 0, true},
    {I::TxTimeOut, "cbTxTimeout", K::List, "L3", "TX Time Out", TimeOuts, 0, TagFirstItem, true},
};

// "VOX Inhibit OnReceive" is not printed.
constexpr FunSetId ReportRows[] = {
    I::Squelch,       I::SideKey,     I::TxTimeOut,   I::Scan,     I::Voice,     I::VoiceLanguage,
    I::InceptAlarm,   I::Fm,          I::BatterySave, I::Epilogue, I::ClewVoice, I::HighVolInhibit,
    I::LowVolInhibit, I::VoxFunction, I::VoxGainLevel};

constexpr std::uint8_t NibbleMask = 0x0F;
constexpr std::uint8_t ClewVoiceBit = 0x01;

int EntryCount(FunSetId id) {
    return static_cast<int>(FunSetControl(id).Entries.size());
}

// The entry index a stored value stands for, or -1 when the list has none.
int IndexOf(FunSetId id, int stored) {
    return stored < EntryCount(id) ? stored : -1;
}

// The byte a list writes: its index, or the stored byte when nothing is selected.
std::uint8_t ListByte(const TFunctionSettings& s, FunSetId id, std::uint8_t stored) {
    return s[id] >= 0 && s[id] < EntryCount(id) ? static_cast<std::uint8_t>(s[id]) : stored;
}

int Flag(const RadioImageView& image, S offset) {
    return image.Byte(offset) == 1 ? 1 : 0;
}

} // namespace

std::span<const TFunSetControl> FunSetControls() {
    return Controls;
}

const TFunSetControl& FunSetControl(FunSetId id) {
    return Controls[static_cast<std::size_t>(id)];
}

std::optional<FunSetId> FunSetControlOfLabel(std::string_view label) {
    for (const auto& c : Controls) {
        if (c.Label == label)
            return c.Id;
    }
    return std::nullopt;
}

std::span<const FunSetId> FunSetReportRows() {
    return ReportRows;
}

TFunctionSettings StartSettings() {
    TFunctionSettings s;
    for (const auto& c : Controls)
        s[c.Id] = c.Start;
    return s;
}

TFunctionSettings LoadSettings(const RadioImageView& image) {
    TFunctionSettings s;
    auto list = [&](FunSetId id, int stored) { s[id] = IndexOf(id, stored); };
    s[I::ClewVoice] = (image.Byte(S::ClewVoice) & ClewVoiceBit) != 0 ? 1 : 0;
    list(I::Squelch, image.Byte(S::SquelchLevel));
    list(I::SideKey, image.Byte(S::SideKey));
    list(I::TxTimeOut, image.Byte(S::TxTimeOut));
    list(I::Voice, image.Byte(S::VoiceSwitch));
    list(I::VoiceLanguage, image.Byte(S::VoiceLanguage));
    list(I::Scan, image.Byte(S::ScanSwitch));
    s[I::VoxFunction] = Flag(image, S::VoxFunction);
    s[I::VoxGainLevel] = ValidateGainLevel(image.Byte(S::VoxGainLevel) + 1);
    s[I::VoxInhibit] = Flag(image, S::VoxInhibitOnReceive);
    s[I::LowVolInhibit] = Flag(image, S::LowVolInhibitTx);
    s[I::HighVolInhibit] = Flag(image, S::HighVolInhibitTx);
    list(I::InceptAlarm, image.Byte(S::InceptAlarm));
    list(I::Fm, image.Byte(S::FmRadio));
    const std::uint8_t shape = image.Byte(S::SignalShape);
    list(I::RxShape, shape & NibbleMask);
    list(I::TxShape, shape >> 4);
    list(I::Epilogue, image.Byte(S::Epilogue));
    list(I::BatterySave, image.Byte(S::BatterySave));
    list(I::Whisper, image.Byte(S::WhisperSetting));
    return s;
}

void StoreSettings(const TFunctionSettings& s, TALL& all) {
    RadioImage image(all.Image);
    auto list = [&](FunSetId id, S offset) {
        image.SetByte(offset, ListByte(s, id, image.Byte(offset)));
    };
    auto flag = [&](FunSetId id, S offset) { image.SetByte(offset, s[id] != 0 ? 1 : 0); };
    list(I::Voice, S::VoiceSwitch);
    list(I::VoiceLanguage, S::VoiceLanguage);
    list(I::Scan, S::ScanSwitch);
    flag(I::VoxFunction, S::VoxFunction);
    image.SetByte(S::VoxGainLevel,
                  static_cast<std::uint8_t>(ValidateGainLevel(s[I::VoxGainLevel]) - GainLevelMin));
    flag(I::VoxInhibit, S::VoxInhibitOnReceive);
    flag(I::LowVolInhibit, S::LowVolInhibitTx);
    flag(I::HighVolInhibit, S::HighVolInhibitTx);
    list(I::InceptAlarm, S::InceptAlarm);
    list(I::Fm, S::FmRadio);
    const std::uint8_t shape = image.Byte(S::SignalShape);
    const std::uint8_t rx = ListByte(s, I::RxShape, shape & NibbleMask);
    const std::uint8_t tx = ListByte(s, I::TxShape, shape >> 4);
    image.SetByte(S::SignalShape, static_cast<std::uint8_t>(tx << 4 | rx));
    list(I::Epilogue, S::Epilogue);
    list(I::BatterySave, S::BatterySave);
    list(I::Whisper, S::WhisperSetting);
    const std::uint8_t clew = image.Byte(S::ClewVoice) & static_cast<std::uint8_t>(~ClewVoiceBit);
    image.SetByte(S::ClewVoice, s[I::ClewVoice] != 0 ? clew | ClewVoiceBit : clew);
    list(I::Squelch, S::SquelchLevel);
    list(I::SideKey, S::SideKey);
    list(I::TxTimeOut, S::TxTimeOut);
    all.Modified = true;
}

int ValidateGainLevel(double entered) {
    if (std::isnan(entered))
        return GainLevelMin;
    const double onGrid = GainLevelMin + std::floor(entered - GainLevelMin);
    return static_cast<int>(std::clamp(onGrid, double{GainLevelMin}, double{GainLevelMax}));
}

std::string FunSetText(const TFunctionSettings& s, FunSetId id) {
    const auto& c = FunSetControl(id);
    switch (c.Kind) {
    case FunSetKind::List:
        return s[id] >= 0 && s[id] < EntryCount(id) ? std::string(c.Entries[s[id]]) : std::string();
    case FunSetKind::Spin:
        return std::to_string(s[id]);
    case FunSetKind::Check:
        break;
    }
    return {};
}
