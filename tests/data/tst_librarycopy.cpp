#include "DbDatabase.h"
#include "LibraryCopy.h"
#include "ProgramTranslation.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using TestEnvironment::Engine;

// Moving a whole library between engines: exact values, the check that guards the commit,
// the refusals, and a copy killed before it committed.
class tst_LibraryCopy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void sqliteToServerAndBackLeavesEveryTableIdentical();
    void changedRowIsCaughtAndRolledBack_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void changedRowIsCaughtAndRolledBack();
    void refusalsLeaveTheDestinationAsItWas_data();
    void refusalsLeaveTheDestinationAsItWas();
    void commandLineFailuresSayWhy();
    void helpAndManualPageDescribeEveryOption();
    void killedCopyLeavesTheDestinationAsItWas();
    void stoppedServerLeavesTheDestinationAsItWas();
};

namespace {

// Texts that a copy must keep to the byte, dates to the second, Null apart from empty text.
void addAwkwardRows(TestDatabase &library)
{
    QVERIFY(library.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, "
        "intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, "
        "dtDatePreached, strLocation, strOutline) VALUES "
        "(9001, 1, 1, 43, 3, 16, 3, 17, 'John 3:16-17', 0, '  O''Brien, \"quoted\"  ', '', "
        "'2024-02-29 19:30:05', NULL, 'I.\tTab\r\nII. Crème brûlée — Ελληνικά עברית 🙂\n\\ % _ {fn x}'), "
        "(9002, 0, 1, 1, 1, 1, 1, 2, 'Gen 1:1-2', 0, NULL, NULL, '1899-12-30', '  ', NULL)")));
    QVERIFY(library.exec(QStringLiteral(
        "INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, strLocation) VALUES "
        "(9001, 9001, '1998-06-15', 'Zürich'), (9002, 9001, '2001-01-01 00:00:01', 'Nîmes')")));
    QVERIFY(library.exec(QStringLiteral(
        "UPDATE tblTableIds SET lngNextID = NULL WHERE strTableName = 'tblTopics'")));
    QVERIFY(library.exec(QStringLiteral(
        "INSERT INTO tblTableIds (strTableName, lngNextID) VALUES ('tblSermons', 9003), ('Ztbl', 1), ('atbl', 2)")));
}

bool copy(DbDatabase &from, DbDatabase &to, bool replace = false, QString *message = nullptr)
{
    LibraryCopy copy(from, to);
    copy.setReplaceExisting(replace);
    const bool copied = copy.run();
    if (message)
        *message = copy.message();
    if (!copied)
        qWarning("%s", qPrintable(copy.message()));
    return copied;
}

QList<LibraryTableSum> sums(DbDatabase &database)
{
    QList<LibraryTableSum> result;
    DbError error;
    if (!LibraryCopy::summarize(database, result, error))
        qWarning("summarize: %s", qPrintable(error.driverText));
    return result;
}

bool sameSums(const QList<LibraryTableSum> &a, const QList<LibraryTableSum> &b)
{
    if (a.size() != 20 || b.size() != 20)
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).rows != b.at(i).rows || a.at(i).checksum != b.at(i).checksum) {
            qWarning("%s differs", qPrintable(a.at(i).table));
            return false;
        }
    }
    return true;
}

} // namespace

void tst_LibraryCopy::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
    QVERIFY(ProgramTranslation::install(QStringLiteral("en"))); // "30 sermons"
}

void tst_LibraryCopy::sqliteToServerAndBackLeavesEveryTableIdentical()
{
    TestDatabase start(Engine::SQLite, true);
    REQUIRE_DATABASE(start);
    CHECKED_STEP(addAwkwardRows(start));
    TestDatabase server(Engine::PostgreSQL);
    REQUIRE_DATABASE(server);
    TestDatabase end(Engine::SQLite);
    REQUIRE_DATABASE(end);

    QVERIFY(copy(start.database(), server.database()));
    QVERIFY(copy(server.database(), end.database()));
    const QList<LibraryTableSum> before = sums(start.database());
    QVERIFY(sameSums(before, sums(server.database())));
    QVERIFY(sameSums(before, sums(end.database())));
    // Beyond the checksums' canonical form: the stored texts themselves.
    QCOMPARE(end.scalar(QStringLiteral("SELECT strTitle FROM tblSermons WHERE lngSermonID = 9001"))
                 .toString(),
        QStringLiteral("  O'Brien, \"quoted\"  "));
    QCOMPARE(
        end.scalar(QStringLiteral("SELECT strBigIdea FROM tblSermons WHERE lngSermonID = 9001"))
            .toString(),
        QString());
    QVERIFY(
        !end.scalar(QStringLiteral("SELECT strBigIdea FROM tblSermons WHERE lngSermonID = 9001"))
             .isNull());
    QVERIFY(end.scalar(QStringLiteral("SELECT strOutline FROM tblSermons WHERE lngSermonID = 9002"))
                .isNull());
    QCOMPARE(
        end.scalar(QStringLiteral("SELECT dtDatePreached FROM tblSermons WHERE lngSermonID = 9001"))
            .toString(),
        QStringLiteral("2024-02-29 19:30:05"));
    QCOMPARE(end.scalar(QStringLiteral(
                            "SELECT dtDatePreached FROM tblDateLoc WHERE lngDateLocID = 9001"))
                 .toString(),
        QStringLiteral("1998-06-15"));
    QCOMPARE(end.scalar(QStringLiteral(
                            "SELECT lngNextID FROM tblTableIds WHERE strTableName = 'tblSermons'"))
                 .toInt(),
        9003);
}

