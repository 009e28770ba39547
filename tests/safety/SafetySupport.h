#pragma once

// Small helpers shared by the safety suites: the worker program, the heavy switch, and
// reading what a worker reported.

#include "DbDatabase.h"
#include "DbSnapshot.h"

#include <QList>
#include <QProcess>
#include <QString>
#include <memory>

namespace Safety {

// The sermon-worker program (tests/safety/sermon-worker.cpp); the environment may name
// another build of it.
inline QString workerPath()
{
    return qEnvironmentVariable("LECTORUM_SAFETY_WORKER", QStringLiteral(LECTORUM_SAFETY_WORKER));
}

// LECTORUM_HEAVY=1 runs the full-size variants (8 x 1,000 inserts, hundreds of crash rounds).
inline bool heavy()
{
    return qEnvironmentVariableIntValue("LECTORUM_HEAVY") != 0;
}

// The keys a worker printed, one per complete line; "ready" and a line cut short by a kill
// are not keys.
inline QList<int> reportedKeys(const QByteArray &output)
{
    QList<int> keys;
    const QList<QByteArray> lines = output.split('\n');
    // The last piece has no newline after it: either empty or cut short.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        bool ok = false;
        const int key = lines.at(i).toInt(&ok);
        if (ok)
            keys.append(key);
    }
    return keys;
}

// The "longest insert: N ms" a worker wrote at its end, 0 when it wrote none.
inline qint64 longestInsert(const QByteArray &errors)
{
    const qsizetype at = errors.lastIndexOf("longest insert: ");
    return at < 0 ? 0 : errors.mid(at + 16).split(' ').value(0).toLongLong();
}

// "ok" when SQLite finds the file sound, otherwise its first complaint or the open failure.
inline QString integrityOf(const QString &path)
{
    DbError error;
    auto database = DbDatabase::openFile(path, error);
    if (!database)
        return QStringLiteral("open failed: %1 %2").arg(error.number).arg(error.driverText);
    auto check = database->openSnapshot(QStringLiteral("PRAGMA integrity_check"), error);
    if (!check)
        return QStringLiteral("check failed: %1 %2").arg(error.number).arg(error.driverText);
    return check->eof() ? QStringLiteral("no answer") : check->field(0).toString();
}

} // namespace Safety
