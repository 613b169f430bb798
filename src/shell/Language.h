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

// The interface language: "ru" or "en" given with --lang decides; otherwise the first of the
// user's preferred languages (tags such as "en-US", "ru_RU", most wanted first) that is
// English or Russian; Russian, the designed one, when neither is listed or the option is
// anything else.
Language Choose_Language(const std::vector<std::string>& uiLanguages, const std::string& option);

// Gives a text of `context` in the player's language; "" when it has no translation.
using Text_Translator = std::string (*)(const char* context, const char* text);
// Installs the translator; nullptr restores the designed texts.
void Set_Text_Translator(Text_Translator translator);
// The text in the player's language, or the designed text itself when none is installed
// or the translation lacks it.
std::string Translated(const char* context, const char* text);

} // namespace qv
