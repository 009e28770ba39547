#pragma once

#include <QLoggingCategory>

// Failures of the operations on whole library files: a backup or restore that could not
// write or rename its file, a copy that was refused or rolled back, a check that could not
// open the library. Each is also told to the user; the log keeps the file and the cause for
// whoever supports the program (QT_LOGGING_RULES="lectorum.library.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcLibrary)
