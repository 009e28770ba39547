#include "DbBusyWait.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

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

} // namespace

bool DbBusyWait::exec(QSqlQuery &query, const QString *sql, bool mayRetry)
{
    QElapsedTimer waited;
    for (;;) {
        if (sql ? query.exec(*sql) : query.exec())
            return true;
        if (!mayRetry || !isBusy(query))
            return false;
        if (!waited.isValid())
            waited.start();
        else if (waited.hasExpired(TimeoutMs))
            return false;
        // A little jitter keeps copies that wait together from looking in step.
        QThread::usleep(1000 + QRandomGenerator::global()->bounded(2000));
    }
}
