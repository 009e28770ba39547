#include "DbDriverError.h"

#include <QSqlError>

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
    return error;
}
