#include "shell/Language.h"

#include <cctype>

namespace qv {

namespace {

Text_Translator translator_ = nullptr;

// The primary subtag of a language tag, lower-cased: "en" of "en-US" or "EN_gb".
std::string Primary(const std::string& tag)
{
    std::string primary;
    for (char c : tag) {
        if (c == '-' || c == '_' || c == '.' || c == '@')
            break;
        primary += char(std::tolower(static_cast<unsigned char>(c)));
    }
    return primary;
}

} // namespace

Language Choose_Language(const std::vector<std::string>& uiLanguages, const std::string& option)
{
    if (option == "en")
        return Language::English;
    if (option == "ru")
        return Language::Russian;
    for (const std::string& tag : uiLanguages) {
        const std::string primary = Primary(tag);
        if (primary == "en")
            return Language::English;
        if (primary == "ru")
            return Language::Russian;
    }
    return Language::Russian;
}

void Set_Text_Translator(Text_Translator translator) { translator_ = translator; }

std::string Translated(const char* context, const char* text)
{
    if (translator_) {
        std::string shown = translator_(context, text);
        if (!shown.empty())
            return shown;
    }
    return text;
}

} // namespace qv
