#include "KeyCounter.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <limits>

namespace KeyCounter {

qint32 take(DbDatabase &db, const QString &table, const QString &keyColumn, int count,
    qint32 atLeast, DbError &error)
{
    Q_ASSERT(count >= 0);
    const QString counterSql = QStringLiteral("SELECT * FROM tblTableIds ")
        + QStringLiteral(" WHERE strTableName = ") + SQLText(table);
    auto counter = db.openSnapshot(counterSql, error);
    if (!counter)
        return 0;
    const bool hasCounter = !counter->eof();
    qint64 key = 0;
    if (hasCounter) {
        key = NullToLong(counter->field(u"lngNextID"));
        if (counter->lastError().isSet()) {
            error = counter->lastError();
            return 0;
        }
    } else {
        // First key ever for this table: one more than the largest key it already holds.
        auto maximum = db.openSnapshot(QStringLiteral("SELECT Max(") + keyColumn
                + QStringLiteral(") As lMaxValue FROM ") + table,
            error);
        if (!maximum)
            return 0;
        const QVariant largest = maximum->field(u"lMaxValue");
        key = largest.isNull() ? 0 : qint64(NullToLong(largest)) + 1;
        maximum->close();
    }
    counter->close();
    key = qMax<qint64>(key, qMax<qint32>(atLeast, 1));
    if (key + count > std::numeric_limits<qint32>::max()) {
        error.number = DbErrorNumber::ValueOutOfRange;
        error.driverText
            = QCoreApplication::translate("KeyCounter", "The key counter of %1 is exhausted.")
                  .arg(table);
        return 0;
    }

    int affected = 0;
    const QString write = hasCounter
        ? QString(QStringLiteral("UPDATE tblTableIds SET lngNextID=") + SQLLong(key + count)
            + QStringLiteral(" WHERE strTableName=") + SQLText(table))
        : QString(QStringLiteral("INSERT INTO tblTableIds (strTableName, lngNextID) VALUES (")
            + SQLText(table) + QStringLiteral(", ") + SQLLong(key + count) + QLatin1Char(')'));
    if (!db.execute(write, &affected, error))
        return 0;
    if (affected != 1) {
        // The counter row went away (or was doubled) under the lock: the keys are not ours.
        error.number = DbErrorNumber::StatementFailed;
        error.driverText = QCoreApplication::translate(
            "KeyCounter", "The key counter row of %1 could not be written.")
                               .arg(table);
        error.sql = write;
        return 0;
    }
    return qint32(key);
}

} // namespace KeyCounter
