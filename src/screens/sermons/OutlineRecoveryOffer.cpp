#include "OutlineRecoveryOffer.h"

#include "OutlineRecoveryFile.h"
#include "OutlineRecoveryWatch.h"
#include "RecordValues.h"
#include "ReferenceText.h"
#include "SermonCommands.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsSermon.h"
#include "frmMain.h"
#include "frmNotes.h"
#include "frmSermon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

// Takes the lock of a copy unless a running copy of the program keeps it. A lock with this
// process's number is stale: while no sermon screen is open this process keeps no copy.
bool takeLock(QLockFile &lock)
{
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        return true;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid()
        && lock.removeStaleLockFile() && lock.tryLock(0);
}

// A temporary file whose copy was never completed (the program stopped during its first
// write) and that no running copy is writing: ours, and of no use.
void removeAbandonedPartials(const QString &library)
{
    const QString folder = OutlineRecoveryFile::folder();
    const QString anyCopy = OutlineRecoveryFile::pathFor(library, 0);
    // The name up to the sermon part is the library's.
    const QString prefix = QFileInfo(anyCopy).fileName().section(QLatin1Char('-'), 0, -3);
    const QStringList partials
        = QDir(folder).entryList({ prefix + QStringLiteral("-*.outline.partial") }, QDir::Files);
    for (const QString &name : partials) {
        const QString copy = QDir(folder).filePath(name.chopped(8));
        QLockFile lock(copy + QStringLiteral(".lock"));
        if (!QFile::exists(copy) && takeLock(lock)) {
            OutlineRecoveryFile::remove(copy);
        }
    }
}

void openAsNewSermon(frmMain &main, const QString &title)
{
    main.runCommand(QStringLiteral("grpNewSermon"));
    if (frmSermon *screen = frmSermon::instance()) {
        screen->presetTitle(title);
    }
}

// Every sermon listed and this one chosen; false when the list does not show it (its fill
// failed), so that the outline is never put on another sermon.
bool openSermon(frmMain &main, qint32 sermonID)
{
    main.runCommand(QStringLiteral("mnuESermon"));
    frmSermon *screen = frmSermon::instance();
    return screen && screen->chooseSermon(sermonID);
}

// The sermon shown with the recovered outline, in its edit state; the notes window in front.
bool openRecovered(frmMain &main, const OutlineRecoveryFile::Outline &outline, bool stored)
{
    if (stored) {
        if (!openSermon(main, outline.sermonID)) {
            return false;
        }
    } else {
        openAsNewSermon(main, outline.title);
    }
    frmSermon *screen = frmSermon::instance();
    if (!screen) {
        return false;
    }
    frmNotes::load()->setOutline(outline.text);
    screen->showNotes(true);
    screen->DataHasChanged();
    return true;
}

} // namespace

bool OutlineRecoveryOffer::offer(frmMain &main)
{
    const QString library = OutlineRecoveryFile::currentLibrary();
    if (!OutlineRecoveryWatch::enabled() || library.isEmpty() || frmSermon::instance()) {
        return false;
    }
    removeAbandonedPartials(library);
    for (const QString &path : OutlineRecoveryFile::candidates(library)) {
        QLockFile lock(path + QStringLiteral(".lock"));
        OutlineRecoveryFile::Outline outline;
        if (!takeLock(lock)
            || OutlineRecoveryFile::read(path, library, outline)
                != OutlineRecoveryFile::Reading::Ok) {
            continue;
        }
        // What the library holds now decides what there is to offer.
        bool stored = false;
        QString title = outline.title;
        if (outline.sermonID > 0) {
            clsSermon sermon;
            QHash<qint32, QString> outlines;
            if (!sermon.ReadOutlines({ outline.sermonID }, outlines)) {
                continue; // the failure was shown; the copy waits for a later start
            }
            stored = outlines.contains(outline.sermonID);
            if (stored
                && TrimBlanks(outlines.value(outline.sermonID)) == TrimBlanks(outline.text)) {
                OutlineRecoveryFile::remove(path); // saved after all: nothing was lost
                continue;
            }
            sermon.setSermonID(outline.sermonID);
            if (stored && sermon.Find() && !TrimBlanks(sermon.Title()).isEmpty()) {
                title = TrimBlanks(sermon.Title());
            }
        }
        if (outline.text.trimmed().isEmpty()) {
            OutlineRecoveryFile::remove(path);
            continue;
        }
        if (title.isEmpty()) {
            title = outline.sermonID > 0
                ? QCoreApplication::translate("OutlineRecoveryOffer", "sermon %1")
                      .arg(outline.sermonID)
                : QCoreApplication::translate("OutlineRecoveryOffer", "a new sermon");
        }
        const QString date = MomentText(outline.written);
        const MsgBoxAnswer answer
            = MsgBox(QCoreApplication::translate("OutlineRecoveryOffer",
                         "An unsaved outline of %1 from %2 was found. Open it?")
                         .arg(title, date),
                MsgBoxStyle::YesNoQuestion);
        if (answer == MsgBoxAnswer::Yes) {
            if (outline.sermonID > 0 && !stored) {
                MsgBox(QCoreApplication::translate("OutlineRecoveryOffer",
                           "%1 is no longer in this library, so its outline opens as a new "
                           "sermon.")
                           .arg(title),
                    MsgBoxStyle::OkExclamation);
            }
            lock.unlock();
            if (!openRecovered(main, outline, stored)) {
                return false; // kept for a later start
            }
            // The screen keeps a copy of its own now (under this process's name, which may
            // be this very file when an earlier program had the same number).
            const frmSermon *screen = frmSermon::instance();
            const auto *watch = screen ? screen->findChild<OutlineRecoveryWatch *>() : nullptr;
            if (watch && !watch->currentPath().isEmpty() && watch->currentPath() != path) {
                OutlineRecoveryFile::remove(path);
            }
            return true;
        }
        if (MsgBox(QCoreApplication::translate("OutlineRecoveryOffer",
                       "Delete the unsaved outline of %1 from %2? It cannot be recovered "
                       "afterwards.")
                       .arg(title, date),
                MsgBoxStyle::YesNoQuestion)
            == MsgBoxAnswer::Yes) {
            OutlineRecoveryFile::remove(path);
        }
    }
    return false;
}

void EnableOutlineRecovery(bool on)
{
    OutlineRecoveryWatch::setEnabled(on);
}

void OfferRecoveredOutlines()
{
    if (frmMain *main = frmMain::instance()) {
        OutlineRecoveryOffer::offer(*main);
    }
}
