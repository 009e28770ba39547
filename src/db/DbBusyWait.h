#pragma once

#include <QtGlobal>

#include <functional>

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
// goes on from there until TimeoutMs have passed. The driver's short wait is kept for a
// commit waiting for readers to finish: SQLite then bars new readers, so they finish soon,
// and the commit need not be undone and redone. Servers wait in their own lock queues: ODBC
// statements run once.
//
// SQLite keeps no queue of waiters, so looking often is not yet fair: a copy that has just
// committed asks for the lock again at once, before any waiter wakes, and can keep it through
// transaction after transaction while another copy waits out its limit (seen on a loaded
// two-core machine). Two rules share the lock out:
// - the longer a copy has waited, the more often it looks (retryPauseUs);
// - a copy that had a busy answer lately lets a moment pass before one in CourtesyEvery of its
//   asks for the write lock (takeWriteLock), so that a waiter, looking every few tenths of a
//   millisecond (driverBusyHandler), can take it in between. A copy that writes alone never
//   has a busy answer and never pauses.
namespace DbBusyWait {

constexpr int TimeoutMs = 5000;
constexpr int DriverWaitMs = 20;
// How long after a busy answer this copy keeps pausing before it asks for the write lock,
// and how long a pause lasts at most: long enough for the longest waiter to look.
constexpr int CourtesyWindowMs = TimeoutMs;
constexpr int CourtesyPauseUs = 500;
// A contended copy pauses before one in this many takes of the write lock.
constexpr int CourtesyEvery = 4;
// The sleep between the driver's looks at a lock another copy holds, at most.
constexpr int DriverLookUs = 300;

// SQLite's busy handler on every connection, in place of its own timed wait: looks again
// after a short jittered sleep (0.1-0.3 ms) until DriverWaitMs have passed. SQLite's own
// handler sleeps up to 10 ms between looks, so a copy pausing for courtesy would mostly
// leave the lock free with nobody looking; looking often, a waiter takes it within the pause.
// `count` is how many times the handler was called for this statement; returns nonzero to
// look again.
int driverBusyHandler(void *unused, int count);

// The pause before the next look, jittered so that copies waiting together do not look in
// step: 1-3 ms at first, shrinking to 0.17-0.5 ms after a second of waiting.
int retryPauseUs(qint64 waitedMs);

// Executes `sql` on `query` (or its prepared statement when `sql` is null). While SQLite
// answers "busy" and `mayRetry` is set, tries again until TimeoutMs have passed. A caller
// sets `mayRetry` only where a busy answer left nothing done: any statement outside a
// transaction, a read, or COMMIT (which stays pending after a busy answer).
bool exec(QSqlQuery &query, const QString *sql, bool mayRetry);

// The same wait for a statement run through SQLite's own functions: `attempt` runs it once.
enum class Attempt { Done, Busy, Failed };
bool retry(const std::function<Attempt()> &attempt, bool mayRetry);

// Runs `attempt`, a statement that takes the write lock (BEGIN IMMEDIATE), as retry does,
// after the courtesy pause when this copy had a busy answer lately.
bool takeWriteLock(const std::function<Attempt()> &attempt);

} // namespace DbBusyWait
