#include "DbTransaction.h"

#include "DbDatabase.h"

DbTransaction::DbTransaction(DbDatabase &database)
    : m_database(database)
{
}

DbTransaction::~DbTransaction()
{
    if (m_active)
        m_database.rollback();
}

bool DbTransaction::beginExclusive(const QString &table, DbError &error)
{
    m_active = m_database.beginExclusive(table, error);
    return m_active;
}

bool DbTransaction::beginWrite(DbError &error)
{
    m_active = m_database.beginWrite(error);
    return m_active;
}

bool DbTransaction::commit(DbError &error)
{
    if (!m_active)
        return false;
    m_active = false;
    return m_database.commit(error);
}
