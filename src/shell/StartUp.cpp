#include "StartUp.h"

#include "HourglassGuard.h"
#include "LibraryRecovery.h"
#include "MainWindowPlacement.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmCopyright.h"
#include "frmLogin.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <memory>
#include <optional>

namespace {

// Closes the splash (if still up) once it has been shown for at least minimumMs, with the
// event loop running meanwhile so it repaints.
void closeSplash(
    std::unique_ptr<frmCopyright> &splash, const QElapsedTimer &sinceStart, qint64 minimumMs)
{
    if (!splash)
        return;
    while (splash->isVisible()) {
        const qint64 remaining = minimumMs - sinceStart.elapsed();
        if (remaining <= 0)
            break;
        QEventLoop wait;
        QTimer::singleShot(int(remaining), Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec();
    }
    splash.reset();
}

} // namespace

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
        MsgBox(QCoreApplication::translate("StartUp", "Could Not Initialize the Database Engine"));
        return false;
    }
    m_connection.setValidLogon(m_connection.DataOpen());
    return m_connection.ValidLogon();
}

bool StartUp::offerConfiguration(const QString &reason)
{
    if (m_engineMissing || !m_offerConfiguration)
        return false;
    // Never leave a running program without a window: say what failed and where, then let
    // the user point the program at another database or quit.
    const MsgBoxAnswer answer = MsgBox(QCoreApplication::translate("StartUp",
                                           "%1\n\nDo you want to change the configuration now?\n"
                                           "Choose No to quit Lectorum.")
                                           .arg(reason),
        MsgBoxStyle::YesNoQuestion, AppTitle);
    if (answer != MsgBoxAnswer::Yes)
        return false;
    return m_offerConfiguration();
}

bool StartUp::signInToServer()
{
    const bool signedIn = m_signIn ? m_signIn() : frmLogin::SignIn(m_connection);
    m_connection.setValidLogon(signedIn);
    return signedIn;
}

frmMain *StartUp::run()
{
    // Up while the database opens; down for the splash's end, a prompt or the sign-in.
    std::optional<HourglassGuard> busy(std::in_place);
    QElapsedTimer sinceStart;
    sinceStart.start();

    auto splash = std::make_unique<frmCopyright>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    auto main = std::make_unique<frmMain>();

    // The splash goes once its minimum time has passed (however fast the database opened;
    // the event loop keeps running so it repaints); then the status bar gets its texts.
    // The clock decides, not the timer: a timer may fire a little early, so the wait goes on
    // until the time has really passed.
    auto finishSplash = [&](bool waitForMinimum) {
        closeSplash(splash, sinceStart, waitForMinimum ? m_minimumSplash : 0);
        QtUserInterface::instance().setStatusTextRaw(ProductName);
        main->pnlUser()->setText(ActiveDatabase);
        busy.reset();
    };

    bool ready = false;
    bool signedIn = false;
    for (;;) {
        QString reason;
        ready = openConfiguredDatabase();
        if (!ready && !m_engineMissing && !m_connection.OnServer()
            && LibraryRecovery::offerIfDamaged(m_connection.DatabaseName())) {
            // The damaged file was put aside and a good backup restored: open that.
            m_connection.DataClose();
            continue;
        }
        if (!ready) {
            reason = QCoreApplication::translate("StartUp", "The database could not be opened:\n%1")
                         .arg(m_connection.DatabaseName());
        } else if (m_connection.OnServer()) {
            // A server database opens when a user signs in, after the splash.
            finishSplash(true);
            ready = signedIn = signInToServer();
            if (!ready && (m_connection.DBObject() || !m_offerConfiguration)) {
                MsgBox(QCoreApplication::translate(
                    "StartUp", "No user has signed in, so Lectorum will now close."));
                break;
            }
            reason = QCoreApplication::translate(
                "StartUp", "No user has signed in to the server database:\n%1 (data source %2)")
                         .arg(m_connection.DatabaseName(), m_connection.DSN());
        }
        if (ready)
            break;
        if (splash)
            splash->hide();
        busy.reset();
        if (!offerConfiguration(reason))
            break;
        busy.emplace();
        m_connection.DataClose();
    }

    if (signedIn) {
        main->pnlUser()->setText(m_connection.UserName());
        // The sign-in screen put back the status text it found, with the blanks every
        // screen's text carries; start-up's own text stands without them.
        QtUserInterface::instance().setStatusTextRaw(ProductName);
    } else
        finishSplash(ready);
    if (!ready)
        return nullptr;
    // Most of the screen on a first start, then where the user left it.
    new MainWindowPlacement(main.get());
    main->show();
    return main.release();
}
