#include "DbDatabase.h"
#include "DbTransaction.h"
#include "KeyCounter.h"
#include "PasswordEncode.h"
#include "SqlLiterals.h"
#include "StatementLog.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using TestEnvironment::Engine;

class tst_Connection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void settingsLoader_data();
    void settingsLoader();
    void noSettingsAndNoConfigurationScreen();
    void connectString_data();
    void connectString();
    void userCheck_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void userCheck();
    void keyAllocation_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void keyAllocation();
    void keyAllocationFailureReturnsZero();
    void keysAreDistinctAcrossProcesses_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void keysAreDistinctAcrossProcesses();

private:
    QTemporaryDir m_settingsDir;
};

void tst_Connection::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
    QFile::remove(m_settingsDir.filePath(QStringLiteral("settings/lectorum.ini")));
    TestEnvironment::isolateSettings(m_settingsDir.path());
    clsConfig::setConfigurationScreen(nullptr);
}

void tst_Connection::settingsLoader_data()
{
    QTest::addColumn<QString>("loc");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("databaseName");
    QTest::addColumn<bool>("onServer");
    QTest::newRow("local") << "Local"
                           << "0"
                           << "/data/Sermons.mdb" << false;
    QTest::newRow("local without flag") << "Local"
                                        << ""
                                        << "/data/Sermons.mdb" << false;
    QTest::newRow("server") << "Server"
                            << "-1"
                            << "/data/Sermons.mdb" << true;
}

void tst_Connection::settingsLoader()
{
    QFETCH(QString, loc);
    QFETCH(QString, server);
    QFETCH(QString, databaseName);
    QFETCH(bool, onServer);
    clsConfig config;
    config.SaveConfig(QStringLiteral("DataSource"), QStringLiteral("DataLoc"), loc);
    config.SaveConfig(loc, QStringLiteral("DBPath"), QStringLiteral("/data/"));
    config.SaveConfig(loc, QStringLiteral("DBName"), QStringLiteral("Sermons.mdb"));
    config.SaveConfig(loc, QStringLiteral("DSN"), QStringLiteral("church"));
    if (!server.isEmpty())
        config.SaveConfig(loc, QStringLiteral("DBServer"), server);
    config.SaveConfig(QStringLiteral("UserInfo"), QStringLiteral("UID"), QStringLiteral("pastor"));

    clsConnect connection;
    QVERIFY(connection.LoadSettings(config));
    QVERIFY(connection.ValidLogon());
    QCOMPARE(connection.DatabaseName(), databaseName);
    QCOMPARE(connection.OnServer(), onServer);
    QCOMPARE(connection.DSN(), QStringLiteral("church"));
    QCOMPARE(connection.LoginID(), QStringLiteral("pastor"));
}

void tst_Connection::noSettingsAndNoConfigurationScreen()
{
    clsConfig config;
    clsConnect connection;
    connection.setValidLogon(true);
    QVERIFY(!connection.LoadSettings(config));
    QVERIFY(!connection.ValidLogon());

    // With a configuration screen that saves, the loader goes on with what it wrote.
    clsConfig::setConfigurationScreen([](clsConfig &c) {
        c.SaveConfig(
            QStringLiteral("DataSource"), QStringLiteral("DataLoc"), QStringLiteral("Local"));
        c.SaveConfig(QStringLiteral("Local"), QStringLiteral("DBPath"), QStringLiteral("/x/"));
        c.SaveConfig(QStringLiteral("Local"), QStringLiteral("DBName"), QStringLiteral("y.mdb"));
        return true;
    });
    QVERIFY(connection.LoadSettings(config));
    QCOMPARE(connection.DatabaseName(), QStringLiteral("/x/y.mdb"));
}

void tst_Connection::connectString_data()
{
    QTest::addColumn<QString>("dsn");
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QString>("pwd");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "church"
                           << "pastor"
                           << "secret"
                           << "sermons"
                           << "ODBC;DSN=church;UID=pastor;PWD=secret;DATABASE=sermons";
    QTest::newRow("empty password") << "church"
                                    << "pastor"
                                    << ""
                                    << "sermons"
                                    << "ODBC;DSN=church;UID=pastor;PWD=;DATABASE=sermons";
    QTest::newRow("password with semicolon")
        << "church"
        << "pastor"
        << "a;DRIVER=evil"
        << "sermons"
        << "ODBC;DSN=church;UID=pastor;PWD={a;DRIVER=evil};DATABASE=sermons";
    QTest::newRow("braces doubled") << "church"
                                    << "pa}st{or"
                                    << "x"
                                    << "s"
                                    << "ODBC;DSN=church;UID={pa}}st{or};PWD=x;DATABASE=s";
}

