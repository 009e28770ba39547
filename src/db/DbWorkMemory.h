#pragma once

#include <QString>

class DbDatabase;

// Lends a PostgreSQL session more memory for the sorts and hashes of the statements run in
// its scope, and puts the session's own setting back when it ends. The server's default (4 MB)
// sends a grouping of a hundred thousand sermons to temporary files on disk. A setting that
// is already as large is left alone, and on SQLite this does nothing.
class DbWorkMemory
{
public:
    DbWorkMemory(DbDatabase &database, int megabytes);
    ~DbWorkMemory();
    DbWorkMemory(const DbWorkMemory &) = delete;
    DbWorkMemory &operator=(const DbWorkMemory &) = delete;

private:
    DbDatabase &m_database;
    // The session's setting as the server wrote it, while it is raised.
    QString m_previous;
};
