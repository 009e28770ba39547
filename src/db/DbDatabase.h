#pragma once

#include "DbError.h"

#include <QDate>
#include <QString>
#include <memory>

class DbOpenSnapshots;
class DbSnapshot;
class DbPairLookup;
struct sqlite3;

// One open database: a local SQLite file or a server reached through ODBC. This class and its
// companions (DbSnapshot, DbPairLookup, DbTransaction) are the only code that includes QtSql;
// every statement they run is noted in the StatementLog first.
class DbDatabase
{
public:
    enum class Engine { SQLite, Odbc };

    // The Qt SQL driver for the engine is installed.
    static bool engineAvailable(Engine engine);

    // Opens an existing SQLite file for shared read-write use. A missing file is an error:
    // the program never creates an empty database in its place; nor does it take an empty
    // file (or one without tables) for a database.
    static std::unique_ptr<DbDatabase> openFile(const QString &path, DbError &error);
    // Opens an ODBC data source. connectText is the attribute list after "ODBC;"
    // ("DSN=name;UID=...;PWD=...;DATABASE=...").
    static std::unique_ptr<DbDatabase> openOdbc(const QString &connectText, DbError &error);
    // Creates a new, empty SQLite file (only lectorum-mkdb and tests do this).
    static std::unique_ptr<DbDatabase> createFile(const QString &path, DbError &error);

    ~DbDatabase();
    DbDatabase(const DbDatabase &) = delete;
    DbDatabase &operator=(const DbDatabase &) = delete;

    Engine engine() const { return m_engine; }
    bool isPostgres() const { return m_postgres; }

    // Statements reach the driver as well-formed UTF-16 (execute, openSnapshot): a lone
    // surrogate in them, a broken character in a typed text, becomes U+FFFD, so it can never
    // swallow the quote after it. A statement that meets another copy's lock on an SQLite
    // file waits for it up to five seconds (see DbBusyWait).

    // Runs an INSERT, UPDATE, DELETE or other statement; rowsAffected gets the number of rows
    // it changed (-1 when the driver cannot tell).
    bool execute(const QString &sql, int *rowsAffected, DbError &error);
    // Opens a read-only snapshot over a SELECT text; null on failure.
    std::unique_ptr<DbSnapshot> openSnapshot(const QString &sql, DbError &error);
    // Prepares an indexed look-up of one (first, second) pair in a link table.
    std::unique_ptr<DbPairLookup> preparePairLookup(const QString &table,
        const QString &firstColumn, const QString &secondColumn, DbError &error);

    // A plain transaction (bulk loading).
    bool begin(DbError &error);
    // A write transaction that holds the table (and on SQLite the whole file) against every
    // other writer until it ends. Used through DbTransaction.
    bool beginExclusive(const QString &table, DbError &error);
    // A write transaction for rows that the caller locks itself as it reads them (a server's
    // SELECT ... FOR UPDATE); on SQLite it holds the whole file, as beginExclusive does.
    bool beginWrite(DbError &error);
    bool commit(DbError &error);
    bool rollback();

    QString connectionName() const { return m_connectionName; }

    // A condition that holds where `column` contains `text` by the text search's rule (see
    // DbTextContains): non-empty and, unless `text` is empty, holding it without regard to
    // letter case. Empty when this engine cannot test the rule exactly; the program then tests
    // the rows itself.
    QString textContainsSql(const QString &column, const QString &text) const;

    // A date column as the integer yyyymmdd, Null where there is no date (see DbDayNumber):
    // the reports count and compare dates by it on every engine.
    QString dayNumberSql(const QString &column) const;
    // The day number for a query that reads only its year (the number / 10000) and compares
    // it with whole years' bounds: on a server yyyy0000, which costs a third; on SQLite,
    // whose day number is cheap already, the day number itself.
    QString yearNumberSql(const QString &column) const;
    // A date column as its day, for a query that only compares days, takes the least or the
    // greatest and shows few of them: on a server the date itself (a cast, where the day
    // number costs three date parts on every row), on SQLite the day number. Null where the
    // day number is Null.
    QString dayValueSql(const QString &column) const;
    // A day as a literal that compares with dayValueSql's values.
    QString dayValueLiteral(const QDate &day) const;
    // The day value `years` whole years after `dayValue`, as QDate::addYears counts (29
    // February to 28 February): a later day compares greater.
    QString dayValuePlusYearsSql(const QString &dayValue, int years) const;
    // A dayValueSql value (one of the few a query shows) as the day number.
    QString dayNumberOfValueSql(const QString &dayValue) const;
    // Holds where `column` falls on the day `dayValue` (a dayValueSql value): on a server a
    // range of the column itself, which an index on it answers.
    QString onDaySql(const QString &column, const QString &dayValue) const;
    // A text expression that sorts and groups byte by byte, for a key that is only grouped:
    // a server compares text by its locale otherwise, several times slower. Equal texts are
    // equal either way. SQLite compares bytes already.
    QString bytewiseSql(const QString &text) const;
    // A text expression with letter case folded away, so that texts the program takes for the
    // same without regard to case compare equal (SqliteCaseFold on SQLite, LOWER on a server).
    QString caselessSql(const QString &text) const;

private:
    DbDatabase(Engine engine, const QString &connectionName);
    static std::unique_ptr<DbDatabase> openSqlite(const QString &path, bool create, DbError &error);
    // fileWithTables: an existing SQLite file, refused when it holds no tables.
    bool setUpSession(DbError &error, const QString &fileWithTables = QString());
    // execute(), with or without waiting out another copy's lock (see DbBusyWait);
    // takesWriteLock for the statement that asks for SQLite's write lock.
    bool run(const QString &sql, int *rowsAffected, DbError &error, bool mayWait,
        bool takesWriteLock = false);
    // openSnapshot() on an SQLite file, through SQLite's own statement (see DbSnapshot).
    std::unique_ptr<DbSnapshot> openSqliteSnapshot(const QString &sql, DbError &error);

    Engine m_engine;
    QString m_connectionName;
    bool m_postgres = false;
    bool m_inTransaction = false; // between begin()/beginExclusive() and commit()/rollback()
    bool m_sqliteContains = false; // the SQLite connection has the search function
    bool m_sqliteDayNumber = false; // ... and the day-number function
    bool m_sqliteCaseFold = false; // ... and the case-folding function
    bool m_unicodeServer = false; // a PostgreSQL database that stores UTF-8
    sqlite3 *m_sqlite = nullptr; // the SQLite driver's own connection
    std::shared_ptr<DbOpenSnapshots> m_openSnapshots;
};
