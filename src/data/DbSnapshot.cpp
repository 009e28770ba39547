#include "DbSnapshot.h"

#include "DbDriverError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

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

void DbSnapshot::fetch()
{
    m_atEnd = !m_query->next();
    // A failed fetch must not pass for the end of the set.
    if (m_atEnd && m_query->lastError().isValid())
        m_error = DbDriverError(m_query->lastError(), m_sql, DbErrorNumber::StatementFailed);
}

DbSnapshot::~DbSnapshot() { close(); }

bool DbSnapshot::moveNext()
{
    if (m_atEnd || !m_query)
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
    if (m_atEnd || !m_query)
        return false;
    QVariantList row;
    do {
        row.clear();
        for (int i = 0; i < m_names.size(); ++i)
            row.append(m_query->value(i));
    } while (m_query->next());
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
        m_error.driverText = QStringLiteral("Item not found in this collection: ") + name;
        m_error.sql = m_sql;
        return QVariant();
    }
    return field(index);
}

QVariant DbSnapshot::field(int index) const
{
    if (m_atEnd || !m_query || index < 0 || index >= m_names.size())
        return QVariant();
    if (m_onLastRowCopy)
        return m_lastRow.value(index);
    return m_query->value(index);
}

bool DbSnapshot::isNull(QStringView name) const { return field(name).isNull(); }

void DbSnapshot::close()
{
    if (m_query) {
        m_query->finish();
        m_query.reset();
    }
    m_atEnd = true;
    m_onLastRowCopy = false;
    m_lastRow.clear();
}