void tst_LibraryCopy::changedRowIsCaughtAndRolledBack()
{
    QFETCH(int, engine);
    TestDatabase source(Engine::SQLite, true);
    REQUIRE_DATABASE(source);
    TestDatabase destination { Engine(engine) };
    REQUIRE_DATABASE(destination);
    const QList<LibraryTableSum> before = sums(destination.database());

    LibraryCopy changed(source.database(), destination.database());
    changed.setBeforeCheck([](DbDatabase &copy) {
        DbError error;
        int rows = 0;
        QVERIFY(copy.execute(
            QStringLiteral("UPDATE tblTopics SET strTopic = 'GRACE ' WHERE strTopic = 'GRACE'"),
            &rows, error));
        QCOMPARE(rows, 1);
    });
    QVERIFY(!changed.run());
    QVERIFY2(changed.message().contains(QLatin1String("differs from the source in tblTopics (")),
        qPrintable(changed.message()));
    QVERIFY(!changed.message().contains(QLatin1String("tblSermons")));
    QVERIFY(sameSums(before, sums(destination.database())));

    // And after the fact, the comparison of two libraries names the changed table.
    QVERIFY(copy(source.database(), destination.database()));
    QVERIFY(destination.exec(QStringLiteral(
        "UPDATE tblSermons SET dtDatePreached = '1990-01-01 00:00:01' WHERE lngSermonID = 1")));
    const QList<LibraryTableSum> a = sums(source.database());
    const QList<LibraryTableSum> b = sums(destination.database());
    for (int i = 0; i < a.size(); ++i)
        QCOMPARE(
            a.at(i).checksum == b.at(i).checksum, a.at(i).table != QLatin1String("tblSermons"));
}

void tst_LibraryCopy::refusalsLeaveTheDestinationAsItWas_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("expected");
    QTest::newRow("holds sermons")
        << QString() << false << QStringLiteral("already holds 30 sermons");
    QTest::newRow("missing column")
        << QStringLiteral("ALTER TABLE tblSermons DROP COLUMN strOutline") << true
        << QStringLiteral("wrong schema: the table tblSermons has no column strOutline");
    QTest::newRow("missing table")
        << QStringLiteral("DROP TABLE tblSermonIllustr") << true
        << QStringLiteral("wrong schema: the table tblSermonIllustr is missing");
    QTest::newRow("cancelled") << QStringLiteral("cancel") << true
                               << QStringLiteral("cancelled; the destination is unchanged");
}

void tst_LibraryCopy::refusalsLeaveTheDestinationAsItWas()
{
    QFETCH(QString, damage);
    QFETCH(bool, replace);
    QFETCH(QString, expected);
    TestDatabase source(Engine::SQLite, true);
    REQUIRE_DATABASE(source);
    CHECKED_STEP(addAwkwardRows(source));
    TestDatabase destination(Engine::SQLite, true);
    REQUIRE_DATABASE(destination);
    if (!damage.isEmpty() && damage != QLatin1String("cancel"))
        QVERIFY(destination.exec(damage));
    const QList<LibraryTableSum> before = damage.isEmpty() || damage == QLatin1String("cancel")
        ? sums(destination.database())
        : QList<LibraryTableSum>();

    LibraryCopy refused(source.database(), destination.database());
    refused.setReplaceExisting(replace);
    if (damage == QLatin1String("cancel")) {
        refused.setProgress([](const LibraryCopyStep &step) {
            return !(step.table == QLatin1String("tblDateLoc") && step.done > 0);
        });
    }
    QVERIFY(!refused.run());
    QVERIFY2(refused.message().contains(expected), qPrintable(refused.message()));
    if (!before.isEmpty())
        QVERIFY(sameSums(before, sums(destination.database())));
    if (damage.isEmpty()) {
        // Asked to replace, the same copy goes through.
        QVERIFY(copy(source.database(), destination.database(), true));
        QVERIFY(sameSums(sums(source.database()), sums(destination.database())));
    }
}

