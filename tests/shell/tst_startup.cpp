#include "DbDatabase.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenTestReset.h"
#include "StartUp.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmConfig.h"
#include "frmLogin.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <optional>

using TestEnvironment::Engine;
using Answer = std::optional<MsgBoxAnswer>;

class tst_StartUp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void firstRunWritesDefaultsAndNeverCreatesTheDatabase();
    void startUpKeepsTheSplashThenShowsTheMainWindow();
    void splashStaysItsWholeTime();
    void startUpBoxesAreNeverUnderTheSplash();
    void unopenableDatabaseOffersConfigurationOrQuits_data();
    void unopenableDatabaseOffersConfigurationOrQuits();
    void serverModeSignsInAfterTheSplash_data();
    void serverModeSignsInAfterTheSplash();
    void serverModeSignsInOnTheServer();
    void configurationScreenWrites_data();
    void configurationScreenWrites();
    void configurationScreenReachesTheConnection_data();
    void configurationScreenReachesTheConnection();
    void refusedSettingsWriteIsReported();

private:
    void pointSettingsAt(const QString &path);
    void pointSettingsAtServer(const QString &dsn, const QString &database, const QString &loginId);
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("settings/lectorum.ini")); }

    QTemporaryDir m_dir;
    std::unique_ptr<clsConfig> m_config;
    std::unique_ptr<clsConnect> m_connection;
};

void tst_StartUp::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_StartUp::init()
{
    ScreenTestReset::begin();
    QFile::remove(settingsFile());
    TestEnvironment::isolateSettings(m_dir.path());
    m_config = std::make_unique<clsConfig>();
    m_connection = std::make_unique<clsConnect>();
    setProgramConnection(m_connection.get());
    clsConfig::setConfigurationScreen(&frmConfig::writeFirstRunDefaults);
    ActiveDatabase.clear();
}

void tst_StartUp::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    setProgramConnection(nullptr);
    m_connection.reset();
    m_config.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_StartUp::pointSettingsAt(const QString &path)
{
    const QFileInfo info(path);
    m_config->SaveConfig(
        QStringLiteral("DataSource"), QStringLiteral("DataLoc"), QStringLiteral("Local"));
    m_config->SaveConfig(
        QStringLiteral("Local"), QStringLiteral("DBPath"), info.absolutePath() + QLatin1Char('/'));
    m_config->SaveConfig(QStringLiteral("Local"), QStringLiteral("DBName"), info.fileName());
}

void tst_StartUp::firstRunWritesDefaultsAndNeverCreatesTheDatabase()
{
    const QString expected
        = QCoreApplication::applicationDirPath() + QStringLiteral("/tst_startup.mdb");
    QFile::remove(expected);
    QVERIFY(m_connection->LoadSettings(*m_config));

    QSettings written(settingsFile(), QSettings::IniFormat);
    QCOMPARE(
        written.value(QStringLiteral("DataSource/DataLoc")).toString(), QStringLiteral("Local"));
    QCOMPARE(written.value(QStringLiteral("Local/DBPath")).toString(),
        QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    QCOMPARE(written.value(QStringLiteral("Local/DBName")).toString(),
        QStringLiteral("tst_startup.mdb"));
    QCOMPARE(written.value(QStringLiteral("Local/AccessSecure")).toString(), QStringLiteral("0"));
    QCOMPARE(written.value(QStringLiteral("Server/DBServer")).toString(), QStringLiteral("-1"));
    QCOMPARE(written.value(QStringLiteral("AppEnv/Toolbar")).toString(), QStringLiteral("-1"));
    QVERIFY(!written.contains(QStringLiteral("Engines/Jet/SystemDB")));
    QCOMPARE(m_connection->DatabaseName(), expected);
    QVERIFY(!m_connection->OnServer());

    // The database named after the program is opened; it does not exist here, and opening
    // it must not create it.
    QVERIFY(m_connection->DataInit());
    QVERIFY(!m_connection->DataOpen());
    QVERIFY(!QFile::exists(expected));
}

void tst_StartUp::startUpKeepsTheSplashThenShowsTheMainWindow()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    db.connection().DataClose();
    pointSettingsAt(db.filePath());

    StartUp startUp(*m_connection, *m_config);
    startUp.setMinimumSplashMilliseconds(400);
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<frmMain> main(startUp.run());
    QVERIFY(main);
    QVERIFY(timer.elapsed() >= 390);
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Lectorum Sermon Outlines"));
    QCOMPARE(main->pnlStatusBox()->text(), QStringLiteral("Lectorum Sermon Outlines"));
    QCOMPARE(main->pnlUser()->text(), db.filePath());
    QCOMPARE(ActiveDatabase, db.filePath());
    QVERIFY(m_connection->ValidLogon());
    QVERIFY(m_connection->DBObject());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(MsgBoxScript::shown().isEmpty());
    const auto splashes = QApplication::topLevelWidgets();
    for (QWidget *w : splashes)
        QVERIFY(w->objectName() != QLatin1String("frmCopyright") || !w->isVisible());
}

