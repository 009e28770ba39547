#include "DbPairLookup.h"

#include "StatementLog.h"

#include <QSqlError>
#include <QSqlQuery>

DbPairLookup::DbPairLookup(std::unique_ptr<QSqlQuery> query, const QString &sql)
    : m_query(std::move(query))
    , m_sql(sql)
{
}

DbPairLookup::~DbPairLookup() = default;

bool DbPairLookup::contains(int first, int second, DbError &error)
{
    m_query->bindValue(0, first);
    m_query->bindValue(1, second);
    if (!m_query->exec()) {
        error.number = DbErrorNumber::StatementFailed;
        bool ok = false;
        const int native = m_query->lastError().nativeErrorCode().toInt(&ok);
        if (ok && native != 0)
            error.number = native;
        error.driverText = m_query->lastError().text();
        error.sql = m_sql;
        return false;
    }
    const bool found = m_query->next();
    m_query->finish();
    return found;
}