void tst_LibraryCopy::commandLineFailuresSayWhy()
{
    TestDatabase source(Engine::SQLite, true);
    REQUIRE_DATABASE(source);
    QProcess mkdb;
    mkdb.start(qEnvironmentVariable("LECTORUM_MKDB"),
        { QStringLiteral("--copy"), source.filePath(),
            QStringLiteral("DSN=no_such_source;UID=u;PWD=s3cret") });
    QVERIFY(mkdb.waitForFinished(60000));
    const QString said = QString::fromUtf8(mkdb.readAllStandardError());
    QCOMPARE(mkdb.exitCode(), 1);
    QVERIFY2(said.contains(QLatin1String(
                 "cannot reach the destination server (DSN=no_such_source;UID=u;PWD=***)")),
        qPrintable(said));
    QVERIFY(!said.contains(QLatin1String("s3cret")));

    mkdb.start(qEnvironmentVariable("LECTORUM_MKDB"),
        { QStringLiteral("--copy"), source.filePath(), source.filePath() });
    QVERIFY(mkdb.waitForFinished(60000));
    QVERIFY(QString::fromUtf8(mkdb.readAllStandardError())
                .contains(QLatin1String("are the same database")));
}

void tst_LibraryCopy::helpAndManualPageDescribeEveryOption()
{
    QProcess mkdb;
    mkdb.start(qEnvironmentVariable("LECTORUM_MKDB"), { QStringLiteral("--help") });
    QVERIFY(mkdb.waitForFinished(60000));
    const QString help = QString::fromUtf8(mkdb.readAllStandardOutput());
    // The description, under the usage line, says both things the tool does.
    const QString opening = help.section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(
        opening.contains(QLatin1String("Creates")) && opening.contains(QLatin1String("copies")),
        qPrintable(help));
    QFile manual(qEnvironmentVariable("LECTORUM_MKDB_MANUAL"));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll());
    const QString optionsSection
        = page.section(QLatin1String(".SH OPTIONS"), 1).section(QLatin1String(".SH "), 0, 0);
    // Every option the parser knows (the help's option lines) has its entry in the manual page.
    static const QRegularExpression optionLine(
        QStringLiteral("^\\s+(?:-\\w, )?--(\\w+)"), QRegularExpression::MultilineOption);
    QStringList options;
    for (const QRegularExpressionMatch &match : optionLine.globalMatch(help))
        options << match.captured(1);
    QVERIFY2(options.contains(QLatin1String("copy")), qPrintable(help));
    for (const QString &option : std::as_const(options))
        QVERIFY2(optionsSection.contains(QLatin1String("\\-\\-") + option), qPrintable(option));
}

void tst_LibraryCopy::killedCopyLeavesTheDestinationAsItWas()
{
    TestDatabase source(Engine::SQLite, true);
    REQUIRE_DATABASE(source);
    TestDatabase destination(Engine::SQLite);
    REQUIRE_DATABASE(destination);
    const QList<LibraryTableSum> before = sums(destination.database());
    // A reader holding the file keeps the copy from committing: it is killed after every row
    // is written and checked, while it waits to commit.
    QVERIFY(destination.exec(QStringLiteral("BEGIN")));
    QVERIFY(destination.scalar(QStringLiteral("SELECT count(*) FROM tblSermons")).isValid());
    QProcess mkdb;
    mkdb.start(qEnvironmentVariable("LECTORUM_MKDB"),
        { QStringLiteral("--copy"), source.filePath(), destination.filePath() });
    QByteArray out;
    while (!out.contains("checking tblSermonIllustr") && mkdb.waitForReadyRead(30000))
        out += mkdb.readAllStandardOutput();
    QVERIFY2(out.contains("checking tblSermonIllustr"), out.constData());
    mkdb.kill();
    QVERIFY(mkdb.waitForFinished(10000));
    QCOMPARE(mkdb.exitStatus(), QProcess::CrashExit);
    QVERIFY(destination.exec(QStringLiteral("ROLLBACK")));
    QCOMPARE(destination.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
        QStringLiteral("ok"));
    QVERIFY(sameSums(before, sums(destination.database())));
}

