#pragma once

#include "DbError.h"

class DbDatabase;

// Scope guard for an exclusive write transaction: rolled back when it goes out of scope
// unless commit() succeeded.
class DbTransaction
{
public:
    explicit DbTransaction(DbDatabase &database);
    ~DbTransaction();
    DbTransaction(const DbTransaction &) = delete;
    DbTransaction &operator=(const DbTransaction &) = delete;

    // Holds `table` against every other writer until commit or rollback.
    bool beginExclusive(const QString &table, DbError &error);
    bool commit(DbError &error);

private:
    DbDatabase &m_database;
    bool m_active = false;
};
