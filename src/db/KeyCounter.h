#pragma once

#include "DbError.h"

#include <QString>

class DbDatabase;

// The key counters of tblTableIds, read and advanced by one set of rules for every writer
// (a screen's new record, an import batch): a counter of 0 or Null hands out 1; a table
// without a counter row starts one above its largest key; a counter at the largest key a
// column can hold hands out nothing. The caller holds the counters' write lock
// (DbTransaction::beginExclusive on tblTableIds) around the call.
namespace KeyCounter {

// Takes `count` keys in a row, the first at least `atLeast`, and returns the first; 0 with
// `error` set when the counter could not be read or written (a write that changed no row
// among them). A count of 0 only moves the counter up to `atLeast` (past keys a writer chose
// itself).
qint32 take(DbDatabase &db, const QString &table, const QString &keyColumn, int count,
    qint32 atLeast, DbError &error);

} // namespace KeyCounter