namespace {
// A PostgreSQL server of its own for one test, which it may stop: started by the tests'
// server script in a temporary folder and removed again however the test ends.
class OwnServer
{
public:
    explicit OwnServer(const QString &folder)
    {
        m_environment.insert(QStringLiteral("LECTORUM_PG_DIR"), folder);
        m_started = script(QStringLiteral("start"));
        QFile settings(folder + QStringLiteral("/env"));
        if (!m_started || !settings.open(QIODevice::ReadOnly))
            return;
        // "export NAME=value" lines, values possibly in double quotes.
        for (const QByteArray &line : settings.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).remove(QStringLiteral("export "));
            const qsizetype equals = text.indexOf(QLatin1Char('='));
            if (equals > 0)
                m_environment.insert(
                    text.left(equals), text.mid(equals + 1).remove(QLatin1Char('"')));
        }
    }
    ~OwnServer() { script(QStringLiteral("remove")); }
    bool started() const { return m_started; }
    bool stop() { return script(QStringLiteral("stop")); }
    QProcessEnvironment environment() const { return m_environment; }
    QString connectText() const
    {
        return QStringLiteral("DSN=%1;UID=%2;DATABASE=postgres")
            .arg(m_environment.value(QStringLiteral("LECTORUM_TEST_PG_DSN")),
                m_environment.value(QStringLiteral("LECTORUM_TEST_PG_USER")));
    }

private:
    bool script(const QString &command)
    {
        QProcess run;
        run.setProcessEnvironment(m_environment);
        run.start(
            QStringLiteral("bash"), { qEnvironmentVariable("LECTORUM_PG_SERVER_SCRIPT"), command });
        return run.waitForFinished(180000) && run.exitStatus() == QProcess::NormalExit
            && run.exitCode() == 0;
    }

    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    bool m_started = false;
};
} // namespace

// The source server stops in the middle of a copy: the copy fails naming what failed, and the
// destination (a library with sermons, replaced on request) is as it was.
void tst_LibraryCopy::stoppedServerLeavesTheDestinationAsItWas()
{
    QTemporaryDir folder;
    // The server runs as postgres when the tests run as root.
    QVERIFY(QFile::setPermissions(folder.path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther));
    OwnServer server(folder.filePath(QStringLiteral("pg")));
    QVERIFY2(server.started(), "the test's own PostgreSQL server did not start");
    QProcess mkdb;
    mkdb.setProcessEnvironment(server.environment());
    mkdb.start(qEnvironmentVariable("LECTORUM_MKDB"),
        { QStringLiteral("--odbc"), server.connectText(), QStringLiteral("--generate"),
            QStringLiteral("3000") });
    QVERIFY(mkdb.waitForFinished(600000));
    QVERIFY2(mkdb.exitCode() == 0, mkdb.readAllStandardError().constData());

    TestDatabase destination(Engine::SQLite, true);
    REQUIRE_DATABASE(destination);
    const QList<LibraryTableSum> before = sums(destination.database());
    mkdb.start(qEnvironmentVariable("LECTORUM_MKDB"),
        { QStringLiteral("--copy"), QStringLiteral("--force"), server.connectText(),
            destination.filePath() });
    // Stopped once the first table has gone across, while the sermons are on their way.
    QByteArray out;
    while (!out.contains("copying ") && mkdb.waitForReadyRead(60000))
        out += mkdb.readAllStandardOutput();
    QVERIFY2(out.contains("copying "), out.constData());
    QVERIFY(server.stop());
    QVERIFY(mkdb.waitForFinished(120000));
    out += mkdb.readAllStandardOutput();
    const QString said = QString::fromUtf8(mkdb.readAllStandardError());
    QVERIFY2(!out.contains("copying tblSermons:"), "the sermons were copied before the stop");
    QCOMPARE(mkdb.exitStatus(), QProcess::NormalExit);
    QCOMPARE(mkdb.exitCode(), 1);
    // The table being read when the connection went, and that nothing was copied (below
    // the failed statements' trace when the "lectorum.db" log is on).
    QVERIFY2(said.contains(QLatin1String("lectorum-mkdb: Cannot read tbl"))
            && said.contains(QLatin1String("from the source; nothing was copied: error ")),
        qPrintable(said));
    QCOMPARE(destination.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
        QStringLiteral("ok"));
    QVERIFY(sameSums(before, sums(destination.database())));
}

QTEST_GUILESS_MAIN(tst_LibraryCopy)
#include "tst_librarycopy.moc"
