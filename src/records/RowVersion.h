#pragma once

#include "DbError.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

class DbDatabase;
class DbSnapshot;

// What a save found when it looked at the stored row first.
enum class RowChange {
    None, // the row holds what was loaded: the save went ahead
    Changed, // another copy of the program changed the row since it was loaded
    Deleted, // another copy deleted it
};

// The version of one stored row that a screen loaded, kept so that a later save can tell
// whether another copy of the program changed or deleted the row in between.
//
// The values are kept exactly as the engine delivered them, and the check reads the same
// columns of the same row again through the same engine: two reads of an unchanged row give
// the same types and the same values (Null as Null, a date as the same date), so nothing is
// compared with text a screen formatted, parsed or trimmed.
class RowVersion
{
public:
    RowVersion() = default;
    RowVersion(const QString &table, const QString &keyColumn);

    // Whether this record's rows are checked at all (a table was named).
    bool checksRows() const { return !m_table.isEmpty(); }

    // Keeps the current row of `rs` (every column it has, the key column among them) as the
    // version loaded. A set without the key column keeps nothing.
    void keep(const DbSnapshot &rs);
    void forget();
    // A version of the row with this key is kept.
    bool holds(qint32 key) const { return m_kept && m_key == key; }

    // Within the caller's write transaction: reads the kept columns of the row again (on
    // PostgreSQL locking the row until the transaction ends) and compares them with the
    // version kept. The row found is remembered for acceptFound(). False with `error` after
    // an engine failure.
    bool compareStored(DbDatabase &db, RowChange &change, DbError &error);
    // The row found by the last comparison becomes the version expected: the user chose to
    // save over the other copy's version.
    void acceptFound();

    // Within the caller's write transaction, right after this copy's own INSERT or UPDATE of
    // the row with `key`: keeps the row as now stored (every column when none were kept).
    bool reread(DbDatabase &db, qint32 key, DbError &error);

    // Two values read the same way are the same stored value.
    static bool sameValue(const QVariant &loaded, const QVariant &stored);

private:
    QString selectSql(const DbDatabase &db, qint32 key) const;
    // Reads the row; `found` false when it is gone.
    bool readRow(DbDatabase &db, qint32 key, QStringList &columns, QVariantList &values,
        bool &found, DbError &error) const;

    QString m_table;
    QString m_keyColumn;
    bool m_kept = false;
    qint32 m_key = 0;
    QStringList m_columns; // as the engine named them
    QVariantList m_values;
    QVariantList m_found; // the row met by the last comparison that differed
};
