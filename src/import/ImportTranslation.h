#pragma once

// The program's English translation: it holds no other words than the source's, only the
// singular and plural forms of messages that count ("Imported %n sermon(s)." reads "Imported
// 1 sermon." and "Imported 2 sermons."). translations/lectorum_en.ts, built into the import
// library; update it with the build target lectorum_import_lupdate and give each new count
// message its two forms.
namespace ImportTranslation {

// Installs the translation on the application once; false when it could not be loaded (the
// messages then show their "(s)" forms).
bool install();

} // namespace ImportTranslation
