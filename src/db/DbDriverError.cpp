#include "DbDriverError.h"

#include "DbLogging.h"

#include <QSqlError>

// A failed statement is a warning: a failure that a caller swallows or a message box words
// plainly still leaves its statement and the driver's words on the terminal or in the journal
// of the person who reports it.
Q_LOGGING_CATEGORY(lcDatabase, "lectorum.db", QtInfoMsg)

namespace {

DbError driverError(const QString &native, const QString &text, const QString &sql, int fallback)
{
    DbError error;
    error.number = fallback;
    bool ok = false;
    const int code = native.section(QLatin1Char(';'), 0, 0).trimmed().toInt(&ok);
    if (ok && code > 0 && code <= 32767)
        error.number = code;
    error.driverText = text.trimmed();
    error.sql = sql;
    qCWarning(lcDatabase).noquote()
        << "failed:" << (sql.isEmpty() ? QStringLiteral("(no statement)") : sql) << "| native error"
        << native << "| number" << error.number << "|" << error.driverText;
    return error;
}

} // namespace

DbError DbDriverError(const QSqlError &sqlError, const QString &sql, int fallback)
{
    return driverError(sqlError.nativeErrorCode(), sqlError.text(), sql, fallback);
}

DbError DbDriverError(int nativeCode, const QString &text, const QString &sql, int fallback)
{
    return driverError(QString::number(nativeCode), text, sql, fallback);
}
