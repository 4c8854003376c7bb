// The language of the program's words: the system's, or one the user chose (View/Language in
// Kelvra95.ini). Taken once at start; a change in the menu holds from the next start, since
// every window has already laid out its words.
#pragma once

#include <QString>

#include <filesystem>

#include "ui/common/settings_key.h"

class QAction;
class QWidget;

namespace kelvra {

class SettingsStore;

enum class Language { System, English, German, French, Spanish };

// Unreadable or unknown values give the system's language without a word: the menu's tick shows
// what holds, and the next choice writes a clean value.
inline const ChoiceKey<Language, 5> kLanguageKey{
    "View/Language", {"system", "en", "de", "fr", "es"}, Language::System};

// The folder the program's translations are read from: translations/ beside the program.
std::filesystem::path TranslationsFolder(const std::filesystem::path& programFolder);

// Installs, in the running application, the translators for `language` (the system's: the
// first of the user's preferred languages that has a translation), the program's own and Qt's
// (its dialogs' buttons), and makes the language's locale the default for names of months and
// days. Numbers keep following the system's locale. English, or a language without a
// translation, installs nothing.
// Returns: the language the words are now in, as a code ("en", "de", …).
QString InstallTranslations(Language language, const std::filesystem::path& programFolder);

// The View menu's "Language" entry: a submenu with the system's language and the four, the
// stored choice ticked; a choice is written to Kelvra95.ini at once and holds from the next
// start, which a message says.
QAction* MakeLanguageAction(QWidget& parent, SettingsStore& settings);

}  // namespace kelvra
