#pragma once

#include "DbError.h"

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One statement run on an SQLite file through SQLite's own functions, which costs a few
// microseconds where Qt's query object costs several times that (a key handed out is three
// statements). Only the engine layer uses it.
//
// A try that meets another copy's lock is prepared afresh for the next try: a statement
// stepped again after "busy" answers "busy" at once each time, without SQLite's own short
// wait, while a writer works back to back. Text holding a second statement is refused before
// anything runs, as Qt's driver refuses it. Errors carry the texts Qt's driver gives for the
// same failure.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3 *connection, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Prepares the statement and takes its first step. While another copy holds the lock and
    // `mayWait` is set, tries again as DbBusyWait waits; `takesWriteLock` for the statement that
    // asks for the write lock (BEGIN IMMEDIATE), which keeps DbBusyWait's courtesy to waiters.
    bool run(bool mayWait, bool takesWriteLock = false);

    bool returnsColumns() const;
    bool hasRow() const; // the first step gave a row
    int changes() const; // rows the statement wrote
    // Why run() failed, numbered with SQLite's result code.
    DbError error(int fallback) const;
    // The stepped statement, for the caller to finalize; this object forgets it.
    sqlite3_stmt *release();

private:
    sqlite3 *m_connection;
    QString m_sql;
    QByteArray m_utf8;
    sqlite3_stmt *m_statement = nullptr;
    int m_result = 0;
    bool m_prepared = false;
    bool m_secondStatement = false;
};
