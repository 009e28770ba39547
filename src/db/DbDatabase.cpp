#include "DbDatabase.h"

#include "DbBusyWait.h"
#include "DbDayNumber.h"
#include "DbDriverError.h"
#include "DbOpenSnapshots.h"
#include "DbPairLookup.h"
#include "DbSnapshot.h"
#include "DbTextContains.h"
#include "SqlLiterals.h"
#include "SqliteCaseFold.h"
#include "SqliteDayNumber.h"
#include "SqliteStatement.h"
#include "StatementLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>
#include <sqlite3.h>

namespace {

QString newConnectionName()
{
    static std::atomic<int> serial { 0 };
    return QStringLiteral("lectorum-%1").arg(++serial);
}

// Drivers read a statement's UTF-16 as if every surrogate were half of a pair: SQLite and
// the PostgreSQL ODBC driver both take the code unit after a lone surrogate as its partner.
// When that unit is a quote it vanishes from the statement and the rest of a typed text
// becomes SQL (an UPDATE of one sermon whose reference held a lone surrogate before
// "' WHERE 1=1 --" rewrote every sermon). A typed or pasted text can hold one, so each lone
// surrogate becomes U+FFFD, the replacement character, before a driver sees the statement:
// what a UTF-8 database would keep of it anyway.
QString wellFormed(const QString &sql)
{
    if (sql.isValidUtf16())
        return sql;
    QString repaired = sql;
    for (qsizetype i = 0; i < repaired.size(); ++i) {
        const QChar c = repaired.at(i);
        if (c.isHighSurrogate() && i + 1 < repaired.size() && repaired.at(i + 1).isLowSurrogate())
            ++i; // a proper pair
        else if (c.isSurrogate())
            repaired[i] = QChar::ReplacementCharacter;
    }
    return repaired;
}

int statementFallback(DbDatabase::Engine engine)
{
    return engine == DbDatabase::Engine::Odbc ? DbErrorNumber::OdbcCallFailed
                                              : DbErrorNumber::StatementFailed;
}

} // namespace

DbDatabase::DbDatabase(Engine engine, const QString &connectionName)
    : m_engine(engine)
    , m_connectionName(connectionName)
{
}

DbDatabase::~DbDatabase()
{
    if (m_openSnapshots)
        m_openSnapshots->closeAll();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool DbDatabase::engineAvailable(Engine engine)
{
    return QSqlDatabase::isDriverAvailable(
        engine == Engine::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QODBC"));
}

std::unique_ptr<DbDatabase> DbDatabase::openFile(const QString &path, DbError &error)
{
    return openSqlite(path, false, error);
}

std::unique_ptr<DbDatabase> DbDatabase::createFile(const QString &path, DbError &error)
{
    return openSqlite(path, true, error);
}

std::unique_ptr<DbDatabase> DbDatabase::openSqlite(const QString &path, bool create, DbError &error)
{
    error.clear();
    const QFileInfo info(path);
    if (!create && (path.isEmpty() || !info.exists())) {
        error.number = DbErrorNumber::FileNotFound;
        error.driverText
            = QCoreApplication::translate("DbDatabase", "Could not find file '%1'.").arg(path);
        return nullptr;
    }
    if (!create && !info.isFile()) {
        error.number = DbErrorNumber::CannotOpenFile;
        error.driverText
            = QCoreApplication::translate("DbDatabase", "'%1' is not a file.").arg(path);
        return nullptr;
    }
    if (!engineAvailable(Engine::SQLite)) {
        error.number = DbErrorNumber::DriverMissing;
        error.driverText = QCoreApplication::translate(
            "DbDatabase", "The Qt SQLite driver (QSQLITE) is not installed.");
        return nullptr;
    }

    std::unique_ptr<DbDatabase> database(new DbDatabase(Engine::SQLite, newConnectionName()));
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), database->m_connectionName);
        // A URI with mode=rw makes the open fail on a missing file instead of creating one.
        QUrl uri = QUrl::fromLocalFile(info.absoluteFilePath());
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded)
            + (create ? QStringLiteral("?mode=rwc") : QStringLiteral("?mode=rw")));
        // The driver waits only briefly for another copy's lock; DbBusyWait waits out the
        // rest of the five seconds (see there why).
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=")
            + QString::number(DbBusyWait::DriverWaitMs));
        if (!db.open()) {
            error = DbDriverError(db.lastError(), QString(), DbErrorNumber::CannotOpenFile);
            return nullptr;
        }
        // Qt's SQLite driver on Debian uses the system libsqlite3, the one linked here.
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
            database->m_sqlite = *static_cast<sqlite3 *const *>(handle.constData());
            sqlite3_busy_handler(database->m_sqlite, &DbBusyWait::driverBusyHandler, nullptr);
            database->m_openSnapshots = std::make_shared<DbOpenSnapshots>();
        }
    }
    // SQLite takes an empty file for an empty database. An existing file without tables is
    // a copy broken off before its first byte (or some other file): it is refused here, where
    // the user is told which file failed, not on every screen afterwards.
    if (!database->setUpSession(error, create ? QString() : info.absoluteFilePath()))
        return nullptr;
    return database;
}

