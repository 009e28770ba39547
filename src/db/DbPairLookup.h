#pragma once

#include "DbError.h"

#include <memory>

class QSqlQuery;

// Answers "does the link table hold this pair?" through its pair index, with one statement
// prepared once and run per look-up (the checklist runs it once per sermon and topic).
class DbPairLookup
{
public:
    ~DbPairLookup();
    bool contains(int first, int second, DbError &error);

private:
    friend class DbDatabase;
    DbPairLookup(std::unique_ptr<QSqlQuery> query, const QString &sql);
    std::unique_ptr<QSqlQuery> m_query;
    QString m_sql;
};
