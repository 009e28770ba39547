#include "DbPairLookup.h"

#include "DbBusyWait.h"
#include "DbDriverError.h"
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
    if (!DbBusyWait::exec(*m_query, nullptr, true)) {
        error = DbDriverError(m_query->lastError(), m_sql, DbErrorNumber::StatementFailed);
        return false;
    }
    const bool found = m_query->next();
    m_query->finish();
    return found;
}
