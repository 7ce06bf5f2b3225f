#pragma once

#include "lang/IniFile.h"
#include "radio/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TALL;

// The settings file SysInfo.Ini, section [SysInfo]: the serial port, the chosen
// language, the language lists, the help file name and the picture number.
//
// It lives next to the program. When the program folder is not writable (an
// installed program), each user gets $XDG_CONFIG_HOME/kx40/SysInfo.Ini
// (~/.config/kx40/ by default) instead; until that file exists it reads as a
// copy of the one next to the program, so the languages installed with the
// program are offered.

inline constexpr std::string_view SysInfoSection = "SysInfo";

// The folder for per-user settings: $XDG_CONFIG_HOME when it is an absolute
// path, else ~/.config.
std::string UserConfigHome();

IniFile OpenSysInfo(const std::string& appDir, bool appDirWritable, const std::string& configHome);
// The same for this process: the program folder's writability and the user's
// configuration folder are asked of the system.
IniFile OpenSysInfo(const std::string& appDir);

// Reads Com, DefaultLanguage, Help, PicID and the language name into the
// application state. A missing or unreadable file leaves the defaults.
void LoadSysInfo(TALL& all);

// Writes Com, DefaultLanguage and PicID back; every other line stays as it was.
// Creates the file, its section and the per-user folder when missing.
Result<void> SaveSysInfo(const TALL& all);

// Appends the language names ("Language") to `names` and their display names
// (the key named after the current language) to `display`.
void ReadLanguageLists(const TALL& all, std::vector<std::string>& display,
                       std::vector<std::string>& names);

// Splits a "|"-separated list from the left: "A||B" has three elements, the
// second empty; a "|" at the very end adds none ("A|B|" has two).
std::vector<std::string> SplitList(std::string_view list);

// A whole value of optional sign and decimal digits that fits 32 bits.
std::optional<std::int32_t> ParseInt32(std::string_view text);
