#include "RowVersion.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <cmath>

RowVersion::RowVersion(const QString &table, const QString &keyColumn)
    : m_table(table)
    , m_keyColumn(keyColumn)
{
}

void RowVersion::keep(const DbSnapshot &rs)
{
    if (!checksRows() || rs.eof())
        return;
    const int keyAt = rs.fieldIndex(m_keyColumn);
    if (keyAt < 0)
        return;
    m_columns.clear();
    m_values.clear();
    for (int i = 0; i < rs.fieldCount(); ++i) {
        m_columns.append(rs.fieldName(i));
        m_values.append(rs.field(i));
    }
    m_key = NullToLong(m_values.at(keyAt));
    m_found.clear();
    m_kept = true;
}

void RowVersion::forget()
{
    m_kept = false;
    m_key = 0;
    m_columns.clear();
    m_values.clear();
    m_found.clear();
}

QString RowVersion::selectSql(const DbDatabase &db, qint32 key) const
{
    const QString columns = m_kept ? m_columns.join(QStringLiteral(", ")) : QStringLiteral("*");
    QString sql = QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + m_table
        + QStringLiteral(" WHERE ") + m_keyColumn + QLatin1Char('=') + SQLLong(key);
    // SQLite's write transaction already holds the whole file; a server locks the one row, so
    // that no other copy changes it between this look and the UPDATE.
    if (db.isPostgres())
        sql += QStringLiteral(" FOR UPDATE");
    return sql;
}

bool RowVersion::readRow(DbDatabase &db, qint32 key, QStringList &columns, QVariantList &values,
    bool &found, DbError &error) const
{
    const std::unique_ptr<DbSnapshot> rs = db.openSnapshot(selectSql(db, key), error);
    if (!rs)
        return false;
    found = !rs->eof();
    columns.clear();
    values.clear();
    if (found) {
        for (int i = 0; i < rs->fieldCount(); ++i) {
            columns.append(rs->fieldName(i));
            values.append(rs->field(i));
        }
    }
    if (rs->lastError().isSet()) {
        error = rs->lastError();
        return false;
    }
    rs->close();
    return true;
}

bool RowVersion::compareStored(DbDatabase &db, RowChange &change, DbError &error)
{
    change = RowChange::None;
    QStringList columns;
    QVariantList values;
    bool found = false;
    if (!readRow(db, m_key, columns, values, found, error))
        return false;
    if (!found) {
        change = RowChange::Deleted;
        return true;
    }
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        if (!sameValue(m_values.at(i), values.value(i))) {
            change = RowChange::Changed;
            m_found = values;
            return true;
        }
    }
    return true;
}

void RowVersion::acceptFound()
{
    if (m_kept && m_found.size() == m_values.size())
        m_values = m_found;
    m_found.clear();
}

bool RowVersion::reread(DbDatabase &db, qint32 key, DbError &error)
{
    if (!checksRows())
        return true;
    if (!m_kept || m_key != key)
        forget(); // every column of the new row
    QStringList columns;
    QVariantList values;
    bool found = false;
    if (!readRow(db, key, columns, values, found, error))
        return false;
    if (!found) {
        forget();
        return true;
    }
    m_columns = columns;
    m_values = values;
    m_key = key;
    m_found.clear();
    m_kept = true;
    return true;
}

bool RowVersion::sameValue(const QVariant &loaded, const QVariant &stored)
{
    if (loaded.isNull() || stored.isNull())
        return loaded.isNull() && stored.isNull();
    if (loaded.metaType() != stored.metaType())
        return false;
    if (loaded.typeId() == QMetaType::Double) {
        const double a = loaded.toDouble();
        const double b = stored.toDouble();
        // Bit for bit the same number; a NaN read twice is the same NaN.
        return a == b || (std::isnan(a) && std::isnan(b));
    }
    return loaded == stored;
}
