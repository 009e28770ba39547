#pragma once

#include <QString>

// lectorum-mkdb --copy FROM TO: opens both sides (a library file, or an ODBC connect string
// as --odbc takes it), runs the copy with a progress display and prints what it found.
// Returns the program's exit code.
int runLibraryCopyCommand(const QString &from, const QString &to, bool replace);
