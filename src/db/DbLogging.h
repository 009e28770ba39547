#pragma once

#include <QLoggingCategory>

// "lectorum.db": every failed statement with its text, the native error code and the
// driver's message. Off by default; QT_LOGGING_RULES="lectorum.db.debug=true" switches it on
// (for a user's support report, or a test whose failure a scripted message box answered).
Q_DECLARE_LOGGING_CATEGORY(lcDatabase)
