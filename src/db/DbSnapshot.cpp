#include "DbSnapshot.h"

#include "DbDriverError.h"
#include "DbOpenSnapshots.h"
#include "StrictUtf8.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>

DbSnapshot::DbSnapshot(std::unique_ptr<QSqlQuery> query, const QString &sql)
    : m_query(std::move(query))
    , m_sql(sql)
{
    const QSqlRecord record = m_query->record();
    m_names.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        m_names.append(record.fieldName(i));
    fetch();
}

DbSnapshot::DbSnapshot(
    sqlite3_stmt *statement, bool atEnd, std::shared_ptr<DbOpenSnapshots> open, const QString &sql)
    : m_statement(statement)
    , m_openSnapshots(std::move(open))
    , m_atEnd(atEnd)
    , m_sql(sql)
{
    m_openSnapshots->add(this);
    const int columns = sqlite3_column_count(m_statement);
    m_names.reserve(columns);
    for (int i = 0; i < columns; ++i)
        m_names.append(QString::fromUtf8(sqlite3_column_name(m_statement, i)));
}

void DbSnapshot::fetch()
{
    if (m_statement) {
        const int result = sqlite3_step(m_statement);
        m_atEnd = result != SQLITE_ROW;
        // Past the last row the statement lets go of the file at once, as the driver's does:
        // a snapshot kept open must not hold other copies' commits off.
        if (m_atEnd)
            sqlite3_reset(m_statement);
        // A failed fetch must not pass for the end of the set.
        if (result != SQLITE_ROW && result != SQLITE_DONE) {
            m_error = DbDriverError(result,
                QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)))
                    + QStringLiteral(" Unable to fetch row"),
                m_sql, DbErrorNumber::StatementFailed);
        }
        return;
    }
    m_atEnd = !m_query->next();
    // A failed fetch must not pass for the end of the set.
    if (m_atEnd && m_query->lastError().isValid())
        m_error = DbDriverError(m_query->lastError(), m_sql, DbErrorNumber::StatementFailed);
}

DbSnapshot::~DbSnapshot()
{
    close();
}

bool DbSnapshot::moveNext()
{
    if (m_atEnd || !isOpen())
        return false;
    if (m_onLastRowCopy) {
        m_onLastRowCopy = false;
        m_atEnd = true;
        return false;
    }
    fetch();
    return !m_atEnd;
}

bool DbSnapshot::moveLast()
{
    if (m_atEnd || !isOpen())
        return false;
    QVariantList row;
    do {
        row.clear();
        for (int i = 0; i < m_names.size(); ++i)
            row.append(currentValue(i));
        fetch();
    } while (!m_atEnd);
    m_atEnd = false;
    m_lastRow = row;
    m_onLastRowCopy = true;
    return true;
}

int DbSnapshot::fieldIndex(QStringView name) const
{
    for (int i = 0; i < m_names.size(); ++i) {
        if (name.compare(m_names.at(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant DbSnapshot::field(QStringView name) const
{
    const int index = fieldIndex(name);
    if (index < 0) {
        m_error.number = DbErrorNumber::FieldNotFound;
        m_error.driverText
            = QCoreApplication::translate("DbSnapshot", "Item not found in this collection: %1")
                  .arg(name);
        m_error.sql = m_sql;
        return QVariant();
    }
    return field(index);
}

QVariant DbSnapshot::field(int index) const
{
    if (m_atEnd || !isOpen() || index < 0 || index >= m_names.size())
        return QVariant();
    if (m_onLastRowCopy)
        return m_lastRow.value(index);
    return currentValue(index);
}

QVariant DbSnapshot::currentValue(int index) const
{
    if (!m_statement)
        return m_query->value(index);
    switch (sqlite3_column_type(m_statement, index)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_statement, index));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, index);
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, index)),
            sqlite3_column_bytes(m_statement, index));
    default: {
        // Text reads as SQLite's own conversion to UTF-16 reads it, as the driver did: a text
        // another program stored with broken UTF-8 must read as the search function sees it.
        // Strict UTF-8 reads the same straight from the stored bytes, without SQLite's
        // byte-by-byte conversion into a buffer of its own that is then copied again.
        QString text;
        if (StrictUtf8::toUtf16(sqlite3_column_text(m_statement, index),
                sqlite3_column_bytes(m_statement, index), text))
            return text;
        return QString(static_cast<const QChar *>(sqlite3_column_text16(m_statement, index)),
            sqlite3_column_bytes16(m_statement, index) / qsizetype(sizeof(QChar)));
    }
    }
}

bool DbSnapshot::isNull(QStringView name) const
{
    return field(name).isNull();
}

void DbSnapshot::close()
{
    if (m_query) {
        m_query->finish();
        m_query.reset();
    }
    if (m_statement) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        m_openSnapshots->remove(this);
        m_openSnapshots.reset();
    }
    m_atEnd = true;
    m_onLastRowCopy = false;
    m_lastRow.clear();
}
