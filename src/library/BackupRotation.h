#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The names of a library's backups and which of them to keep. Pure: it reads only names,
// so the arithmetic is tested over years of dates without a file.
//
// A backup is "<library>-YYYYMMDD-HHMMSS.mdb". Only names of exactly that form are this
// program's backups: anything else in the folder (a copy the user put there, a backup that
// failed its check, a file kept aside by a restore) is never counted, offered or deleted.
namespace BackupRotation {

struct Policy
{
    int daily = 7; // the newest backup of each of the last N days that have one
    int weekly = 4; // ... of each of the last N ISO weeks that have one
    int monthly = 12; // ... of each of the last N months that have one
};

// "<library>-YYYYMMDD-HHMMSS.mdb" for the local time `when` (seconds are kept).
QString fileName(const QString &library, const QDateTime &when);

// The moment a backup name stands for; invalid when the name is not one of `library`'s
// backups.
QDateTime stampOf(const QString &fileName, const QString &library);

// Which of `fileNames` (names in one library's backup folder) to delete under `policy`:
// only backups of `library`, never the newest one, never a name of any other form.
QStringList namesToDelete(
    const QStringList &fileNames, const QString &library, const Policy &policy);

} // namespace BackupRotation
