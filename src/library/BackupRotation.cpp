#include "BackupRotation.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <functional>

namespace {

struct Backup
{
    QString name;
    QDateTime when;
};

// Walks the backups newest first and keeps the newest of each bucket until `buckets`
// distinct buckets are kept.
void keepNewestPerBucket(const QList<Backup> &newestFirst, int buckets,
    const std::function<qint64(const QDate &)> &bucketOf, QSet<QString> &keep)
{
    QSet<qint64> seen;
    for (const Backup &backup : newestFirst) {
        const qint64 bucket = bucketOf(backup.when.date());
        if (seen.contains(bucket))
            continue;
        if (seen.size() >= buckets)
            break;
        seen.insert(bucket);
        keep.insert(backup.name);
    }
}

} // namespace

QString BackupRotation::fileName(const QString &library, const QDateTime &when)
{
    return library + QLatin1Char('-') + when.toString(QStringLiteral("yyyyMMdd-HHmmss"))
        + QStringLiteral(".mdb");
}

QDateTime BackupRotation::stampOf(const QString &fileName, const QString &library)
{
    static const QRegularExpression stamp(QStringLiteral("^-(\\d{8}-\\d{6})\\.mdb$"));
    if (library.isEmpty() || !fileName.startsWith(library))
        return QDateTime();
    const QRegularExpressionMatch match = stamp.match(fileName.mid(library.size()));
    if (!match.hasMatch())
        return QDateTime();
    return QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd-HHmmss"));
}

QStringList BackupRotation::namesToDelete(
    const QStringList &fileNames, const QString &library, const Policy &policy)
{
    QList<Backup> backups;
    for (const QString &name : fileNames) {
        const QDateTime when = stampOf(name, library);
        if (when.isValid())
            backups.append({ name, when });
    }
    std::sort(backups.begin(), backups.end(),
        [](const Backup &a, const Backup &b) { return a.when > b.when; });

    QSet<QString> keep;
    if (!backups.isEmpty())
        keep.insert(backups.first().name);
    keepNewestPerBucket(
        backups, policy.daily, [](const QDate &d) { return d.toJulianDay(); }, keep);
    keepNewestPerBucket(
        backups, policy.weekly,
        [](const QDate &d) {
            int weekYear = 0;
            const int week = d.weekNumber(&weekYear);
            return qint64(weekYear) * 100 + week;
        },
        keep);
    keepNewestPerBucket(
        backups, policy.monthly, [](const QDate &d) { return qint64(d.year()) * 100 + d.month(); },
        keep);

    QStringList doomed;
    for (const Backup &backup : backups) {
        if (!keep.contains(backup.name))
            doomed.append(backup.name);
    }
    return doomed;
}