std::unique_ptr<DbDatabase> DbDatabase::openOdbc(const QString &connectText, DbError &error)
{
    error.clear();
    if (!engineAvailable(Engine::Odbc)) {
        error.number = DbErrorNumber::DriverMissing;
        error.driverText = QCoreApplication::translate(
            "DbDatabase", "The Qt ODBC driver (QODBC) is not installed.");
        return nullptr;
    }
    std::unique_ptr<DbDatabase> database(new DbDatabase(Engine::Odbc, newConnectionName()));
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), database->m_connectionName);
        // QODBC puts "DSN=" in front of a text that holds neither DRIVER= nor SERVER=.
        QString text = connectText;
        if (text.startsWith(QLatin1String("DSN="), Qt::CaseInsensitive))
            text = text.mid(4);
        db.setDatabaseName(text);
        db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=10"));
        if (!db.open()) {
            error = DbDriverError(db.lastError(), QString(), DbErrorNumber::OdbcConnectFailed);
            return nullptr;
        }
    }
    if (!database->setUpSession(error))
        return nullptr;
    return database;
}

bool DbDatabase::setUpSession(DbError &error, const QString &fileWithTables)
{
    int ignored = 0;
    if (m_engine == Engine::SQLite) {
        // Must run outside any transaction, on every connection, or cascades silently do not
        // happen. The count also proves the file is a readable database.
        if (!execute(QStringLiteral("PRAGMA foreign_keys = ON"), &ignored, error))
            return false;
        auto probe = openSnapshot(QStringLiteral("SELECT count(*) FROM sqlite_master"), error);
        if (!probe)
            return false;
        if (!fileWithTables.isEmpty() && (probe->eof() || probe->field(0).toInt() == 0)) {
            error.number = DbErrorNumber::NotADatabase;
            error.driverText = QCoreApplication::translate(
                "DbDatabase", "'%1' holds no tables: it is empty or not a Lectorum database.")
                                   .arg(fileWithTables);
            return false;
        }
        m_sqliteContains = m_sqlite && DbTextContains::addSqliteFunction(m_sqlite);
        m_sqliteDayNumber = m_sqlite && SqliteDayNumber::addSqliteFunction(m_sqlite);
        m_sqliteCaseFold = m_sqlite && SqliteCaseFold::addSqliteFunction(m_sqlite);
        return true;
    }
    // Which server is this? Only PostgreSQL needs its session pinned.
    DbError probeError;
    if (auto version = openSnapshot(QStringLiteral("SELECT version()"), probeError)) {
        m_postgres
            = !version->eof() && version->field(0).toString().contains(QLatin1String("PostgreSQL"));
    }
    if (m_postgres) {
        // Dates travel as ISO text; a non-ISO output style makes psqlODBC misread them.
        if (!execute(QStringLiteral("SET DateStyle TO 'ISO, MDY'"), &ignored, error))
            return false;
        // A backslash in a literal is an ordinary character, as in every other engine.
        if (!execute(QStringLiteral("SET standard_conforming_strings TO on"), &ignored, error))
            return false;
        // The server's JIT compiler judges a statement by its estimated cost and spent 0.1 to
        // 0.7 s compiling each of the reports' grouped statements, more than it saved on them;
        // every statement the program sends is one a user waits for. A server without the
        // setting (before version 11) is left as it is.
        openSnapshot(QStringLiteral("SELECT set_config('jit', 'off', false) WHERE "
                                    "current_setting('jit', true) IS NOT NULL"),
            probeError);
        // The search patterns name characters by their Unicode numbers.
        if (auto encoding = openSnapshot(QStringLiteral("SHOW server_encoding"), probeError))
            m_unicodeServer
                = !encoding->eof() && encoding->field(0).toString() == QLatin1String("UTF8");
    }
    return true;
}

bool DbDatabase::execute(const QString &sql, int *rowsAffected, DbError &error)
{
    // Inside a transaction a busy answer may have undone part of it: no second try there.
    return run(sql, rowsAffected, error, !m_inTransaction);
}

