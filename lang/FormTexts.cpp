#include "lang/FormTexts.h"

#include "app/TALL.h"
#include "lang/IniFile.h"
#include "lang/Language.h"

#include <cctype>

namespace {

std::string Lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

} // namespace

TFormTexts::TFormTexts(const std::string& appDir, const std::string& languageName,
                       std::string_view form) {
    const IniFile ini = IniFile::Load(LanguageFilePath(appDir, languageName));
    for (auto& [key, value] : ini.Items(form)) {
        texts_.try_emplace(Lower(key), value);
    }
}

TFormTexts TFormTexts::OnOpen(const TALL& all, std::string_view form) {
    if (all.LanguageIndex > 0) {
        return TFormTexts(all.AppDir, all.LanguageName, form);
    }
    return {};
}

std::string TFormTexts::Caption(std::string_view name, std::string_view builtin) const {
    return Get(std::string(name) + ".Caption", builtin);
}

std::string TFormTexts::Item(std::string_view name, int index, std::string_view builtin) const {
    return Get(std::string(name) + "." + std::to_string(index), builtin);
}

std::string TFormTexts::Get(std::string key, std::string_view builtin) const {
    const auto found = texts_.find(Lower(std::move(key)));
    return found != texts_.end() ? found->second : std::string(builtin);
}
