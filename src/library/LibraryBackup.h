#pragma once

#include "BackupRotation.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// Backups of a local library (an SQLite file), made with SQLite's online backup API on a
// private connection, so it may run on a worker thread while the program and other copies
// of it keep working. A backup is written under a hidden temporary name, checked with
// PRAGMA integrity_check, synced to disk and only then renamed into place: a backup that was
// cut short (disk full, the program killed) is never seen, and the library is only read.
namespace LibraryBackup {

// Told after every step of a copy how many bytes of how many are copied; it returns false to
// cancel the copy, which then removes what it wrote. Called on the copying thread.
using CopyProgress = std::function<bool(qint64 copied, qint64 total)>;

struct Outcome
{
    bool ok = false;
    bool cancelled = false; // the progress callback asked to stop: nothing was written
    QString path; // the backup written (or, after a failed check, the copy kept aside)
    QString message; // for the user when !ok
    QStringList removed; // older backups the rotation deleted
    qint64 bytes = 0;
};

struct Entry
{
    QString path;
    QDateTime when;
    qint64 bytes = 0;
    qint64 sermons = -1; // -1 when the copy could not be read
};

// The library's name in backup names: its file name without the extension.
QString libraryName(const QString &libraryPath);
// <user data folder>/backups/<library name>-<8 hex digits of its full path>: one folder per
// library file, so two libraries of the same name in different folders never mix.
QString folderFor(const QString &libraryPath);

// Backs `libraryPath` up into `folder` as of `now`, then applies the rotation.
Outcome backUp(const QString &libraryPath, const QString &folder, const QDateTime &now,
    const BackupRotation::Policy &policy, const CopyProgress &progress = {});

// The backups of `library` in `folder`, newest first (only names the rotation knows).
// With countSermons, each copy is opened read-only and its sermons counted.
QList<Entry> list(const QString &folder, const QString &library, bool countSermons);

// A backup is due when the interval is above 0 and the newest backup is older than
// `intervalDays` days (or there is none).
bool isDue(const QString &folder, const QString &library, int intervalDays, const QDateTime &now);

// Copies one SQLite file into a new file `target` page by page through the backup API,
// as one consistent snapshot even while other copies write. False with `error` set; the
// target is then removed. A cancel through `progress` sets `cancelled`.
bool copyDatabase(const QString &source, const QString &target, QString &error,
    const CopyProgress &progress = {}, bool *cancelled = nullptr);

// Flushes a file (or a folder's entries) to the disk.
bool syncPath(const QString &path);

} // namespace LibraryBackup
