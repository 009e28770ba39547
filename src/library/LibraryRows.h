#pragma once

#include "LibraryTables.h"

#include <QVariantList>
#include <functional>

// Reading a table's rows in key order with every value in one form whatever the engine, and
// writing them back as SQL literals. Engines hand the same value back in different dresses
// (SQLite: integers as qlonglong, dates as the text they were stored as; ODBC: int and a
// native date), so each value is put in its canonical form first:
//   Null                 a null QVariant
//   integer column       qlonglong
//   text column          QString, exactly as stored (blanks, line breaks, an empty text)
//   date column          QString "yyyy-MM-dd hh:mm:ss" (dates are kept to the second)
namespace LibraryRows {

// Called once per row; returning false stops the reading.
using RowSink = std::function<bool(const QVariantList &row)>;

// Reads every row of `table` in key order into `sink`. False when the engine failed or a
// value cannot be read as its column's kind (`error` says which row and column), and when
// the sink stopped the reading (`error` then holds no number).
bool read(DbDatabase &database, const LibraryTable &table, const RowSink &sink, DbError &error);

// The literal that stores a canonical value: NULL, digits, a quoted text kept exactly, or a
// quoted ISO date ('yyyy-MM-dd' at midnight, the form the program itself writes).
QString literal(LibraryColumn::Kind kind, const QVariant &value);

} // namespace LibraryRows
