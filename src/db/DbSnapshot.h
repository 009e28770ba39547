#pragma once

#include "DbError.h"

#include <QStringList>
#include <QVariant>
#include <memory>

class DbOpenSnapshots;
class QSqlQuery;
struct sqlite3_stmt;

// A read-only result set walked forward once: positioned on its first row when opened, or at
// its end when empty. Field names are matched without regard to letter case, since servers
// fold unquoted names (PostgreSQL answers "strstatecode" for strStateCode).
//
// On an SQLite file the rows are read through SQLite's own statement, not Qt's driver: the
// driver turns every value of every row into a QVariant as it fetches, and that was most of
// the time a long list took beyond SQLite's own work. Here a value is converted when it is
// asked for, to what the driver gives: a whole number as qlonglong, a fraction as double,
// text as QString (through SQLite's UTF-16, so that broken UTF-8 reads the same), Null as a
// null QString. Servers are read through Qt's ODBC driver.
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
    // Takes over `statement`, already stepped onto its first row (`atEnd` when there was
    // none), and registers with `open` until closed.
    DbSnapshot(sqlite3_stmt *statement, bool atEnd, std::shared_ptr<DbOpenSnapshots> open,
        const QString &sql);
    void fetch();
    bool isOpen() const { return m_query || m_statement; }
    QVariant currentValue(int index) const;

    std::unique_ptr<QSqlQuery> m_query;
    sqlite3_stmt *m_statement = nullptr;
    std::shared_ptr<DbOpenSnapshots> m_openSnapshots;
    QStringList m_names;
    QVariantList m_lastRow; // filled by moveLast(): a forward-only query forgets its last row
    bool m_atEnd = true;
    bool m_onLastRowCopy = false;
    QString m_sql;
    mutable DbError m_error;
};
