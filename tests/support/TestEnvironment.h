#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class clsConnect;
class DbDatabase;

// Fresh databases for tests, on either engine: a new SQLite file in a temporary folder, or
// a new database on the PostgreSQL server the test command started (found through
// LECTORUM_TEST_PG_DSN and the ODBC files of ODBCSYSINI).
namespace TestEnvironment {

enum class Engine { SQLite, PostgreSQL };

// Adds one data row per engine to a data-driven test (column "engine" of type int). The
// PostgreSQL row is always added; an unreachable server then fails the test (CI) or skips
// it when LECTORUM_REQUIRE_PG is not set (a developer machine without the server).
void addEngineColumn();
void addEngineRows(const char *prefix = "");
bool postgresConfigured();

// ODBC attribute text for a database on the test server ("DSN=…;UID=…;PWD=;DATABASE=…").
QString postgresConnectText(const QString &database);

// Settings go to a file in `folder`, never to the user's own.
void isolateSettings(const QString &folder);
// The home folder and the XDG folders (settings, data, cache, documents) inside `folder`:
// whatever the program writes there by default (a PDF printed without a printer, a backup)
// stays in the test's own folder.
void isolateHome(const QString &folder);

} // namespace TestEnvironment

// One fresh database with the delivered schema (and the demo library on request), opened by
// a connection object that is installed as the program's connection for the test's life.
class TestDatabase
{
public:
    explicit TestDatabase(TestEnvironment::Engine engine, bool withDemo = false);
    ~TestDatabase();

    // False when the database could not be made; reason() says why.
    bool isReady() const { return m_ready; }
    QString reason() const { return m_reason; }

    TestEnvironment::Engine engine() const { return m_engine; }
    clsConnect &connection() { return *m_connection; }
    DbDatabase &database();
    QString filePath() const { return m_filePath; } // SQLite
    QString connectText() const { return m_connectText; } // PostgreSQL
    QString folder() const { return m_dir.path(); }

    // Runs a statement directly (test set-up and checks), failing loudly.
    bool exec(const QString &sql);
    // The first column of the first row of a query, or an invalid QVariant.
    QVariant scalar(const QString &sql);

private:
    TestEnvironment::Engine m_engine;
    QTemporaryDir m_dir;
    std::unique_ptr<clsConnect> m_connection;
    QString m_filePath;
    QString m_connectText;
    QString m_serverDatabase;
    QString m_reason;
    bool m_ready = false;
};

// Skips or fails (see addEngineRows) when the fixture could not be made.
// Runs a test helper that checks as it goes (QVERIFY inside a helper only leaves the helper)
// and stops the calling test when the helper failed, so no later step runs on a wrong screen.
#define CHECKED_STEP(call)                                                                         \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

#define REQUIRE_DATABASE(fixture)                                                                  \
    do {                                                                                           \
        if (!(fixture).isReady()) {                                                                \
            if ((fixture).engine() == TestEnvironment::Engine::PostgreSQL                          \
                && !qEnvironmentVariableIsSet("LECTORUM_REQUIRE_PG"))                              \
                QSKIP(qPrintable((fixture).reason()));                                             \
            QFAIL(qPrintable((fixture).reason()));                                                 \
        }                                                                                          \
    } while (false)
