#pragma once

#include <QLoggingCategory>

// Spelling's failures: a dictionary that is missing or unreadable, a word list not written.
Q_DECLARE_LOGGING_CATEGORY(lcSpelling)
