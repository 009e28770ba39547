#pragma once

#include "LibraryBackup.h"

#include <QDateTime>
#include <QString>

// Puts a backup in the place of a local library. The backup is checked first; the current
// file (damaged or not) is kept aside as "<library>-before-restore-<stamp>.mdb" beside it,
// and the library is replaced in one rename, so at every moment the library's name holds
// either the old file or the whole restored one. The program's connection to the library
// must be closed before and reopened after.
namespace LibraryRestore {

struct Outcome
{
    bool ok = false;
    bool cancelled = false; // stopped through the progress callback: the library is unchanged
    QString asidePath; // where the file that was replaced now is (empty when there was none)
    QString message; // for the user when !ok
};

// True when `backupPath` is a readable Lectorum database that passes its integrity check;
// otherwise `problem` says what is wrong.
bool verify(const QString &backupPath, QString &problem);

// `progress` follows the copy of the backup beside the library and is asked once more, with
// the whole size copied, right before the library is replaced: false from it up to then
// cancels the restore, which leaves the library as it was. The replacing itself (one rename)
// is never cut short.
Outcome restore(const QString &backupPath, const QString &libraryPath, const QDateTime &now,
    const LibraryBackup::CopyProgress &progress = {});

} // namespace LibraryRestore
