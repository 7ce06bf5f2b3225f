#include "lang/SysInfo.h"

#include "app/TALL.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <system_error>
#include <unistd.h>

namespace {

constexpr std::string_view FileName = "SysInfo.Ini";
constexpr std::string_view DefaultLanguageList = "Chinese|English";
constexpr std::string_view DefaultDisplayList = "中文|英文";

std::string UserSysInfoPath(const std::string& configHome) {
    return configHome + "/kx40/" + std::string(FileName);
}

} // namespace

std::string UserConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

IniFile OpenSysInfo(const std::string& appDir, bool appDirWritable, const std::string& configHome) {
    const std::string shared = FindFileNoCase(appDir, std::string(FileName));
    if (appDirWritable) {
        return IniFile::Load(shared);
    }
    const std::string own = UserSysInfoPath(configHome);
    std::error_code ec;
    if (std::filesystem::exists(own, ec)) {
        return IniFile::Load(own);
    }
    IniFile ini = IniFile::Load(shared);
    ini.SetPath(own);
    return ini;
}

IniFile OpenSysInfo(const std::string& appDir) {
    return OpenSysInfo(appDir, ::access(appDir.c_str(), W_OK) == 0, UserConfigHome());
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> SplitList(std::string_view list) {
    std::vector<std::string> items;
    while (!list.empty()) {
        const auto bar = list.find('|');
        items.emplace_back(list.substr(0, bar));
        list.remove_prefix(bar == std::string_view::npos ? list.size() : bar + 1);
    }
    return items;
}

void LoadSysInfo(TALL& all) {
    const IniFile ini = OpenSysInfo(all.AppDir);
    all.ComPort = ini.ReadString(SysInfoSection, "Com", "Com1");
    all.HelpName = ini.ReadString(SysInfoSection, "Help", "VQ");
    all.LanguageIndex =
        ParseInt32(ini.ReadString(SysInfoSection, "DefaultLanguage", "0")).value_or(0);
    // PicId is the stored number plus one; a number at the top of the range has no
    // successor and counts as no number.
    const auto pic = ParseInt32(ini.ReadString(SysInfoSection, "PicID", "0"));
    all.PicId = pic && *pic < std::numeric_limits<std::int32_t>::max() ? *pic + 1 : 1;
    const auto names = SplitList(ini.ReadString(SysInfoSection, "Language", DefaultLanguageList));
    all.LanguageName = all.LanguageIndex >= 0 && std::size_t(all.LanguageIndex) < names.size()
                           ? names[std::size_t(all.LanguageIndex)]
                           : std::string();
}

Result<void> SaveSysInfo(const TALL& all) {
    IniFile ini = OpenSysInfo(all.AppDir);
    ini.WriteString(SysInfoSection, "Com", all.ComPort);
    ini.WriteString(SysInfoSection, "DefaultLanguage", std::to_string(all.LanguageIndex));
    ini.WriteString(SysInfoSection, "PicID", std::to_string(std::int64_t(all.PicId) - 1));
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(ini.Path()).parent_path(), ec);
    return ini.Save();
}

void ReadLanguageLists(const TALL& all, std::vector<std::string>& display,
                       std::vector<std::string>& names) {
    const IniFile ini = OpenSysInfo(all.AppDir);
    for (auto& name : SplitList(ini.ReadString(SysInfoSection, "Language", DefaultLanguageList))) {
        names.push_back(std::move(name));
    }
    for (auto& text :
         SplitList(ini.ReadString(SysInfoSection, all.LanguageName, DefaultDisplayList))) {
        display.push_back(std::move(text));
    }
}
