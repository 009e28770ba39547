#pragma once

class QSqlQuery;
class QString;

// How a statement waits for another copy of the program that holds an SQLite file's lock.
// Only the engine layer includes this header.
//
// SQLite's own busy wait looks at the lock again after sleeps that grow to 100 ms. While
// other copies write back to back, the lock is free only for moments between their short
// transactions, and a waiter looking every 100 ms can miss every one of them for the whole
// timeout: eight copies inserting at once gave "database is locked" after 5 s of waiting
// for a lock that no copy ever held for more than a few milliseconds. So the driver waits
// only DriverWaitMs, in which it looks often (after 1, 3, 8 and 18 ms), and the engine layer
// goes on from there, looking every one to three milliseconds until five seconds have
// passed. The driver's short wait is kept for a commit waiting for readers to finish:
// SQLite then bars new readers, so they finish soon, and the commit need not be undone and
// redone. Servers wait in their own lock queues: ODBC statements run once.
namespace DbBusyWait {

constexpr int TimeoutMs = 5000;
constexpr int DriverWaitMs = 20;

// Executes `sql` on `query` (or its prepared statement when `sql` is null). While SQLite
// answers "busy" and `mayRetry` is set, tries again until TimeoutMs have passed. A caller
// sets `mayRetry` only where a busy answer left nothing done: any statement outside a
// transaction, a read, or COMMIT (which stays pending after a busy answer).
bool exec(QSqlQuery &query, const QString *sql, bool mayRetry);

} // namespace DbBusyWait
