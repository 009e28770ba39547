#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "StartUp.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmConfig.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using TestEnvironment::Engine;

class tst_StartUp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void firstRunWritesDefaultsAndNeverCreatesTheDatabase();
    void startUpKeepsTheSplashThenShowsTheMainWindow();
    void unopenableDatabaseOffersConfigurationOrQuits_data();
    void unopenableDatabaseOffersConfigurationOrQuits();
    void serverModeOpensNothingAtStartUp();
    void configurationScreenWrites_data();
    void configurationScreenWrites();
    void refusedSettingsWriteIsReported();

private:
    void pointSettingsAt(const QString &path);
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
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
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
    setProgramConnection(nullptr);
    m_connection.reset();
    m_config.reset();
}

void tst_StartUp::pointSettingsAt(const QString &path)
{
    const QFileInfo info(path);
    m_config->SaveConfig(QStringLiteral("DataSource"), QStringLiteral("DataLoc"), QStringLiteral("Local"));
    m_config->SaveConfig(QStringLiteral("Local"), QStringLiteral("DBPath"), info.absolutePath() + QLatin1Char('/'));
    m_config->SaveConfig(QStringLiteral("Local"), QStringLiteral("DBName"), info.fileName());
}

void tst_StartUp::firstRunWritesDefaultsAndNeverCreatesTheDatabase()
{
    const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/tst_startup.mdb");
    QFile::remove(expected);
    QVERIFY(m_connection->LoadSettings(*m_config));

    QSettings written(settingsFile(), QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("DataSource/DataLoc")).toString(), QStringLiteral("Local"));
    QCOMPARE(written.value(QStringLiteral("Local/DBPath")).toString(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    QCOMPARE(written.value(QStringLiteral("Local/DBName")).toString(), QStringLiteral("tst_startup.mdb"));
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
    TestDatabase db{Engine::SQLite};
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

void tst_StartUp::unopenableDatabaseOffersConfigurationOrQuits_data()
{
    QTest::addColumn<bool>("acceptOffer");
    QTest::newRow("quit") << false;
    QTest::newRow("configure") << true;
}

void tst_StartUp::unopenableDatabaseOffersConfigurationOrQuits()
{
    QFETCH(bool, acceptOffer);
    TestDatabase db{Engine::SQLite};
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

void tst_StartUp::serverModeOpensNothingAtStartUp()
{
    m_config->SaveConfig(QStringLiteral("DataSource"), QStringLiteral("DataLoc"), QStringLiteral("Server"));
    m_config->SaveConfig(QStringLiteral("Server"), QStringLiteral("DSN"), QStringLiteral("nowhere"));
    m_config->SaveConfig(QStringLiteral("Server"), QStringLiteral("DBServer"), QStringLiteral("-1"));
    StartUp startUp(*m_connection, *m_config);
    startUp.setMinimumSplashMilliseconds(0);
    std::unique_ptr<frmMain> main(startUp.run());
    QVERIFY(main);
    QVERIFY(m_connection->OnServer());
    QVERIFY(!m_connection->DBObject());
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_StartUp::configurationScreenWrites_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("systemDb");
    QTest::addColumn<QString>("storedPath");
    QTest::addColumn<QString>("secure");
    QTest::newRow("path gets its separator") << "  /srv/church  " << "" << "/srv/church/" << "0";
    QTest::newRow("secured") << "/srv/church/" << "system.mdw" << "/srv/church/" << "-1";
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
    QVERIFY(screen.findChild<QLabel *>(QStringLiteral("lblInfo"))->text().startsWith(
        QStringLiteral("The information here will be stored in the System Registry under the entry ")));
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
    QVERIFY(MsgBoxScript::shown().first().startsWith(QStringLiteral("The settings could not be saved")));
    // The first run then reports no settings rather than crashing.
    clsConnect connection;
    QVERIFY(!connection.LoadSettings(*m_config));
}

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