void tst_Connection::connectString()
{
    QFETCH(QString, dsn);
    QFETCH(QString, uid);
    QFETCH(QString, pwd);
    QFETCH(QString, database);
    QFETCH(QString, expected);
    clsConnect connection;
    connection.setDSN(dsn);
    connection.setLoginID(uid);
    connection.setPassword(pwd);
    connection.setDatabaseName(database);
    QCOMPARE(connection.ConnectString(), expected);
}

void tst_Connection::userCheck()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    clsConnect &c = db.connection();

    c.setLoginID(QStringLiteral("admin"));
    QVERIFY(c.UserCheck(PasswordEncode(QStringLiteral(" Sermon "))));
    QCOMPARE(c.UserName(), QStringLiteral("Church Office"));
    QCOMPARE(c.UserID(), 1);
    QCOMPARE(c.UserGroup(), 1);

    QVERIFY(!c.UserCheck(PasswordEncode(QStringLiteral("wrong"))));
    QCOMPARE(c.UserGroup(), -1);
    QVERIFY(MsgBoxScript::shown().isEmpty()); // a wrong password has no message here
    QVERIFY(!c.UserCheck(PasswordEncode(QStringLiteral("ser mon!"))));

    // An id that is not there, and one that tries to widen the statement: no user either way.
    const QStringList ids = { QStringLiteral("nobody"), QStringLiteral("x' OR '1'='1") };
    for (const QString &id : ids) {
        MsgBoxScript::clear();
        c.setLoginID(id);
        QVERIFY(!c.UserCheck(PasswordEncode(QStringLiteral("sermon"))));
        QCOMPARE(c.UserID(), -1);
        QCOMPARE(MsgBoxScript::shown(),
            QStringList {
                QStringLiteral("No User Exists With the Login ID '") + id + QStringLiteral("'") });
    }

    // A user without a password signs in with an empty box.
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblUsers (lngUserID, strLoginID, strFirstName, strLastName, strPassword, lngGroupID, intConcurrencyID) VALUES (2, 'guest', Null, 'Visitor', Null, 3, 0)")));
    c.setLoginID(QStringLiteral("guest"));
    QVERIFY(c.UserCheck(PasswordEncode(QString())));
    QCOMPARE(c.UserName(), QStringLiteral(" Visitor"));
    QCOMPARE(GetStatusText().trimmed(), QString()); // busy texts were put back

    // A look-up that fails itself finds nobody either, whoever was found before.
    QCOMPARE(c.UserID(), 2);
    QVERIFY(db.exec(QStringLiteral("ALTER TABLE tblUsers RENAME TO tblUsersGone")));
    MsgBoxScript::clear();
    QVERIFY(!c.UserCheck(PasswordEncode(QString())));
    QCOMPARE(c.UserID(), -1);
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().constFirst().startsWith(
        QStringLiteral("An Error Occurred in the System ")));
}