bool DbDatabase::run(
    const QString &text, int *rowsAffected, DbError &error, bool mayWait, bool takesWriteLock)
{
    const QString sql = wellFormed(text);
    StatementLog::note(sql);
    if (m_sqlite) {
        SqliteStatement statement(m_sqlite, sql);
        if (!statement.run(mayWait, takesWriteLock)) {
            error = statement.error(statementFallback(m_engine));
            if (rowsAffected)
                *rowsAffected = 0;
            return false;
        }
        if (rowsAffected)
            *rowsAffected = statement.changes();
        return true;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!DbBusyWait::exec(query, &sql, mayWait)) {
        error = DbDriverError(query.lastError(), sql, statementFallback(m_engine));
        if (rowsAffected)
            *rowsAffected = 0;
        return false;
    }
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return true;
}

std::unique_ptr<DbSnapshot> DbDatabase::openSnapshot(const QString &text, DbError &error)
{
    const QString sql = wellFormed(text);
    StatementLog::note(sql);
    if (m_sqlite)
        return openSqliteSnapshot(sql, error);
    auto query = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connectionName, false));
    query->setForwardOnly(true);
    if (!DbBusyWait::exec(*query, &sql, true)) {
        error = DbDriverError(query->lastError(), sql, statementFallback(m_engine));
        return nullptr;
    }
    if (!query->isSelect()) {
        error.number = statementFallback(m_engine);
        error.driverText
            = QCoreApplication::translate("DbDatabase", "The statement returned no rows to read.");
        error.sql = sql;
        return nullptr;
    }
    std::unique_ptr<DbSnapshot> snapshot(new DbSnapshot(std::move(query), sql));
    if (snapshot->lastError().isSet()) {
        error = snapshot->lastError();
        return nullptr;
    }
    return snapshot;
}

std::unique_ptr<DbSnapshot> DbDatabase::openSqliteSnapshot(const QString &sql, DbError &error)
{
    SqliteStatement statement(m_sqlite, sql);
    if (!statement.run(true)) {
        error = statement.error(statementFallback(m_engine));
        return nullptr;
    }
    if (!statement.returnsColumns()) {
        error.number = statementFallback(m_engine);
        error.driverText
            = QCoreApplication::translate("DbDatabase", "The statement returned no rows to read.");
        error.sql = sql;
        return nullptr;
    }
    const bool empty = !statement.hasRow();
    sqlite3_stmt *stepped = statement.release();
    // An empty set lets go of the file at once (see DbSnapshot::fetch).
    if (empty)
        sqlite3_reset(stepped);
    return std::unique_ptr<DbSnapshot>(new DbSnapshot(stepped, empty, m_openSnapshots, sql));
}

std::unique_ptr<DbPairLookup> DbDatabase::preparePairLookup(
    const QString &table, const QString &firstColumn, const QString &secondColumn, DbError &error)
{
    const QString sql = QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND %3 = ?")
                            .arg(table, firstColumn, secondColumn);
    StatementLog::note(sql);
    auto query = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connectionName, false));
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        error = DbDriverError(query->lastError(), sql, statementFallback(m_engine));
        return nullptr;
    }
    return std::unique_ptr<DbPairLookup>(new DbPairLookup(std::move(query), sql));
}

bool DbDatabase::begin(DbError &error)
{
    int ignored = 0;
    if (m_engine == Engine::SQLite) {
        m_inTransaction = execute(QStringLiteral("BEGIN"), &ignored, error);
        return m_inTransaction;
    }
    StatementLog::note(QStringLiteral("BEGIN"));
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction()) {
        error
            = DbDriverError(db.lastError(), QStringLiteral("BEGIN"), DbErrorNumber::OdbcCallFailed);
        return false;
    }
    m_inTransaction = true;
    return true;
}

bool DbDatabase::beginExclusive(const QString &table, DbError &error)
{
    int ignored = 0;
    if (m_engine == Engine::SQLite) {
        m_inTransaction = run(QStringLiteral("BEGIN IMMEDIATE"), &ignored, error, true, true);
        return m_inTransaction;
    }
    if (!begin(error))
        return false;
    if (m_postgres) {
        const QString lock = QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE").arg(table);
        if (!execute(lock, &ignored, error)) {
            rollback();
            return false;
        }
    }
    return true;
}

bool DbDatabase::beginWrite(DbError &error)
{
    if (m_engine == Engine::SQLite) {
        int ignored = 0;
        m_inTransaction = run(QStringLiteral("BEGIN IMMEDIATE"), &ignored, error, true, true);
        return m_inTransaction;
    }
    return begin(error);
}

