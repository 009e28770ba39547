#pragma once

#include "DbError.h"

#include <QStringList>
#include <QVariant>
#include <memory>

class QSqlQuery;

// A read-only result set walked forward once: positioned on its first row when opened, or at
// its end when empty. Field names are matched without regard to letter case, since servers
// fold unquoted names (PostgreSQL answers "strstatecode" for strStateCode).
class DbSnapshot
{
public:
    ~DbSnapshot();
    DbSnapshot(const DbSnapshot &) = delete;
    DbSnapshot &operator=(const DbSnapshot &) = delete;

    bool eof() const { return m_atEnd; }
    // Advances one row; false at the end or when the driver failed (see lastError()).
    bool moveNext();
    // Moves to the last row; the snapshot then reports that row until it is closed.
    bool moveLast();

    int fieldCount() const { return int(m_names.size()); }
    QString fieldName(int index) const { return m_names.value(index); }
    int fieldIndex(QStringView name) const;
    // The value of a column of the current row: a null QVariant for Null, and for a name the
    // set does not have (lastError() then holds FieldNotFound).
    QVariant field(QStringView name) const;
    QVariant field(int index) const;
    bool isNull(QStringView name) const;

    const DbError &lastError() const { return m_error; }
    void close();

private:
    friend class DbDatabase;
    explicit DbSnapshot(std::unique_ptr<QSqlQuery> query, const QString &sql);
    void fetch();

    std::unique_ptr<QSqlQuery> m_query;
    QStringList m_names;
    QVariantList m_lastRow; // filled by moveLast(): a forward-only query forgets its last row
    bool m_atEnd = true;
    bool m_onLastRowCopy = false;
    QString m_sql;
    mutable DbError m_error;
};
