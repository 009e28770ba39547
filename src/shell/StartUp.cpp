#include "StartUp.h"

#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmCopyright.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <memory>

StartUp::StartUp(clsConnect &connection, clsConfig &config)
    : m_connection(connection)
    , m_config(config)
{
}

bool StartUp::openConfiguredDatabase()
{
    m_engineMissing = false;
    // A failed settings load does not stop start-up: the values in effect are used.
    m_connection.setValidLogon(m_connection.LoadSettings(m_config));
    if (!m_connection.ValidLogon())
        m_connection.setValidLogon(true);
    if (m_connection.OnServer()) {
        // A server database is opened at sign-in, with the password the user types.
        m_connection.setValidLogon(true);
        return true;
    }
    m_connection.setValidLogon(m_connection.DataInit());
    if (!m_connection.ValidLogon()) {
        m_engineMissing = true;
        MsgBox(QStringLiteral("Could Not Initialize the Database Engine"));
        return false;
    }
    m_connection.setValidLogon(m_connection.DataOpen());
    return m_connection.ValidLogon();
}

bool StartUp::offerConfigurationAfterFailure()
{
    if (m_engineMissing || !m_offerConfiguration)
        return false;
    // Never leave a running program without a window: say what failed and where, then let
    // the user point the program at another database or quit.
    const int answer = MsgBox(QStringLiteral("The database could not be opened:\n")
            + m_connection.DatabaseName()
            + QStringLiteral("\n\nDo you want to change the configuration now?\n"
                             "Choose No to quit Lectorum."),
        MsgBoxStyle::YesNoQuestion, AppTitle);
    if (answer != MsgBoxAnswer::Yes)
        return false;
    return m_offerConfiguration();
}

frmMain *StartUp::run()
{
    UserInterface &ui = UserInterface::current();
    ui.setHourglass(true);
    QElapsedTimer sinceStart;
    sinceStart.start();

    auto splash = std::make_unique<frmCopyright>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    auto main = std::make_unique<frmMain>();

    bool opened = openConfiguredDatabase();
    while (!opened) {
        splash->hide();
        ui.setHourglass(false);
        if (!offerConfigurationAfterFailure())
            break;
        ui.setHourglass(true);
        m_connection.DataClose();
        opened = openConfiguredDatabase();
    }

    if (opened) {
        // However fast the database opened, the splash stays for its minimum time; the
        // event loop keeps running so it repaints.
        const qint64 remaining = m_minimumSplash - sinceStart.elapsed();
        if (remaining > 0 && splash->isVisible()) {
            QEventLoop wait;
            QTimer::singleShot(int(remaining), &wait, &QEventLoop::quit);
            wait.exec();
        }
    }
    splash.reset();

    QtUserInterface::instance().setStatusTextRaw(ProductName);
    main->pnlUser()->setText(ActiveDatabase);
    ui.setHourglass(false);
    if (!opened)
        return nullptr;
    main->show();
    return main.release();
}