bool DbDatabase::commit(DbError &error)
{
    int ignored = 0;
    if (m_engine == Engine::SQLite) {
        // A COMMIT that meets readers stays pending and may simply be tried again.
        if (run(QStringLiteral("COMMIT"), &ignored, error, true)) {
            m_inTransaction = false;
            return true;
        }
        rollback(); // a failed COMMIT leaves the transaction open
        return false;
    }
    StatementLog::note(QStringLiteral("COMMIT"));
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    m_inTransaction = false;
    if (!db.commit()) {
        error = DbDriverError(
            db.lastError(), QStringLiteral("COMMIT"), DbErrorNumber::OdbcCallFailed);
        db.rollback();
        return false;
    }
    return true;
}

bool DbDatabase::rollback()
{
    m_inTransaction = false;
    if (m_engine == Engine::SQLite) {
        DbError ignored;
        int rows = 0;
        return run(QStringLiteral("ROLLBACK"), &rows, ignored, false);
    }
    StatementLog::note(QStringLiteral("ROLLBACK"));
    return QSqlDatabase::database(m_connectionName, false).rollback();
}

QString DbDatabase::dayNumberSql(const QString &column) const
{
    if (m_engine != Engine::SQLite)
        return DbDayNumber::serverSql(column);
    return m_sqliteDayNumber ? SqliteDayNumber::sql(column) : DbDayNumber::sqliteSql(column);
}

QString DbDatabase::yearNumberSql(const QString &column) const
{
    return m_engine == Engine::SQLite ? dayNumberSql(column) : DbDayNumber::serverYearSql(column);
}

QString DbDatabase::dayValueSql(const QString &column) const
{
    return m_engine == Engine::SQLite ? dayNumberSql(column) : DbDayNumber::serverDateSql(column);
}

QString DbDatabase::dayValueLiteral(const QDate &day) const
{
    return m_engine == Engine::SQLite ? QString::number(DbDayNumber::of(day))
                                      : QStringLiteral("DATE '%1'").arg(day.toString(Qt::ISODate));
}

QString DbDatabase::dayValuePlusYearsSql(const QString &dayValue, int years) const
{
    // yyyymmdd + years * 10000 keeps month and day; a 29 February whose year has none
    // compares after the 28th and before 1 March, as the 28th would.
    if (m_engine == Engine::SQLite)
        return QStringLiteral("(%1 + %2)").arg(dayValue).arg(qint64(years) * 10000);
    return QStringLiteral("(%1 + INTERVAL '%2 years')").arg(dayValue).arg(years);
}

QString DbDatabase::dayNumberOfValueSql(const QString &dayValue) const
{
    // The server's day number of a date is that of its midnight.
    return m_engine == Engine::SQLite ? dayValue : DbDayNumber::serverSql(dayValue);
}

QString DbDatabase::onDaySql(const QString &column, const QString &dayValue) const
{
    // On SQLite the bound on the column itself (every stored date is a non-empty text) lets an
    // index that holds the column after the others tested (SermonReport: book, date) answer
    // the test from its entries, reading only the matching rows.
    if (m_engine == Engine::SQLite)
        return column + QStringLiteral(" > '' AND ") + dayNumberSql(column) + QStringLiteral(" = ")
            + dayValue;
    return QStringLiteral("%1 >= %2 AND %1 < %2 + 1").arg(column, dayValue);
}

QString DbDatabase::bytewiseSql(const QString &text) const
{
    return m_engine == Engine::SQLite ? text
                                      : QLatin1Char('(') + text + QStringLiteral(") COLLATE \"C\"");
}

QString DbDatabase::caselessSql(const QString &text) const
{
    if (m_engine == Engine::SQLite && m_sqliteCaseFold)
        return QLatin1String(SqliteCaseFold::SqliteFunction) + QLatin1Char('(') + text
            + QLatin1Char(')');
    return QStringLiteral("LOWER(") + text + QLatin1Char(')');
}

QString DbDatabase::textContainsSql(const QString &column, const QString &text) const
{
    // The program's test sees a lone surrogate or a NUL as it is; a statement would not.
    for (const QChar c : text) {
        if (c.isNull() || c.isSurrogate())
            return {};
    }
    if (text.isEmpty())
        return column + QStringLiteral(" <> ''");
    if (m_engine == Engine::SQLite && m_sqliteContains) {
        return QLatin1String(DbTextContains::SqliteFunction) + QLatin1Char('(') + column
            + QStringLiteral(", ") + SQLQuoted(text) + QLatin1Char(')');
    }
    if (m_postgres && m_unicodeServer) {
        const QString pattern = DbTextContains::postgresPattern(text);
        if (!pattern.isEmpty())
            return column + QStringLiteral(" ~ '") + pattern + QLatin1Char('\'');
    }
    return {};
}
