#include "BenchLibrary.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "LibraryGenerator.h"
#include "clsConnect.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <cstdio>

namespace {

QString serverAttributes(const QString &database)
{
    return QStringLiteral("DSN=%1;UID=%2;PWD=;DATABASE=%3")
        .arg(qEnvironmentVariable("LECTORUM_TEST_PG_DSN"),
            qEnvironmentVariable("LECTORUM_TEST_PG_USER", QStringLiteral("postgres")), database);
}

bool runMkdb(const QStringList &arguments, QString &problem)
{
    std::printf("generating: lectorum-mkdb %s\n", qPrintable(arguments.join(QLatin1Char(' '))));
    std::fflush(stdout);
    QProcess mkdb;
    mkdb.setProcessChannelMode(QProcess::ForwardedChannels);
    mkdb.start(
        QCoreApplication::applicationDirPath() + QStringLiteral("/lectorum-mkdb"), arguments);
    if (!mkdb.waitForFinished(3600 * 1000) || mkdb.exitCode() != 0) {
        problem = QStringLiteral("lectorum-mkdb failed");
        return false;
    }
    return true;
}

} // namespace

QString TargetDatabase::address() const
{
    return postgres ? serverAttributes(serverName) : file;
}

QString TargetDatabase::describe() const
{
    return postgres ? QStringLiteral("PostgreSQL through ODBC") : QStringLiteral("SQLite");
}

void TargetDatabase::configure(clsConnect &connection) const
{
    connection.setOnServer(postgres);
    if (postgres) {
        connection.setDSN(qEnvironmentVariable("LECTORUM_TEST_PG_DSN"));
        connection.setLoginID(
            qEnvironmentVariable("LECTORUM_TEST_PG_USER", QStringLiteral("postgres")));
        connection.setDatabaseName(serverName);
    } else {
        connection.setDatabaseName(file);
    }
}

bool TargetDatabase::open(clsConnect &connection) const
{
    configure(connection);
    return connection.DataInit() && connection.DataOpen();
}

QVariant BenchLibrary::scalar(DbDatabase &db, const QString &sql)
{
    DbError error;
    auto rows = db.openSnapshot(sql, error);
    return rows && !rows->eof() ? rows->field(0) : QVariant();
}

bool BenchLibrary::prepare(
    const QString &engine, int size, const QString &dataFolder, TargetDatabase &target)
{
    target.postgres = engine == QLatin1String("postgres");
    if (!target.postgres) {
        target.file = dataFolder
            + QStringLiteral("/bench-%1-v%2.mdb").arg(size).arg(LibraryGenerator::Version);
        if (QFile::exists(target.file))
            return true;
        return runMkdb(
            { QStringLiteral("--generate"), QString::number(size), target.file }, target.problem);
    }
    if (qEnvironmentVariableIsEmpty("LECTORUM_TEST_PG_DSN")) {
        target.problem = QStringLiteral("LECTORUM_TEST_PG_DSN is not set");
        return false;
    }
    target.serverName
        = QStringLiteral("lectorum_bench_%1_v%2").arg(size).arg(LibraryGenerator::Version);
    DbError error;
    auto admin = DbDatabase::openOdbc(serverAttributes(QStringLiteral("postgres")), error);
    if (!admin) {
        target.problem = error.driverText;
        return false;
    }
    if (scalar(*admin,
            QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(target.serverName))
            .isValid())
        return true;
    int affected = 0;
    if (!admin->execute(QStringLiteral("CREATE DATABASE ") + target.serverName, &affected, error)) {
        target.problem = error.driverText;
        return false;
    }
    if (runMkdb({ QStringLiteral("--odbc"), target.address(), QStringLiteral("--generate"),
                    QString::number(size) },
            target.problem)) {
        // Measured at once, a new library has neither the server's statistics nor its
        // visibility map (which index-only reads need) until autovacuum comes by a minute or
        // so later: the first run's plans and times would differ from every later one's.
        if (auto library = DbDatabase::openOdbc(target.address(), error))
            library->execute(QStringLiteral("VACUUM ANALYZE"), &affected, error);
        return true;
    }
    admin->execute(QStringLiteral("DROP DATABASE ") + target.serverName, &affected, error);
    return false;
}

void BenchLibrary::prepareKeyCounters(const TargetDatabase &target)
{
    clsConnect connection;
    if (!target.open(connection))
        return;
    DbError error;
    int affected = 0;
    connection.DBObject()->execute(
        QStringLiteral("DELETE FROM tblTableIds WHERE strTableName='tblBench'"), &affected, error);
    connection.DBObject()->execute(
        QStringLiteral("INSERT INTO tblTableIds (strTableName, lngNextID) VALUES ('tblBench', 1)"),
        &affected, error);
}
