#pragma once

#include "DbError.h"

class QSqlError;

// Turns a driver's error into a DbError: the native code when it is a number that fits the
// 16 bits the error box shows, otherwise the fixed number for this kind of failure. Only the
// engine layer includes this header.
DbError DbDriverError(const QSqlError &sqlError, const QString &sql, int fallback);
// The same for an error SQLite's own functions answered: its result code and its text.
DbError DbDriverError(int nativeCode, const QString &text, const QString &sql, int fallback);
