#pragma once

#include "DbError.h"

class DbDatabase;

// Scope guard for a write transaction: rolled back when it goes out of scope
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
    // Holds the rows the transaction reads for update (see DbDatabase::beginWrite).
    bool beginWrite(DbError &error);
    bool commit(DbError &error);

private:
    DbDatabase &m_database;
    bool m_active = false;
};
