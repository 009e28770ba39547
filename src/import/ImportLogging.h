#pragma once

#include <QLoggingCategory>

// Failures of reading outline files and of writing or undoing an import.
Q_DECLARE_LOGGING_CATEGORY(lcImport)
