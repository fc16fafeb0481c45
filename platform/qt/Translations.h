#pragma once

#include <QString>

#include "platform/Texts.h"

class QCoreApplication;
class QLocale;

namespace gh {

// Installs Qt's own Russian strings (compiled in), so standard buttons and
// dialogs speak the game's language: QMessageBox says "Да" and "Нет".
// The translator belongs to `app`; a second call does nothing.
void InstallRussianQtTranslation(QCoreApplication& app);

// The languages the game ships. Russian is its own; every other one is a
// translation of it.
enum class Language { Russian, English };

// The settings key «Язык» writes: "" follows the system, "ru" or "en" choose.
inline constexpr const char* kLanguageKey = "settings/language";

// The language for the setting's value: "en" and "ru" choose; anything else
// follows the system: English for an English locale, Russian for Russian and
// for every language the game does not ship.
Language ChooseLanguage(const QString& setting, const QLocale& system);
// The setting as the settings file holds it, read without opening any window
// (the command line's --help is answered in the language too).
QString LanguageSetting();

// Makes `language` the program's: its translator for the game's texts and
// Qt's own, and the rules' text service. Called once, before any window.
void InstallLanguage(QCoreApplication& app, Language language);
// The language InstallLanguage last made the program's (Russian before).
Language CurrentLanguage();

// A shell text in the current language: the Russian source as written, or its
// translation. Marked for lupdate like the rules' GH_TR.
QString QTr(const char* context, const char* source);
// The form for n of a GH_PLURAL text.
QString QTrN(PluralText text, long long n);

} // namespace gh
