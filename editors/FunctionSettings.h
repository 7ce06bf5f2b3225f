#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class RadioImageView;
struct TALL;

// The controls of the function setting window, in settings-block order.
enum class FunSetId : std::size_t {
    Voice,
    VoiceLanguage,
    Scan,
    VoxFunction,
    VoxGainLevel,
    VoxInhibit,
    LowVolInhibit,
    HighVolInhibit,
    InceptAlarm,
    Fm,
    RxShape,
    TxShape,
    Epilogue,
    BatterySave,
    Whisper,
    ClewVoice,
    Squelch,
    SideKey,
    TxTimeOut,
};
inline constexpr std::size_t FunSetCount = 19;

enum class FunSetKind { List, Check, Spin };

// Everything about a control that does not need a widget: the window builds
// itself from this table and the report reads its captions from it.
struct TFunSetControl {
    FunSetId Id;
    std::string_view Name;
    FunSetKind Kind;
    // The caption label of a list or of the spin box ("L1".."L13" for the
    // lists, numbered in report order); empty for a check box, whose caption
    // is its own.
    std::string_view Label;
    std::string_view Caption;
    std::span<const std::string_view> Entries;
    // The entry (the value for the spin box) shown before the first load.
    int Start;
    // Which entries a language file may replace (lang/ItemTags.h).
    int Tag;
    bool Visible;
};

std::span<const TFunSetControl> FunSetControls();
const TFunSetControl& FunSetControl(FunSetId id);
// The control a caption label names, e.g. "L1" -> the squelch list.
std::optional<FunSetId> FunSetControlOfLabel(std::string_view label);

// The settings report's lines, in print order: the visible lists in label
// order, the check boxes it prints, then the gain level.
std::span<const FunSetId> FunSetReportRows();

inline constexpr int GainLevelMin = 1;
inline constexpr int GainLevelMax = 9;

// What the controls hold. A list holds its entry index, or -1 when the stored
// byte has no entry; a check box 0 or 1; the spin box the gain level.
struct TFunctionSettings {
    std::array<int, FunSetCount> Value{};

    int& operator[](FunSetId id) { return Value[static_cast<std::size_t>(id)]; }
    int operator[](FunSetId id) const { return Value[static_cast<std::size_t>(id)]; }
};

// The controls as they stand before the first load.
TFunctionSettings StartSettings();

TFunctionSettings LoadSettings(const RadioImageView& image);

// Rewrites the whole settings block from the controls and sets Modified. A list
// without a selection leaves its stored byte (or nibble) as it is, so a value
// the list cannot show survives every other change.
void StoreSettings(const TFunctionSettings& settings, TALL& all);

// Any entered gain level is accepted: moved down onto the whole-number grid
// and clamped into range.
int ValidateGainLevel(double entered);

// The text a control shows with the built-in entries: the entry of a list
// (empty without a selection) or the gain level. Check boxes have no text.
std::string FunSetText(const TFunctionSettings& settings, FunSetId id);
