#include "DbBusyWait.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace {

bool isBusy(const QSqlQuery &query)
{
    if (!query.driver() || query.driver()->dbmsType() != QSqlDriver::SQLite)
        return false;
    bool ok = false;
    const int code = query.lastError().nativeErrorCode().toInt(&ok);
    // SQLITE_BUSY, also in its extended forms (recovery, snapshot).
    return ok && (code & 0xff) == 5;
}

// A clock shared by every connection of this copy of the program.
qint64 nowMs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

// When this copy last had a busy answer, that is, waited out the driver's short wait for
// another copy's lock (milliseconds on nowMs; very old at first). Only a busy answer counts:
// a statement that is merely slow on a loaded machine says nothing about other copies.
std::atomic<qint64> lastContendedMs { -DbBusyWait::CourtesyWindowMs - 1 };

int jitterUs(int lowest, int highest)
{
    return lowest + int(QRandomGenerator::global()->bounded(quint32(highest - lowest + 1)));
}

} // namespace

int DbBusyWait::driverBusyHandler(void *, int count)
{
    // The sleeps average two thirds of DriverLookUs: this many of them fill the driver's wait.
    constexpr int looks = DriverWaitMs * 1000 / (DriverLookUs * 2 / 3);
    if (count >= looks)
        return 0;
    QThread::usleep(ulong(jitterUs(DriverLookUs / 3, DriverLookUs)));
    return 1;
}

int DbBusyWait::retryPauseUs(qint64 waitedMs)
{
    // From 1-3 ms at first down to 0.17-0.5 ms once a second has passed.
    const int longest = int(std::max<qint64>(500, 3000 - waitedMs * 5 / 2));
    return jitterUs(longest / 3, longest);
}

bool DbBusyWait::exec(QSqlQuery &query, const QString *sql, bool mayRetry)
{
    return retry(
        [&] {
            if (sql ? query.exec(*sql) : query.exec())
                return Attempt::Done;
            return isBusy(query) ? Attempt::Busy : Attempt::Failed;
        },
        mayRetry);
}

bool DbBusyWait::retry(const std::function<Attempt()> &attempt, bool mayRetry)
{
    QElapsedTimer waited;
    for (;;) {
        const Attempt outcome = attempt();
        if (outcome != Attempt::Busy)
            return outcome == Attempt::Done;
        lastContendedMs.store(nowMs());
        if (!mayRetry)
            return false;
        if (!waited.isValid())
            waited.start();
        else if (waited.hasExpired(TimeoutMs))
            return false;
        QThread::usleep(ulong(retryPauseUs(waited.elapsed())));
    }
}

bool DbBusyWait::takeWriteLock(const std::function<Attempt()> &attempt)
{
    // Every CourtesyEvery-th take of a contended copy pauses: waiters look every few tenths
    // of a millisecond, so one gap now and then from each copy lets the longest waiter in,
    // while a pause before every take left the lock idle for most of each pause.
    static std::atomic<int> takes { 0 };
    if (nowMs() - lastContendedMs.load() <= CourtesyWindowMs
        && takes.fetch_add(1) % CourtesyEvery == 0)
        QThread::usleep(ulong(jitterUs(CourtesyPauseUs / 2, CourtesyPauseUs)));
    return retry(attempt, true);
}
