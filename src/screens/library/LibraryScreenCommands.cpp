#include "LibraryCommands.h"

#include "LibraryBackupRunner.h"
#include "LibraryCheck.h"
#include "ProgramGlobals.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmCheckReport.h"
#include "frmMain.h"
#include "frmRestore.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QThread>

namespace {

// Backups of a server database are the server's business: the commands change nothing there.
bool refusedOnServer()
{
    if (!ProgramConnection().OnServer())
        return false;
    MsgBox(QCoreApplication::translate("LibraryScreenCommands",
        "This library is kept on a database server. Its backups are made and "
        "restored by the server's administrator; nothing was changed."));
    return true;
}

// Restore and Check read or replace the whole file: like Change Database, they wait until
// every screen is closed.
bool refusedWhileScreensOpen(frmMain &main)
{
    if (main.workArea()->subWindowList().isEmpty())
        return false;
    MsgBox(QCoreApplication::translate("LibraryScreenCommands", "First close all open windows"));
    return true;
}

bool refusedWhileBackingUp()
{
    if (!LibraryBackupRunner::current())
        return false;
    MsgBox(QCoreApplication::translate("LibraryScreenCommands",
        "A backup of the library is being written. Try again when it is done."));
    return true;
}

void mnuFBackup_Click()
{
    if (refusedOnServer())
        return;
    bool busy = false;
    LibraryBackupRunner::start(ActiveDatabase, false, &busy);
    if (busy)
        MsgBox(QCoreApplication::translate(
            "LibraryScreenCommands", "A backup of the library is being written already."));
}

void mnuFCheck_Click(frmMain &main)
{
    if (refusedOnServer() || refusedWhileScreensOpen(main))
        return;
    const QString previous
        = BeginBusy(QCoreApplication::translate("LibraryScreenCommands", "Checking Database..."));
    // A whole-file check of a large library takes a while: off the interface thread, with
    // the window repainting meanwhile.
    LibraryCheck::Report report;
    const QString path = ActiveDatabase;
    QThread *worker = QThread::create([&report, path] { report = LibraryCheck::run(path); });
    QEventLoop wait;
    QObject::connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
    worker->start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    EndBusy(previous);
    auto *screen = new frmCheckReport(report.lines, &main);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->open();
}

void mnuFRestore_Click(frmMain &main)
{
    if (refusedOnServer() || refusedWhileScreensOpen(main) || refusedWhileBackingUp())
        return;
    auto *screen = new frmRestore(ActiveDatabase, &main);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    if (screen->backupCount() == 0) {
        MsgBox(QCoreApplication::translate(
            "LibraryScreenCommands", "No backup of this library was found in %1.")
                   .arg(LibraryBackup::folderFor(ActiveDatabase)));
        delete screen;
        return;
    }
    screen->open();
}

bool g_automaticBackups = false;

} // namespace

void EnableAutomaticBackups(bool on)
{
    g_automaticBackups = on;
}

void StartAutomaticBackup()
{
    if (!g_automaticBackups || ProgramConnection().OnServer() || !ProgramConnection().DBObject()
        || ActiveDatabase.isEmpty())
        return;
    LibraryBackupRunner::start(ActiveDatabase, true);
}

void RegisterLibraryScreenCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuFBackup"), &mnuFBackup_Click);
    main.setCommand(QStringLiteral("mnuFCheck"), [&main] { mnuFCheck_Click(main); });
    main.setCommand(QStringLiteral("mnuFRestore"), [&main] { mnuFRestore_Click(main); });
    RegisterExportCommands(main);
}