void tst_StartUp::splashStaysItsWholeTime()
{
    // A wait of two seconds or more is the kind of timer Qt lets fire up to 5 % early: one
    // due just after a whole second of the clock fires at that whole second. Start-up is
    // begun so that its wait falls due there, about 50 ms after a whole second.
    const int minimum = 2500;
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    db.connection().DataClose();
    pointSettingsAt(db.filePath());

    StartUp startUp(*m_connection, *m_config);
    startUp.setMinimumSplashMilliseconds(minimum);
    QElapsedTimer clock;
    qint64 shown = -1;
    // Runs while start-up lets the splash paint.
    QTimer::singleShot(0, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmCopyright"))
                connect(w, &QObject::destroyed, this, [&] { shown = clock.elapsed(); });
        }
    });
    const auto phase = [] {
        QElapsedTimer now;
        now.start();
        return now.msecsSinceReference() % 1000;
    };
    QThread::msleep(unsigned((1540 - phase()) % 1000));
    while (phase() < 540 || phase() >= 550) { }
    clock.start();
    std::unique_ptr<frmMain> main(startUp.run());
    QVERIFY(main);
    QVERIFY2(
        shown >= minimum, qPrintable(QStringLiteral("the splash went after %1 ms").arg(shown)));
}

void tst_StartUp::startUpBoxesAreNeverUnderTheSplash()
{
    // Real message boxes this time, answered as they come up.
    MsgBoxScript::setScripted(false);
    pointSettingsAt(m_dir.filePath(QStringLiteral("gone/Sermons.mdb")));
    StartUp startUp(*m_connection, *m_config);
    startUp.setMinimumSplashMilliseconds(60000);
    startUp.setConfigurationOffer([] { return false; });
    QStringList seen;
    QStringList covered;
    QTimer answerer;
    answerer.setInterval(10);
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.append(box->text());
        // Nothing that stays on top may cover it.
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w != box && w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint))
                covered.append(box->text() + QStringLiteral(" under ") + w->objectName());
        }
        QAbstractButton *answer = box->button(QMessageBox::No) ? box->button(QMessageBox::No)
                                                               : box->button(QMessageBox::Ok);
        answer->click();
    });
    answerer.start();
    std::unique_ptr<frmMain> main(startUp.run());
    answerer.stop();
    MsgBoxScript::setScripted(true);
    QVERIFY(!main);
    QCOMPARE(covered, QStringList());
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0), QStringLiteral("An Error Occurred in the System 3024"));
    QVERIFY(seen.at(1).startsWith(QStringLiteral("The database could not be opened")));
}

void tst_StartUp::unopenableDatabaseOffersConfigurationOrQuits_data()
{
    QTest::addColumn<bool>("acceptOffer");
    QTest::newRow("quit") << false;
    QTest::newRow("configure") << true;
}

