#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct sqlite3;

// A private connection to one SQLite file through the C library, for the work on whole files
// that the shared connection cannot do: backups, restores and checks, which run on worker
// threads and must never borrow the program's connection. Every statement it runs is noted
// in the StatementLog, like every other statement of the program.
class SqliteFile
{
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    SqliteFile() = default;
    ~SqliteFile();
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    // Opens `path` (never creating it unless `mode` is Create); waits up to five seconds for
    // another copy's lock. False with lastError() saying why.
    bool open(const QString &path, Mode mode);
    void close();
    bool isOpen() const { return m_handle != nullptr; }

    // Runs `sql` and returns its rows (each a list of column values); false on failure.
    bool query(const QString &sql, QVector<QVariantList> &rows);
    // The first column of the first row, or an invalid QVariant (failure or no row).
    QVariant scalar(const QString &sql);
    bool execute(const QString &sql);

    // "ok" from PRAGMA integrity_check, or the problems it names (at most `maxLines`).
    QStringList integrityProblems(int maxLines = 20);
    // The names of the file's tables in name order (sqlite_ tables left out).
    QStringList tableNames();

    // SQLite's result code and words for the last failure.
    int lastCode() const { return m_lastCode; }
    QString lastError() const { return m_lastError; }

    sqlite3 *handle() const { return m_handle; }
    // Records the connection's current error (for callers using handle() directly).
    void takeError(int code);

private:
    sqlite3 *m_handle = nullptr;
    int m_lastCode = 0;
    QString m_lastError;
};
