#pragma once
#include <string>
#include <vector>

// The player's language and the core's side of the translation. The core writes its
// player-visible texts in the designed Russian and marks them with QV_TEXT, so that lupdate
// collects them (as it does QT_TRANSLATE_NOOP); the window side installs a translator at
// start-up, before any window exists, and the core shows a text through Translated().
namespace qv {

#define QV_TEXT(context, text) text

enum class Language { Russian, English };

struct Language_Choice {
    Language language;
    // A line for the error output when --lang names no language of the game; "" otherwise.
    std::string note;
};

// The interface language for the user's preferred languages (tags such as "en-US", "ru_RU",
// most wanted first) and the program's arguments after its name: "--lang en" or "--lang=en"
// ("ru" alike) decides; otherwise the first preferred language that is English or Russian;
// Russian, the designed one, when neither is listed. Any other --lang value, or none after
// it, is noted and then ignored.
Language_Choice Choose_Language(const std::vector<std::string>& uiLanguages,
                                const std::vector<std::string>& arguments);

// Gives a text of `context` in the player's language; "" when it has no translation.
using Text_Translator = std::string (*)(const char* context, const char* text);
// Installs the translator; nullptr restores the designed texts.
void Set_Text_Translator(Text_Translator translator);
// The text in the player's language, or the designed text itself when none is installed
// or the translation lacks it.
std::string Translated(const char* context, const char* text);

} // namespace qv
