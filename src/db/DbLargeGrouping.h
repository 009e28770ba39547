#pragma once

#include <QString>

class DbDatabase;

// Plans a PostgreSQL session's statements in its scope for a grouping of every sermon's
// occasions, and puts the session's own settings back when it ends; on SQLite it does nothing.
// - More memory for sorts and hashes: at the server's default (4 MB) a hundred thousand
//   sermons' groups go to temporary files on disk. A setting already as large is kept.
// - Hash joins rather than merge joins: the server cannot foresee how many occasions a union
//   of sermons and their further dates yields (it guesses about a thousand of a quarter of a
//   million), and sorted all of them to merge them with the illustrations' links, where
//   hashing them took a tenth less of the topics report's time.
class DbLargeGrouping
{
public:
    DbLargeGrouping(DbDatabase &database, int megabytes);
    ~DbLargeGrouping();
    DbLargeGrouping(const DbLargeGrouping &) = delete;
    DbLargeGrouping &operator=(const DbLargeGrouping &) = delete;

private:
    void restore(const char *setting, const QString &value);

    DbDatabase &m_database;
    // The session's settings as the server wrote them, while they are changed.
    QString m_workMemory;
    QString m_mergeJoins;
};
