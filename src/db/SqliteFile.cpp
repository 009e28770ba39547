#include "SqliteFile.h"

#include "StatementLog.h"

#include <QCoreApplication>
#include <QFile>
#include <sqlite3.h>

SqliteFile::~SqliteFile()
{
    close();
}

bool SqliteFile::open(const QString &path, Mode mode)
{
    close();
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::Create:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    const QByteArray name = QFile::encodeName(path);
    const int code = sqlite3_open_v2(name.constData(), &m_handle, flags, nullptr);
    if (code != SQLITE_OK) {
        takeError(code);
        m_lastError = QStringLiteral("%1: %2").arg(path, m_lastError);
        close();
        m_lastCode = code;
        return false;
    }
    sqlite3_extended_result_codes(m_handle, 1);
    // Another copy of the program may be committing: wait as the engine layer does.
    sqlite3_busy_timeout(m_handle, 5000);
    return true;
}

void SqliteFile::close()
{
    if (m_handle) {
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
    }
}

void SqliteFile::takeError(int code)
{
    m_lastCode = code;
    m_lastError = m_handle ? QString::fromUtf8(sqlite3_errmsg(m_handle))
                           : QString::fromUtf8(sqlite3_errstr(code));
}

bool SqliteFile::query(const QString &sql, QVector<QVariantList> &rows)
{
    rows.clear();
    if (!m_handle) {
        m_lastCode = SQLITE_MISUSE;
        m_lastError = QCoreApplication::translate("SqliteFile", "No file is open.");
        return false;
    }
    StatementLog::note(sql);
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    int code
        = sqlite3_prepare_v2(m_handle, text.constData(), int(text.size()), &statement, nullptr);
    if (code != SQLITE_OK) {
        takeError(code);
        sqlite3_finalize(statement);
        return false;
    }
    while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
        QVariantList row;
        const int columns = sqlite3_column_count(statement);
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_NULL:
                row.append(QVariant());
                break;
            case SQLITE_INTEGER:
                row.append(qlonglong(sqlite3_column_int64(statement, c)));
                break;
            case SQLITE_FLOAT:
                row.append(sqlite3_column_double(statement, c));
                break;
            case SQLITE_BLOB:
                row.append(QByteArray(static_cast<const char *>(sqlite3_column_blob(statement, c)),
                    sqlite3_column_bytes(statement, c)));
                break;
            default:
                row.append(QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(statement, c)),
                    sqlite3_column_bytes(statement, c)));
            }
        }
        rows.append(row);
    }
    if (code != SQLITE_DONE) {
        takeError(code);
        sqlite3_finalize(statement);
        return false;
    }
    sqlite3_finalize(statement);
    m_lastCode = 0;
    m_lastError.clear();
    return true;
}

QVariant SqliteFile::scalar(const QString &sql)
{
    QVector<QVariantList> rows;
    if (!query(sql, rows) || rows.isEmpty() || rows.first().isEmpty())
        return QVariant();
    return rows.first().first();
}

bool SqliteFile::execute(const QString &sql)
{
    QVector<QVariantList> rows;
    return query(sql, rows);
}

QStringList SqliteFile::integrityProblems(int maxLines)
{
    QVector<QVariantList> rows;
    if (!query(QStringLiteral("PRAGMA integrity_check(%1)").arg(maxLines), rows))
        return { lastError() };
    QStringList lines;
    for (const QVariantList &row : rows)
        lines.append(row.value(0).toString());
    return lines;
}

QStringList SqliteFile::tableNames()
{
    QVector<QVariantList> rows;
    QStringList names;
    if (query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                             "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name"),
            rows)) {
        for (const QVariantList &row : rows)
            names.append(row.value(0).toString());
    }
    return names;
}
