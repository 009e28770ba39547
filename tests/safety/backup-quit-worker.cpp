// A copy of the program that is closed while its backup runs, and then killed by the test:
// the main window with the library commands on the offscreen platform, as the program runs.
//
//   backup-quit-worker LIBRARY
//       Opens the SQLite LIBRARY, starts File > Back Up Now, closes the main window and
//       goes the program's way out, which finishes the backup under its progress dialog.
//       Prints "finishing <the dialog's text>" once that dialog shows, and then goes on as
//       the program does until the backup ends or the worker is killed. Exit code 0 when the
//       backup ended, 3 when the library could not be opened, 4 when no backup started.

#include "LibraryBackupRunner.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "UserInterface.h"
#include "WorkerConnection.h"
#include "clsConnect.h"
#include "frmMain.h"

#include <QApplication>
#include <QProgressDialog>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's own name: it names the data folder the backups go to.
    QApplication::setApplicationName(QStringLiteral("lectorum"));
    const QStringList args = app.arguments();
    if (args.size() != 2)
        return 2;
    UserInterface::install(&QtUserInterface::instance());
    MsgBoxScript::setScripted(true);
    clsConnect connection;
    PointWorkerConnectionAt(connection, QStringLiteral("sqlite"), args.at(1));
    setProgramConnection(&connection);
    if (!connection.DataInit() || !connection.DataOpen())
        return 3;
    ActiveDatabase = args.at(1);
    auto main = std::make_unique<frmMain>();
    RegisterScreenCommands(*main);
    main->show();
    main->runCommand(QStringLiteral("mnuFBackup"));
    if (!LibraryBackupRunner::current())
        return 4;
    main->close();
    // Said once the dialog is up (the way out runs its own event loop).
    QMetaObject::invokeMethod(
        &app,
        [] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                auto *progress = qobject_cast<QProgressDialog *>(window);
                if (progress && progress->isVisible()
                    && window->objectName()
                        == QLatin1String(LibraryBackupRunner::FinishingDialogName)) {
                    std::printf("finishing %s\n", progress->labelText().toUtf8().constData());
                    std::fflush(stdout);
                }
            }
        },
        Qt::QueuedConnection);
    LibraryBackupRunner::finishBeforeQuit();
    main.reset();
    setProgramConnection(nullptr);
    return 0;
}
