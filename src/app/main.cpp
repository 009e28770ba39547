#include "LibraryBackupRunner.h"
#include "LibraryCommands.h"
#include "ProgramGlobals.h"
#include "ProgramTranslation.h"
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
#include <cstdio>
#include <memory>

namespace {

// --help and --version are answered before any window system is reached, so that they work
// on a terminal without a display (a server, a package check).
int answerWithoutWindow(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--version" || arg == "-v") {
            std::printf("lectorum %d.%d.%d\n", LECTORUM_VERSION_MAJOR, LECTORUM_VERSION_MINOR,
                LECTORUM_VERSION_PATCH);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            // In the language the environment asks for: the choice made in the program is in
            // settings that are not read without the application.
            const QString help = ProgramTranslation::textIn(ProgramTranslation::systemLanguage(),
                "Lectorum",
                QT_TRANSLATE_NOOP("Lectorum",
                    "Usage: lectorum [options]\n"
                    "Keeps, finds and prints sermon outlines. The library, the settings and the "
                    "language\nare chosen in the program; press F1 there for its help.\n"
                    "\n"
                    "Options:\n"
                    "  -h, --help     Displays this help.\n"
                    "  -v, --version  Displays the version.\n"
                    "Qt's own options (-platform NAME, -style NAME, ...) are accepted too.\n"));
            std::fputs(help.toLocal8Bit().constData(), stdout);
            return 0;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const int answered = answerWithoutWindow(argc, argv); answered >= 0)
        return answered;
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

    // The language chosen under Defaults > Language..., else the system's; before any window
    // is built, since a window takes its texts when it is made.
    ProgramTranslation::install();
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
