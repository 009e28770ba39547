#include "TestEnvironment.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "SchemaScript.h"
#include "clsConfig.h"
#include "clsConnect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <atomic>

namespace {

QString adminConnectText()
{
    return TestEnvironment::postgresConnectText(QStringLiteral("postgres"));
}

QString uniqueDatabaseName()
{
    static std::atomic<int> serial { 0 };
    return QStringLiteral("lectorum_t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++serial);
}

bool runAdmin(const QString &sql, QString &reason)
{
    DbError error;
    auto admin = DbDatabase::openOdbc(adminConnectText(), error);
    if (!admin) {
        reason = QStringLiteral("PostgreSQL test server not reachable: ") + error.driverText;
        return false;
    }
    int affected = 0;
    if (!admin->execute(sql, &affected, error)) {
        reason = QStringLiteral("%1 failed: %2").arg(sql, error.driverText);
        return false;
    }
    return true;
}

} // namespace

bool TestEnvironment::postgresConfigured()
{
    return qEnvironmentVariableIsSet("LECTORUM_TEST_PG_DSN");
}

QString TestEnvironment::postgresConnectText(const QString &database)
{
    return QStringLiteral("DSN=%1;UID=%2;PWD=;DATABASE=%3")
        .arg(qEnvironmentVariable("LECTORUM_TEST_PG_DSN"),
            qEnvironmentVariable("LECTORUM_TEST_PG_USER", QStringLiteral("postgres")), database);
}

void TestEnvironment::addEngineColumn()
{
    QTest::addColumn<int>("engine");
}

void TestEnvironment::addEngineRows(const char *prefix)
{
    QTest::newRow(QByteArray(QByteArray(prefix) + "sqlite").constData()) << int(Engine::SQLite);
    QTest::newRow(QByteArray(QByteArray(prefix) + "postgres").constData())
        << int(Engine::PostgreSQL);
}

void TestEnvironment::isolateHome(const QString &folder)
{
    for (const char *name : { "config", "data", "cache" })
        QDir(folder).mkpath(QLatin1String(name));
    qputenv("HOME", QFile::encodeName(folder));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folder + QStringLiteral("/cache")));
}

void TestEnvironment::isolateSettings(const QString &folder)
{
    clsConfig::setStoreFileOverride(folder + QStringLiteral("/settings/lectorum.ini"));
}

TestDatabase::TestDatabase(TestEnvironment::Engine engine, bool withDemo)
    : m_engine(engine)
    , m_connection(std::make_unique<clsConnect>())
{
    DbError error;
    if (engine == TestEnvironment::Engine::SQLite) {
        m_filePath = m_dir.filePath(QStringLiteral("lectorum.mdb"));
        auto created = DbDatabase::createFile(m_filePath, error);
        if (!created || !SchemaScript::load(*created, withDemo, error)) {
            m_reason = QStringLiteral("cannot create the test database: ") + error.driverText;
            return;
        }
        created.reset();
        m_connection->setOnServer(false);
        m_connection->setDatabaseName(m_filePath);
    } else {
        if (!TestEnvironment::postgresConfigured()) {
            m_reason = QStringLiteral("LECTORUM_TEST_PG_DSN is not set: no PostgreSQL test server");
            return;
        }
        m_serverDatabase = uniqueDatabaseName();
        if (!runAdmin(QStringLiteral("DROP DATABASE IF EXISTS ") + m_serverDatabase, m_reason)
            || !runAdmin(QStringLiteral("CREATE DATABASE ") + m_serverDatabase, m_reason))
            return;
        m_connectText = TestEnvironment::postgresConnectText(m_serverDatabase);
        auto created = DbDatabase::openOdbc(m_connectText, error);
        if (!created || !SchemaScript::load(*created, withDemo, error)) {
            m_reason = QStringLiteral("cannot load the schema on the server: ") + error.driverText;
            return;
        }
        created.reset();
        m_connection->setOnServer(true);
        m_connection->setDSN(qEnvironmentVariable("LECTORUM_TEST_PG_DSN"));
        m_connection->setLoginID(
            qEnvironmentVariable("LECTORUM_TEST_PG_USER", QStringLiteral("postgres")));
        m_connection->setPassword(QString());
        m_connection->setDatabaseName(m_serverDatabase);
    }
    if (!m_connection->DataInit() || !m_connection->DataOpen()) {
        m_reason = QStringLiteral("the connection object could not open the test database");
        return;
    }
    setProgramConnection(m_connection.get());
    m_ready = true;
}

TestDatabase::~TestDatabase()
{
    // A suite that assigns its next library before the last one is destroyed (a skipped server
    // row leaves one behind) must keep the new library installed.
    if (&ProgramConnection() == m_connection.get()) {
        setProgramConnection(nullptr);
    }
    m_connection->DataClose();
    if (!m_serverDatabase.isEmpty()) {
        QString ignored;
        runAdmin(QStringLiteral("DROP DATABASE IF EXISTS ") + m_serverDatabase
                + QStringLiteral(" WITH (FORCE)"),
            ignored);
    }
}

DbDatabase &TestDatabase::database()
{
    return *m_connection->DBObject();
}

bool TestDatabase::exec(const QString &sql)
{
    DbError error;
    int affected = 0;
    if (!m_connection->DBObject() || !m_connection->DBObject()->execute(sql, &affected, error)) {
        qWarning("statement failed: %s: %s", qPrintable(sql), qPrintable(error.driverText));
        return false;
    }
    return true;
}

QVariant TestDatabase::scalar(const QString &sql)
{
    DbError error;
    if (!m_connection->DBObject())
        return {};
    auto rows = m_connection->DBObject()->openSnapshot(sql, error);
    if (!rows) {
        qWarning("query failed: %s: %s", qPrintable(sql), qPrintable(error.driverText));
        return {};
    }
    if (rows->eof())
        return {};
    return rows->field(0);
}
