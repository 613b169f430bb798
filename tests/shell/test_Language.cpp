#include <gtest/gtest.h>

#include "shell/Language.h"

using qv::Language;

// The preferred languages are those Qt reports for each desktop setting.
TEST(Choose_Language, follows_the_first_of_english_and_russian_in_the_desktop_order)
{
    const Language en = Language::English, ru = Language::Russian;
    struct Case {
        const char* setting;
        std::vector<std::string> preferred;
        std::string option;
        Language expected;
    } cases[] = {
        {"LANG=en_US.UTF-8", {"en-US", "en-Latn-US", "en"}, "", en},
        {"LANG=ru_RU.UTF-8", {"ru-RU", "ru-Cyrl-RU", "ru"}, "", ru},
        {"LANG=C.UTF-8 or POSIX", {"C"}, "", ru},
        {"LANG=ru_RU LANGUAGE=en:ru", {"en", "en-Latn-US", "en-US", "ru", "ru-Cyrl-RU", "ru-RU"}, "", en},
        {"LANG=en_US LANGUAGE=ru", {"ru", "ru-Cyrl-RU", "ru-RU"}, "", ru},
        {"LANG=de_DE LANGUAGE=de:en", {"de", "de-Latn-DE", "de-DE", "en", "en-Latn-US", "en-US"}, "", en},
        {"LANG=de_DE", {"de-DE", "de-Latn-DE", "de"}, "", ru},
        {"LANGUAGE=EN_gb underscored", {"EN_gb"}, "", en},
        {"LANG=en_US --lang ru", {"en-US", "en"}, "ru", ru},
        {"LANG=C --lang en", {"C"}, "en", en},
        {"LANG=en_US --lang xx", {"en-US", "en"}, "xx", en},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qv::Choose_Language(c.preferred, c.option), c.expected) << c.setting;
}

// Without a translator the core shows its designed texts.
TEST(Translated, gives_the_translator_s_text_and_the_designed_one_without_it)
{
    qv::Set_Text_Translator([](const char* context, const char* text) -> std::string {
        return std::string(context) == "Core" && std::string(text) == "Бонус" ? "Bonus" : "";
    });
    EXPECT_EQ(qv::Translated("Core", "Бонус"), "Bonus");
    EXPECT_EQ(qv::Translated("Core", "Пауза"), "Пауза");
    qv::Set_Text_Translator(nullptr);
    EXPECT_EQ(qv::Translated("Core", "Бонус"), "Бонус");
}
