#pragma once

#include <QLoggingCategory>

// Failures of reading Bible text: modules that cannot be opened or read.
Q_DECLARE_LOGGING_CATEGORY(lcScripture)
