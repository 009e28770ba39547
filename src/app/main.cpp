#include "ImportTranslation.h"
#include "LibraryBackupRunner.h"
#include "LibraryCommands.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "SermonCommands.h"
#include "StartUp.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmConfig.h"
#include "frmLogin.h"
#include "frmMain.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's name for the system: it names the user's data folder
    // (~/.local/share/lectorum, see UserDataFolder) and the window class the desktop entry
    // matches.
    QApplication::setApplicationName(QStringLiteral("lectorum"));
    // On Wayland the window is matched to the desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(LECTORUM_APP_ID));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(LECTORUM_VERSION_MAJOR)
                                            .arg(LECTORUM_VERSION_MINOR)
                                            .arg(LECTORUM_VERSION_PATCH));

    // The English forms of the messages that count ("1 sermon", "2 sermons").
    ImportTranslation::install();
    UserInterface::install(&QtUserInterface::instance());
    clsConfig config;
    clsConnect connection;
    setProgramConfig(&config);
    setProgramConnection(&connection);
    // An empty settings store gets the defaults without a question.
    clsConfig::setConfigurationScreen(&frmConfig::writeFirstRunDefaults);

    StartUp startUp(connection, config);
    startUp.setConfigurationOffer([&config]() {
        frmConfig screen(config);
        return screen.exec() == QDialog::Accepted && screen.saved();
    });
    // A server database opens when a user signs in on the Login screen.
    startUp.setSignIn([&connection]() { return frmLogin::SignIn(connection); });
    std::unique_ptr<frmMain> main(startUp.run());
    if (!main)
        return 1;
    RegisterScreenCommands(*main);
    EnableAutomaticBackups(true);
    StartAutomaticBackup();
    EnableOutlineRecovery(true);
    OfferRecoveredOutlines();
    const int code = app.exec();
    // A backup still being written is finished in sight, or cancelled, before the end.
    LibraryBackupRunner::finishBeforeQuit();
    main.reset();
    setProgramConnection(nullptr);
    setProgramConfig(nullptr);
    return code;
}
