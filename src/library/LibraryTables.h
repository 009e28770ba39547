#pragma once

#include "DbError.h"

#include <QList>
#include <QStringList>

class DbDatabase;

// The twenty tables of a library as the delivered schema defines them: their columns in
// order, with the kind of value each holds (read from the name's prefix), and the columns
// that order their rows. Moving a library between databases, comparing two libraries and
// checking that a database has every table and column all start here.
struct LibraryColumn
{
    enum class Kind { Integer, Text, Date };
    QString name;
    Kind kind = Kind::Integer;
};

struct LibraryTable
{
    QString name;
    QList<LibraryColumn> columns;
    // The primary key; all columns for a table without one (a link table keyed by an index).
    QStringList keyColumns;

    // A table added after the first libraries were delivered (the import's batch tables, the
    // recordings and the publishing choices): a library made before it lacks it and is still
    // a whole library.
    bool optional = false;

    QString columnList() const;
    // Integer keys sort the same on every engine; a text key (tblTableIds) does not, since a
    // server sorts text by its collation: such a table is put in key order by the program.
    bool keyIsText() const;
};

namespace LibraryTables {

// Parents before children, as the schema creates them (the order inserts must follow).
const QList<LibraryTable> &all();

// Names the first table or column of the schema that `database` lacks ("the table tblSermons
// has no column strOutline"); empty when every one is there. A table that cannot be read at
// all is reported as missing, with the driver's words in `error`.
QString missingPart(DbDatabase &database, DbError &error);

// The tables `database` has: every table, less the optional ones it lacks (see
// LibraryTable::optional). Empty with `error` after an engine failure.
QList<LibraryTable> presentIn(DbDatabase &database, DbError &error);
// The database has `table` (a failed probe is taken for a missing table).
bool has(DbDatabase &database, const QString &table);

} // namespace LibraryTables