void tst_Connection::keyAllocation()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    clsConnect &c = db.connection();
    auto next = [&db](const QString &table) {
        return NullToLong(
            db.scalar(QStringLiteral("SELECT lngNextID FROM tblTableIds WHERE strTableName='")
                + table + QStringLiteral("'")));
    };

    // Empty table, no counter row: 1, counter 2; then consecutive keys.
    QCOMPARE(c.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")), 1);
    QCOMPARE(next(QStringLiteral("tblTopics")), 2);
    QCOMPARE(c.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")), 2);
    QCOMPARE(c.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")), 3);

    // Rows up to 57 and no counter row: 58, counter 59.
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngSeriesID, strDisplayText) VALUES (57, 0, 0, 'x')")));
    QCOMPARE(c.TableIDGet(QStringLiteral("tblSermons"), QStringLiteral("lngSermonID")), 58);
    QCOMPARE(next(QStringLiteral("tblSermons")), 59);

    // A counter of 0 or Null hands out 1.
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblTableIds (strTableName, lngNextID) VALUES ('tblIllustr', 0)")));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblTableIds (strTableName, lngNextID) VALUES ('tblDateLoc', Null)")));
    QCOMPARE(c.TableIDGet(QStringLiteral("tblIllustr"), QStringLiteral("lngIllustrID")), 1);
    QCOMPARE(c.TableIDGet(QStringLiteral("tblDateLoc"), QStringLiteral("lngDateLocID")), 1);
    QCOMPARE(next(QStringLiteral("tblDateLoc")), 2);
    QVERIFY(MsgBoxScript::shown().isEmpty());

    // On the server a counter row is read and advanced by one statement.
    StatementLog::clear();
    StatementLog::setRecording(true);
    QCOMPARE(c.TableIDGet(QStringLiteral("tblDateLoc"), QStringLiteral("lngDateLocID")), 2);
    StatementLog::setRecording(false);
    if (Engine(engine) == Engine::PostgreSQL)
        QCOMPARE(StatementLog::recorded().size(), 1);

    // The last 32-bit key is the counter's end: the key below it is the last one handed out.
    QVERIFY(db.exec(QStringLiteral(
        "UPDATE tblTableIds SET lngNextID=2147483646 WHERE strTableName='tblTopics'")));
    QCOMPARE(c.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")), 2147483646);
    QCOMPARE(c.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")), 0);
    QCOMPARE(next(QStringLiteral("tblTopics")), 2147483647);
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().first().startsWith(
        QStringLiteral("An Error Occurred in the System ")));

    // A batch (an import's) takes its keys by the same counter, never below a floor it names;
    // a batch of none only lifts the counter; one past the end takes nothing.
    struct Batch
    {
        int count;
        qint32 atLeast, first;
        qint64 counterAfter;
    };
    for (const Batch &batch : { Batch { 3, 1, 59, 62 }, Batch { 2, 100, 100, 102 },
             Batch { 0, 200, 200, 200 }, Batch { 2147483647 - 199, 1, 0, 200 } }) {
        DbTransaction transaction(db.database());
        DbError error;
        QVERIFY(transaction.beginExclusive(QStringLiteral("tblTableIds"), error));
        QCOMPARE(KeyCounter::take(db.database(), QStringLiteral("tblSermons"),
                     QStringLiteral("lngSermonID"), batch.count, batch.atLeast, error),
            batch.first);
        QCOMPARE(error.isSet(), batch.first == 0);
        QVERIFY(transaction.commit(error));
        QCOMPARE(next(QStringLiteral("tblSermons")), batch.counterAfter);
    }
}

void tst_Connection::keyAllocationFailureReturnsZero()
{
    TestDatabase db(Engine::SQLite);
    REQUIRE_DATABASE(db);
    QCOMPARE(
        db.connection().TableIDGet(QStringLiteral("tblNoSuchTable"), QStringLiteral("lngID")), 0);
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().first().startsWith(
        QStringLiteral("An Error Occurred in the System ")));
    // The failed step left no transaction behind: the next allocation works.
    QCOMPARE(
        db.connection().TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")), 1);
    clsConnect closed;
    QCOMPARE(closed.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")), 0);
}

void tst_Connection::keysAreDistinctAcrossProcesses()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    const QString worker = qEnvironmentVariable("LECTORUM_KEY_WORKER");
    QVERIFY2(QFile::exists(worker), "LECTORUM_KEY_WORKER must name the key-worker program");
    const bool sqlite = Engine(engine) == Engine::SQLite;
    constexpr int processes = 6;
    constexpr int keysEach = 150;
    std::vector<std::unique_ptr<QProcess>> running;
    for (int i = 0; i < processes; ++i) {
        auto process = std::make_unique<QProcess>();
        process->start(worker,
            { sqlite ? QStringLiteral("sqlite") : QStringLiteral("odbc"),
                sqlite ? db.filePath() : db.connectText(), QString::number(keysEach),
                QStringLiteral("tblSermons"), QStringLiteral("lngSermonID") });
        running.push_back(std::move(process));
    }
    QSet<int> keys;
    for (auto &process : running) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitCode(), 0);
        const QList<QByteArray> lines = process->readAllStandardOutput().split('\n');
        for (const QByteArray &line : lines) {
            if (!line.isEmpty())
                keys.insert(line.toInt());
        }
    }
    QCOMPARE(keys.size(), processes * keysEach);
    QVERIFY(!keys.contains(0));
    QCOMPARE(*std::max_element(keys.begin(), keys.end()), processes * keysEach);
}

QTEST_GUILESS_MAIN(tst_Connection)
#include "tst_connection.moc"