void tst_StartUp::unopenableDatabaseOffersConfigurationOrQuits()
{
    QFETCH(bool, acceptOffer);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    db.connection().DataClose();
    const QString missing = m_dir.filePath(QStringLiteral("gone/Sermons.mdb"));
    pointSettingsAt(missing);

    StartUp startUp(*m_connection, *m_config);
    startUp.setMinimumSplashMilliseconds(0);
    int offers = 0;
    startUp.setConfigurationOffer([&]() {
        ++offers;
        pointSettingsAt(db.filePath());
        return true;
    });
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Ok);
    MsgBoxScript::queueAnswer(acceptOffer ? MsgBoxAnswer::Yes : MsgBoxAnswer::No);
    std::unique_ptr<frmMain> main(startUp.run());

    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0), QStringLiteral("An Error Occurred in the System 3024"));
    QVERIFY(shown.at(1).contains(missing));
    QVERIFY(!QFile::exists(missing));
    QCOMPARE(offers, acceptOffer ? 1 : 0);
    QCOMPARE(bool(main), acceptOffer);
    if (acceptOffer) {
        QVERIFY(main->isVisible());
        QCOMPARE(main->pnlUser()->text(), db.filePath());
    }
    QVERIFY(!QApplication::overrideCursor());
}

void tst_StartUp::pointSettingsAtServer(
    const QString &dsn, const QString &database, const QString &loginId)
{
    m_config->SaveConfig(
        QStringLiteral("DataSource"), QStringLiteral("DataLoc"), QStringLiteral("Server"));
    m_config->SaveConfig(QStringLiteral("Server"), QStringLiteral("DSN"), dsn);
    m_config->SaveConfig(QStringLiteral("Server"), QStringLiteral("DBName"), database);
    m_config->SaveConfig(
        QStringLiteral("Server"), QStringLiteral("DBServer"), QStringLiteral("-1"));
    m_config->SaveConfig(QStringLiteral("UserInfo"), QStringLiteral("UID"), loginId);
}

void tst_StartUp::serverModeSignsInAfterTheSplash_data()
{
    QTest::addColumn<bool>("signsIn");
    QTest::addColumn<bool>("offerConfiguration");
    QTest::addColumn<Answer>("answer"); // to the configuration offer, if it is asked
    QTest::addColumn<bool>("mainShown");
    QTest::addColumn<QString>("message"); // the start of the one message shown, or ""
    const Answer notAsked;
    QTest::newRow("signed in") << true << true << notAsked << true << "";
    QTest::newRow("nobody signed in") << false << false << notAsked << false
                                      << "No user has signed in, so Lectorum will now close.";
    QTest::newRow("server not open, quit")
        << false << true << Answer(MsgBoxAnswer::No) << false
        << "No user has signed in to the server database:\nsermons (data source nowhere)";
    QTest::newRow("server not open, configure a file")
        << false << true << Answer(MsgBoxAnswer::Yes) << true
        << "No user has signed in to the server database:\nsermons (data source nowhere)";
}

