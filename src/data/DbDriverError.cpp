#include "DbDriverError.h"

#include "DbLogging.h"

#include <QSqlError>

// Warnings and above would reach every user's terminal; the category speaks only when a
// rule asks for it.
Q_LOGGING_CATEGORY(lcDatabase, "lectorum.db", QtInfoMsg)

DbError DbDriverError(const QSqlError &sqlError, const QString &sql, int fallback)
{
    DbError error;
    error.number = fallback;
    const QString native = sqlError.nativeErrorCode().section(QLatin1Char(';'), 0, 0).trimmed();
    bool ok = false;
    const int code = native.toInt(&ok);
    if (ok && code > 0 && code <= 32767)
        error.number = code;
    error.driverText = sqlError.text().trimmed();
    error.sql = sql;
    qCDebug(lcDatabase).noquote() << "failed:" << (sql.isEmpty() ? QStringLiteral("(no statement)") : sql)
                                  << "| native error" << sqlError.nativeErrorCode() << "| number"
                                  << error.number << "|" << error.driverText;
    return error;
}
