#pragma once

#include "DbError.h"

class DbDatabase;

// Fills a database with a large made-up library for benchmarks: sermons with outlines of
// about 4 KB, a few hundred preachers, series, topics and topic links. Deterministic: the same
// count gives the same library.
class LibraryGenerator
{
public:
    explicit LibraryGenerator(DbDatabase &database);
    bool generate(int sermonCount, DbError &error);

private:
    bool insertBatch(const QString &head, const QStringList &rows, DbError &error);
    qint32 nextKey(const QString &table, const QString &column, DbError &error);

    DbDatabase &m_database;
};
