#include "LibraryRecovery.h"

#include "DbDatabase.h"
#include "DbError.h"
#include "LibraryBackup.h"
#include "LibraryRestore.h"
#include "LibraryRestoreRunner.h"
#include "RecordValues.h"
#include "UserInterface.h"

#include <QCoreApplication>

bool LibraryRecovery::isDamage(int errorNumber)
{
    return errorNumber == DbErrorNumber::NotADatabase || errorNumber == 11 || errorNumber == 26;
}

bool LibraryRecovery::offerRestore(const QString &libraryPath)
{
    const QList<LibraryBackup::Entry> backups = LibraryBackup::list(
        LibraryBackup::folderFor(libraryPath), LibraryBackup::libraryName(libraryPath), false);
    for (const LibraryBackup::Entry &backup : backups) {
        QString problem;
        // A copy that fails its check now (a bad sector under the backups too) is passed over.
        if (!LibraryRestore::verify(backup.path, problem))
            continue;
        const QString when = MomentText(backup.when);
        if (MsgBox(QCoreApplication::translate(
                       "LibraryRecovery", "Restore the newest good backup from %1?")
                       .arg(when),
                MsgBoxStyle::YesNoQuestion)
            != MsgBoxAnswer::Yes)
            return false;
        const QString previous = GetStatusText();
        SetStatusText(QCoreApplication::translate("LibraryRecovery", "Restoring the library..."));
        const LibraryRestore::Outcome outcome
            = LibraryRestoreRunner::run(backup.path, libraryPath, nullptr);
        SetStatusText(previous);
        if (!outcome.ok) {
            MsgBox(outcome.message, MsgBoxStyle::OkExclamation);
            return false;
        }
        MsgBox(QCoreApplication::translate("LibraryRecovery",
            "The library was restored from the backup of %1.\n"
            "The damaged file was kept as %2.")
                   .arg(when, outcome.asidePath));
        return true;
    }
    return false;
}

bool LibraryRecovery::offerIfDamaged(const QString &libraryPath)
{
    // Opened once more on its own to read the engine's verdict: a missing file or a locked
    // one is no case for a backup.
    DbError error;
    if (DbDatabase::openFile(libraryPath, error) || !isDamage(error.number))
        return false;
    return offerRestore(libraryPath);
}
