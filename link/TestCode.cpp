#include "link/TestCode.h"

#include "app/TALL.h"
#include "lang/IniFile.h"
#include "lang/SysInfo.h"

#include <algorithm>

std::optional<TestCodeBytes> ParseTestCode(std::string_view text) {
    TestCodeBytes code{};
    if (text.size() != code.size() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
        return std::nullopt;
    }
    std::copy(text.begin(), text.end(), code.begin());
    return code;
}

TestCodeBytes ReadTestCode(const IniFile& settings) {
    const std::string text = settings.ReadString(SysInfoSection, TestCodeKey, "");
    return ParseTestCode(text).value_or(*ParseTestCode(DefaultTestCode));
}

void LoadTestCode(TALL& all) {
    all.TestCode = ReadTestCode(OpenSysInfo(all.AppDir));
}
