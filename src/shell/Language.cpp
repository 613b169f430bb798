#include "shell/Language.h"

#include <cctype>
#include <optional>

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

// The value of the --lang option: nullopt without one, "" with nothing after it.
std::optional<std::string> Lang_Option(const std::vector<std::string>& arguments)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--lang")
            return i + 1 < arguments.size() ? arguments[i + 1] : "";
        if (arguments[i].starts_with("--lang="))
            return arguments[i].substr(7);
    }
    return std::nullopt;
}

} // namespace

Language_Choice Choose_Language(const std::vector<std::string>& uiLanguages,
                                const std::vector<std::string>& arguments)
{
    const std::optional<std::string> option = Lang_Option(arguments);
    if (option == "en")
        return {Language::English, ""};
    if (option == "ru")
        return {Language::Russian, ""};
    std::string note;
    if (option)
        note = option->empty() ? "quarvex: --lang needs a language, en or ru; the desktop's language is used"
                               : "quarvex: --lang " + *option +
                                     ": no such language (en or ru); the desktop's language is used";
    for (const std::string& tag : uiLanguages) {
        const std::string primary = Primary(tag);
        if (primary == "en")
            return {Language::English, note};
        if (primary == "ru")
            return {Language::Russian, note};
    }
    return {Language::Russian, note};
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
