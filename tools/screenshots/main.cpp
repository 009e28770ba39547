// lectorum-screenshots FOLDER: the user guide's pictures, taken of the program on the
// demonstration library (with LANGUAGE=es, the picture of the Spanish interface). Run under a
// virtual screen of 1366×768 (tools/screenshots.sh); the exit code is 1 when a picture could not be
// taken or came out blank.
#include "MainWindowPlacement.h"
#include "ProgramGlobals.h"
#include "ProgramTranslation.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "ScreenshotTour.h"
#include "StartUp.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lectorum"));
    ProgramTranslation::install();
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(
            stderr, "usage: lectorum-screenshots FOLDER (with the settings in XDG_CONFIG_HOME)\n");
        return 2;
    }
    QDir output(args.at(1));
    if (!output.mkpath(QStringLiteral(".")))
        return 2;

    // Messages answer themselves (OK, No, Cancel): the tour never waits on a box.
    UserInterface::install(&QtUserInterface::instance());
    MsgBoxScript::setScripted(true);
    // The program's settings file, not one named after this tool.
    clsConfig::setStoreFileOverride(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/lectorum/lectorum.ini"));
    clsConfig config;
    clsConnect connection;
    setProgramConfig(&config);
    setProgramConnection(&connection);
    StartUp startUp(connection, config);
    startUp.setMinimumSplashMilliseconds(0);
    std::unique_ptr<frmMain> main(startUp.run());
    if (!main) {
        std::fprintf(stderr, "lectorum-screenshots: the library could not be opened\n");
        return 1;
    }
    RegisterScreenCommands(*main);
    if (!QTest::qWaitForWindowExposed(main.get())) {
        std::fprintf(stderr, "lectorum-screenshots: the main window was never shown\n");
        return 1;
    }
    QTest::qWait(1000);

    ScreenshotTour tour(*main, output);
    // The interface's language (LANGUAGE) chooses the tour: the guide's pictures in English,
    // its Spanish section's in Spanish.
    if (ProgramTranslation::isSpanish())
        ScreenshotTour::addSpanishShots(tour);
    else
        ScreenshotTour::addGuideShots(tour);
    const QStringList failed = tour.run();
    for (const QString &file : failed)
        std::fprintf(stderr, "lectorum-screenshots: no picture for %s\n", qPrintable(file));
    main.reset();
    setProgramConnection(nullptr);
    setProgramConfig(nullptr);
    return failed.isEmpty() ? 0 : 1;
}
