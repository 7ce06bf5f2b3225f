#pragma once

#include "link/TestStep.h"

#include <optional>
#include <string_view>

class IniFile;
struct TALL;

// The access code that puts the radio into its test mode: five capital
// letters. A site whose radios use another code sets it in the settings file,
// key "TestCode" of section [SysInfo]; without a valid one the built-in code
// is used.
inline constexpr std::string_view TestCodeKey = "TestCode";
inline constexpr std::string_view DefaultTestCode = "KXPWT";

// The code of a text of exactly five letters A to Z; nothing for any other text.
std::optional<TestCodeBytes> ParseTestCode(std::string_view text);

TestCodeBytes ReadTestCode(const IniFile& settings);

// Sets TestCode of the application state from the settings file.
void LoadTestCode(TALL& all);
