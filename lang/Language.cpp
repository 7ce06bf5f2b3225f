#include "lang/Language.h"

#include "lang/IniFile.h"

std::string LanguageFilePath(const std::string& appDir, const std::string& languageName) {
    return FindFileNoCase(appDir, languageName + ".Ini");
}

void LoadLanguage(TLanguage& texts, const std::string& appDir, const std::string& languageName) {
    const IniFile ini = IniFile::Load(LanguageFilePath(appDir, languageName));
    const TLanguage builtIn;
    for (const auto& [key, member] : LanguageKeys) {
        texts.*member = ini.ReadString("Language", key, builtIn.*member);
    }
}
