#include <gtest/gtest.h>

#include "shell/Language.h"

using qv::Language;

// The preferred languages are those Qt reports for each desktop setting; a --lang value the game
// cannot use must be said on the error output.
TEST(Choose_Language, follows_the_first_of_english_and_russian_in_the_desktop_order)
{
    const Language en = Language::English, ru = Language::Russian;
    struct Case {
        const char* setting;
        std::vector<std::string> preferred;
        std::vector<std::string> arguments;
        Language expected;
        bool noted = false;
    } cases[] = {
        {"LANG=en_US.UTF-8", {"en-US", "en-Latn-US", "en"}, {}, en},
        {"LANG=ru_RU.UTF-8", {"ru-RU", "ru-Cyrl-RU", "ru"}, {}, ru},
        {"LANG=C.UTF-8 or POSIX", {"C"}, {}, ru},
        {"LANG=ru_RU LANGUAGE=en:ru", {"en", "en-Latn-US", "en-US", "ru", "ru-Cyrl-RU", "ru-RU"}, {}, en},
        {"LANG=en_US LANGUAGE=ru:en", {"ru", "ru-Cyrl-RU", "ru-RU", "en", "en-Latn-US", "en-US"}, {}, ru},
        {"LANG=de_DE LANGUAGE=de:en", {"de", "de-Latn-DE", "de-DE", "en", "en-Latn-US", "en-US"}, {}, en},
        {"LANG=de_DE", {"de-DE", "de-Latn-DE", "de"}, {}, ru},
        {"LANGUAGE=EN_gb underscored", {"EN_gb"}, {}, en},
        {"LANG=en_US --lang ru", {"en-US", "en"}, {"--lang", "ru"}, ru},
        {"LANG=C --lang en", {"C"}, {"-platform", "xcb", "--lang", "en"}, en},
        {"LANG=C --lang=en", {"C"}, {"--lang=en"}, en},
        {"LANG=en_US --lang xx", {"en-US", "en"}, {"--lang", "xx"}, en, true},
        {"LANG=ru_RU --lang=", {"ru-RU"}, {"--lang="}, ru, true},
        {"LANG=en_US --lang at the end", {"en-US"}, {"--lang"}, en, true},
    };
    for (const Case& c : cases) {
        const qv::Language_Choice choice = qv::Choose_Language(c.preferred, c.arguments);
        EXPECT_EQ(choice.language, c.expected) << c.setting;
        EXPECT_EQ(choice.note.find("--lang") != std::string::npos, c.noted) << c.setting << ": " << choice.note;
    }
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