void tst_StartUp::serverModeSignsInAfterTheSplash()
{
    QFETCH(bool, signsIn);
    QFETCH(bool, offerConfiguration);
    QFETCH(Answer, answer);
    QFETCH(bool, mainShown);
    QFETCH(QString, message);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    db.connection().DataClose();
    setProgramConnection(m_connection.get());
    pointSettingsAtServer(
        QStringLiteral("nowhere"), QStringLiteral("sermons"), QStringLiteral("pastor"));

    StartUp startUp(*m_connection, *m_config);
    startUp.setMinimumSplashMilliseconds(300);
    QElapsedTimer timer;
    timer.start();
    int signIns = 0;
    startUp.setSignIn([&]() {
        ++signIns;
        // After the splash, before the main window; nothing is open yet.
        [&] {
            QVERIFY(timer.elapsed() >= 290);
            for (QWidget *w : QApplication::topLevelWidgets())
                QVERIFY(w->objectName() != QLatin1String("frmCopyright") || !w->isVisible());
            QVERIFY(frmMain::instance() && !frmMain::instance()->isVisible());
            QVERIFY(!m_connection->DBObject());
            QCOMPARE(m_connection->LoginID(), QStringLiteral("pastor"));
        }();
        if (signsIn)
            m_connection->setUserName(QStringLiteral("Pat Pastor"));
        return signsIn;
    });
    int offers = 0;
    if (offerConfiguration) {
        startUp.setConfigurationOffer([&]() {
            ++offers;
            pointSettingsAt(db.filePath());
            m_config->SaveConfig(
                QStringLiteral("Local"), QStringLiteral("DBServer"), QStringLiteral("0"));
            return true;
        });
    }
    if (answer)
        MsgBoxScript::queueAnswer(*answer);
    std::unique_ptr<frmMain> main(startUp.run());

    QCOMPARE(signIns, 1);
    QCOMPARE(bool(main), mainShown);
    QCOMPARE(offers, answer == MsgBoxAnswer::Yes ? 1 : 0);
    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(shown.first().startsWith(message), qPrintable(shown.first()));
    QVERIFY(!QApplication::overrideCursor());
    if (!mainShown) {
        QVERIFY(!m_connection->ValidLogon());
        return;
    }
    QVERIFY(main->isVisible());
    QVERIFY(m_connection->ValidLogon());
    QCOMPARE(main->pnlStatusBox()->text(), ProductName);
    // A signed-in user's name, or (after switching to a file) the database.
    QCOMPARE(main->pnlUser()->text(), signsIn ? QStringLiteral("Pat Pastor") : db.filePath());
    QCOMPARE(m_connection->OnServer(), signsIn);
}

void tst_StartUp::serverModeSignsInOnTheServer()
{
    TestDatabase db { Engine::PostgreSQL };
    REQUIRE_DATABASE(db);
    const QString loginId = db.connection().LoginID();
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblUsers (lngUserID, strLoginID, strFirstName, strLastName, "
                       "strPassword, lngGroupID, intConcurrencyID) VALUES (5, '")
        + loginId + QStringLiteral("', 'Pat', 'Pastor', NULL, 1, 0)")));
    const QString database = db.connection().DatabaseName();
    db.connection().DataClose();
    setProgramConnection(m_connection.get());
    pointSettingsAtServer(qEnvironmentVariable("LECTORUM_TEST_PG_DSN"), database, loginId);

    StartUp startUp(*m_connection, *m_config);
    startUp.setMinimumSplashMilliseconds(0);
    // The program's own sign-in, the Login screen shown modally, driven as a user would:
    // the login id is filled in from the settings, the user has no password and presses OK.
    QTimer user;
    user.setInterval(10);
    connect(&user, &QTimer::timeout, this, [&user] {
        QWidget *login = QApplication::activeModalWidget();
        if (login && login->objectName() == QLatin1String("frmLogin")) {
            user.stop();
            QTest::mouseClick(
                login->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        }
    });
    user.start();
    std::unique_ptr<frmMain> main(startUp.run());
    user.stop();
    QVERIFY2(main, qPrintable(MsgBoxScript::shown().join(QLatin1Char('|'))));
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QVERIFY(main->isVisible());
    QCOMPARE(main->pnlUser()->text(), QStringLiteral("Pat Pastor"));
    QCOMPARE(main->pnlStatusBox()->text(), ProductName);
    QVERIFY(m_connection->DBObject() && m_connection->DBObject()->isPostgres());
    QCOMPARE(ActiveDatabase, database);
    QCOMPARE(m_connection->UserID(), 5);
    m_connection->DataClose();
}

void tst_StartUp::configurationScreenWrites_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("systemDb");
    QTest::addColumn<QString>("storedPath");
    QTest::addColumn<QString>("secure");
    QTest::newRow("path gets its separator") << "  /srv/church  "
                                             << ""
                                             << "/srv/church/"
                                             << "0";
    QTest::newRow("secured") << "/srv/church/"
                             << "system.mdw"
                             << "/srv/church/"
                             << "-1";
}

