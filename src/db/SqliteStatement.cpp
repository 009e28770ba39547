#include "SqliteStatement.h"

#include "DbBusyWait.h"
#include "DbDriverError.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3 *connection, const QString &sql)
    : m_connection(connection)
    , m_sql(sql)
    , m_utf8(sql.toUtf8())
{
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

bool SqliteStatement::run(bool mayWait, bool takesWriteLock)
{
    using DbBusyWait::Attempt;
    const auto attempt = [this] {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        const char *rest = nullptr;
        m_result = sqlite3_prepare_v2(
            m_connection, m_utf8.constData(), int(m_utf8.size()), &m_statement, &rest);
        m_prepared = m_result == SQLITE_OK;
        if (m_prepared && rest
            && !QByteArrayView(rest, m_utf8.constData() + m_utf8.size() - rest)
                    .trimmed()
                    .isEmpty()) {
            m_secondStatement = true;
            m_result = SQLITE_MISUSE;
            return Attempt::Failed;
        }
        if (!m_prepared)
            return (m_result & 0xff) == SQLITE_BUSY ? Attempt::Busy : Attempt::Failed;
        if (!m_statement) // nothing but blanks or a comment
            return Attempt::Done;
        m_result = sqlite3_step(m_statement);
        if (m_result == SQLITE_ROW || m_result == SQLITE_DONE)
            return Attempt::Done;
        return (m_result & 0xff) == SQLITE_BUSY ? Attempt::Busy : Attempt::Failed;
    };
    return takesWriteLock ? DbBusyWait::takeWriteLock(attempt)
                          : DbBusyWait::retry(attempt, mayWait);
}

bool SqliteStatement::returnsColumns() const
{
    return m_statement && sqlite3_column_count(m_statement) > 0;
}

bool SqliteStatement::hasRow() const
{
    return m_result == SQLITE_ROW;
}

int SqliteStatement::changes() const
{
    return sqlite3_changes(m_connection);
}

DbError SqliteStatement::error(int fallback) const
{
    const QString why = m_secondStatement
        ? QStringLiteral("Unable to execute multiple statements at a time")
        : m_prepared ? QStringLiteral("Unable to fetch row")
                     : QStringLiteral("Unable to execute statement");
    return DbDriverError(m_result,
        QString::fromUtf8(sqlite3_errmsg(m_connection)) + QLatin1Char(' ') + why, m_sql, fallback);
}

sqlite3_stmt *SqliteStatement::release()
{
    sqlite3_stmt *statement = m_statement;
    m_statement = nullptr;
    return statement;
}
