#pragma once

#include <map>
#include <string>
#include <string_view>

struct TALL;

// The texts a language file gives one form, for code that needs a form's
// texts without building its window (the report reads closed windows this
// way). Keys match without regard to ASCII case; the first of two equal keys
// wins, as in TranslateForm.
class TFormTexts {
public:
    TFormTexts() = default;
    TFormTexts(const std::string& appDir, const std::string& languageName, std::string_view form);

    // The texts a window of that form shows once opened: built-in ones unless
    // a language other than the first is chosen.
    static TFormTexts OnOpen(const TALL& all, std::string_view form);

    // The caption of the form or of a control ("Name.Caption").
    std::string Caption(std::string_view name, std::string_view builtin) const;
    // Item `index` of a list control ("Name.index").
    std::string Item(std::string_view name, int index, std::string_view builtin) const;

private:
    std::string Get(std::string key, std::string_view builtin) const;

    std::map<std::string, std::string> texts_;
};
