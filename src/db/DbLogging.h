#pragma once

#include <QLoggingCategory>

// "lectorum.db": every failed statement with its text, the native error code and the
// driver's message, at warning level so that it is written by default;
// QT_LOGGING_RULES="lectorum.db.warning=false" silences it.
Q_DECLARE_LOGGING_CATEGORY(lcDatabase)
