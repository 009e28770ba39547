#pragma once

// The program's translation, installed on the application at its start (the program, the
// library maker). The English one holds no other words than the source's, only the singular
// and plural forms of the messages that count ("Imported %n sermon(s)." reads "Imported 1
// sermon." and "Imported 2 sermons."): translations/lectorum_en.ts, built into this library.
// Update it with the build target lectorum_settings_lupdate and give each new count message
// its two forms.
namespace ProgramTranslation {

// Installs the translation on the application once; false when it could not be loaded (the
// messages then show their "(s)" forms).
bool install();

} // namespace ProgramTranslation