void tst_StartUp::configurationScreenWrites()
{
    QFETCH(QString, path);
    QFETCH(QString, systemDb);
    QFETCH(QString, storedPath);
    QFETCH(QString, secure);
    frmConfig screen(*m_config);
    screen.findChild<QLineEdit *>(QStringLiteral("txtDBPath"))->setText(path);
    screen.findChild<QLineEdit *>(QStringLiteral("txtSysDB"))->setText(systemDb);
    screen.findChild<QLineEdit *>(QStringLiteral("txtUID"))->setText(QStringLiteral("pastor "));
    QVERIFY(screen.SaveSettings());
    QVERIFY(screen.saved());
    QSettings written(settingsFile(), QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("Local/DBPath")).toString(), storedPath);
    QCOMPARE(written.value(QStringLiteral("Local/AccessSecure")).toString(), secure);
    QCOMPARE(written.contains(QStringLiteral("Engines/Jet/SystemDB")), !systemDb.isEmpty());
    QCOMPARE(written.value(QStringLiteral("UserInfo/UID")).toString(), QStringLiteral("pastor "));
    QVERIFY(
        screen.findChild<QLabel *>(QStringLiteral("lblInfo"))
            ->text()
            .startsWith(QStringLiteral(
                "The information here will be stored in the System Registry under the entry ")));
}

void tst_StartUp::configurationScreenReachesTheConnection_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("databaseName");
    QTest::addColumn<QString>("dsn");
    QTest::addColumn<bool>("onServer");
    QTest::newRow("local file") << "optLocal"
                                << "/srv/church/church.mdb"
                                << "LocalDsn" << false;
    QTest::newRow("server") << "optServer"
                            << "sermons"
                            << "ChurchOffice" << true;
}

void tst_StartUp::configurationScreenReachesTheConnection()
{
    QFETCH(QString, option);
    QFETCH(QString, databaseName);
    QFETCH(QString, dsn);
    QFETCH(bool, onServer);
    frmConfig screen(*m_config);
    auto type = [&screen](const char *name, const QString &text) {
        screen.findChild<QLineEdit *>(QLatin1String(name))->setText(text);
    };
    type("txtDBPath", QStringLiteral("/srv/church"));
    type("txtLDBName", QStringLiteral("church.mdb"));
    type("txtLDSN", QStringLiteral("LocalDsn"));
    type("txtSDSN", QStringLiteral("ChurchOffice"));
    type("txtSDBName", QStringLiteral("sermons"));
    type("txtUID", QStringLiteral("pastor"));
    type("txtSysDB", QStringLiteral("system.mdw"));
    screen.findChild<QRadioButton *>(option)->setChecked(true);
    QVERIFY(screen.SaveSettings());

    QVERIFY(m_connection->LoadSettings(*m_config));
    QCOMPARE(m_connection->DatabaseName(), databaseName);
    QCOMPARE(m_connection->DSN(), dsn);
    QCOMPARE(m_connection->OnServer(), onServer);
    QCOMPARE(m_connection->LoginID(), QStringLiteral("pastor"));
    // Opened again, the screen shows what it saved, the system database too.
    frmConfig reopened(*m_config);
    auto shown = [&reopened](const char *name) {
        return reopened.findChild<QLineEdit *>(QLatin1String(name))->text();
    };
    QVERIFY(reopened.findChild<QRadioButton *>(option)->isChecked());
    QCOMPARE(shown("txtDBPath"), QStringLiteral("/srv/church/"));
    QCOMPARE(shown("txtSysDB"), QStringLiteral("system.mdw"));
    QCOMPARE(shown("txtUID"), QStringLiteral("pastor"));
}

void tst_StartUp::refusedSettingsWriteIsReported()
{
    // A settings folder that cannot exist: its parent is a plain file.
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    clsConfig::setStoreFileOverride(m_dir.filePath(QStringLiteral("blocker/lectorum.ini")));
    frmConfig screen(*m_config);
    QVERIFY(!screen.SaveSettings());
    QVERIFY(!screen.saved());
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().first().startsWith(
        QStringLiteral("The settings could not be saved")));
    // The first run then reports no settings rather than crashing.
    clsConnect connection;
    QVERIFY(!connection.LoadSettings(*m_config));
}

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
