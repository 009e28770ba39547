#pragma once

#include <QString>
#include <QStringList>

class clsConfig;

// The program's translation, installed on the application at its start (the program, the
// library maker). Each language is one file, translations/lectorum_<code>.ts, built into this
// library as :/i18n/lectorum_<code>.qm; a language is offered when its file is there, so a new
// one needs no change to the code (docs/translating.md).
//
// The English one holds no other words than the source's, only the singular and plural forms
// of the messages that count ("Imported %n sermon(s)." reads "Imported 1 sermon." and
// "Imported 2 sermons."). Update the files with the build target lectorum_settings_lupdate.
//
// The language is the one the user chose (Defaults > Language..., written only then):
//
//   [Interface]
//   Language=es     a language code; missing: the system's (LANGUAGE, LC_ALL, LC_MESSAGES,
//                   LANG), else English
//
// A choice applies at the next start: windows already built keep their texts.
namespace ProgramTranslation {

// The languages built in ("en", "es", ...), English first.
QStringList languages();
// A language's own name for itself ("English", "Español"), from its translation.
QString nativeName(const QString &language);
// A text as a built-in language's translation gives it, whatever language is installed
// (a file written with another interface language is read back); the source when it has none.
QString textIn(const QString &language, const char *context, const char *source);
// The first built-in language the environment asks for, else "en".
QString systemLanguage();
// The saved choice when it names a built-in language, else the system's.
QString chosenLanguage(clsConfig &config);
// Stores the user's choice for the next start.
bool saveLanguage(clsConfig &config, const QString &language);

// Installs the chosen language's translation (and Qt's own for its dialogs, from the system)
// on the application once; false when the program's could not be loaded (the messages then
// show their English source texts with "(s)").
bool install();
// Replaces the installed translation with the language's (tests, the library maker).
bool install(const QString &language);
// The installed language, "en" before any install.
QString language();
bool isSpanish();

} // namespace ProgramTranslation
