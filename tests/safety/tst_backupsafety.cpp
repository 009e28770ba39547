#include "LibraryBackup.h"
#include "SafetySupport.h"
#include "SqliteFile.h"
#include "TestEnvironment.h"
#include "clsConnect.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

using TestEnvironment::Engine;

// Backups where things go wrong: another copy of the program writing throughout, the
// program killed in the middle of a backup, a file-size limit that stops the copy. In every
// case the library is untouched and no broken backup is ever visible.
class tst_BackupSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { qunsetenv("XDG_DATA_HOME"); }
    void backupWhileAnotherCopyWrites();
    void killedOrLimitedBackups_data();
    void killedOrLimitedBackups();
    void programKilledWhileFinishingItsBackup();

private:
    QTemporaryDir m_home;
};

namespace {

// The backups a user could be offered: every name of the backup form.
QStringList visibleBackups(const QString &folder)
{
    static const QRegularExpression form(QStringLiteral("^lectorum-\\d{8}-\\d{6}\\.mdb$"));
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(form);
}

bool sound(const QString &path)
{
    SqliteFile file;
    return file.open(path, SqliteFile::Mode::ReadOnly)
        && file.integrityProblems() == QStringList { QStringLiteral("ok") };
}

qint64 sermons(const QString &path)
{
    SqliteFile file;
    return file.open(path, SqliteFile::Mode::ReadOnly)
        ? file.scalar(QStringLiteral("SELECT count(*) FROM tblSermons")).toLongLong()
        : -1;
}

} // namespace

void tst_BackupSafety::init()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
}

// Each backup taken while a writer inserts sermons as fast as it can is one moment of the
// library: it passes its check and holds the writer's sermons 1..k with no gap, each with the
// outline the writer gave it; and the writer never fails.
void tst_BackupSafety::backupWhileAnotherCopyWrites()
{
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    db.connection().DataClose();
    const QString library = db.filePath();
    QProcess writer;
    writer.start(Safety::workerPath(),
        { QStringLiteral("insert"), QStringLiteral("sqlite"), library, QStringLiteral("0"),
            QStringLiteral("W"), QStringLiteral("20000") });
    QVERIFY(writer.waitForReadyRead(20000));
    QCOMPARE(writer.readLine().trimmed(), QByteArray("ready"));

    const QString folder = LibraryBackup::folderFor(library);
    const QDateTime start(QDate(2026, 12, 8), QTime(12, 0));
    QList<qint64> seen;
    for (int i = 0; i < 6; ++i) {
        QThread::msleep(150);
        const LibraryBackup::Outcome made
            = LibraryBackup::backUp(library, folder, start.addSecs(i), {});
        QVERIFY2(made.ok, qPrintable(made.message));
        QVERIFY2(sound(made.path), qPrintable(made.path));
        SqliteFile copy;
        QVERIFY(copy.open(made.path, SqliteFile::Mode::ReadOnly));
        QVector<QVariantList> rows;
        QVERIFY(copy.query(
            QStringLiteral("SELECT CAST(substr(strTitle, 3) AS INTEGER) AS n FROM tblSermons "
                           "WHERE strTitle LIKE 'W-%' ORDER BY n"),
            rows));
        for (int n = 0; n < rows.size(); ++n)
            QCOMPARE(rows.at(n).value(0).toLongLong(), qint64(n + 1));
        // The key counter is past every sermon in the copy: the copy is one moment, not a mix.
        const qint64 maxKey
            = copy.scalar(QStringLiteral("SELECT max(lngSermonID) FROM tblSermons")).toLongLong();
        const QVariant counter = copy.scalar(
            QStringLiteral("SELECT lngNextID FROM tblTableIds WHERE strTableName = 'tblSermons'"));
        if (counter.isValid())
            QVERIFY2(counter.toLongLong() >= maxKey,
                qPrintable(QStringLiteral("%1 < %2").arg(counter.toLongLong()).arg(maxKey)));
        seen << rows.size();
    }
    QCOMPARE(writer.state(), QProcess::Running); // no insert failed meanwhile
    writer.kill();
    writer.waitForFinished();
    qInfo("writer's sermons in the backups: %s", qPrintable([&] {
        QStringList s;
        for (qint64 n : seen)
            s << QString::number(n);
        return s.join(QLatin1Char(' '));
    }()));
    QVERIFY2(seen.last() > seen.first(), "the writer made progress during the backups");
}

void tst_BackupSafety::killedOrLimitedBackups_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("killed at random moments") << "kill";
    QTest::newRow("file-size limit of 1 MB") << "limit";
}

// A library of about 40 MB, so a backup takes long enough to be cut short. Killed: whatever
// moment the kill lands on, a visible backup is whole and sound. Limited: the copy stops,
// the user reads why, and nothing is left behind.
void tst_BackupSafety::killedOrLimitedBackups()
{
    QFETCH(QString, how);
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngBibleBookID, strTitle, strOutline) "
        "WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 11000) "
        "SELECT i, 1 + i % 66, 'Bulk ' || i, hex(randomblob(2000)) FROM n")));
    db.connection().DataClose();
    const QString library = db.filePath();
    const qint64 count = sermons(library);
    const QString folder = LibraryBackup::folderFor(library);

    if (how == QLatin1String("limit")) {
        QProcess worker;
        worker.start(Safety::workerPath(),
            { QStringLiteral("backup"), library, folder, QStringLiteral("1048576") });
        QVERIFY(worker.waitForFinished(60000));
        const QByteArray output = worker.readAllStandardOutput();
        QCOMPARE(worker.exitCode(), 5);
        QVERIFY2(output.contains("the disk is full or the file grew past the size allowed"),
            output.constData());
        QVERIFY2(output.contains("The library and the earlier backups are unchanged."),
            output.constData());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    } else {
        QRandomGenerator random(QRandomGenerator::global()->generate());
        QElapsedTimer clock;
        clock.start();
        QProcess timing;
        timing.start(Safety::workerPath(), { QStringLiteral("backup"), library, folder });
        QVERIFY(timing.waitForFinished(60000));
        QCOMPARE(timing.exitCode(), 0);
        const int fullTime = int(clock.elapsed());
        qInfo("one backup in a separate process: %d ms", fullTime);
        QCOMPARE(visibleBackups(folder).size(), 1);
        for (int round = 0; round < 8; ++round) {
            QProcess worker;
            worker.start(Safety::workerPath(), { QStringLiteral("backup"), library, folder });
            QVERIFY(worker.waitForReadyRead(20000));
            QThread::msleep(random.bounded(fullTime + 1));
            worker.kill();
            worker.waitForFinished();
            for (const QString &name : visibleBackups(folder))
                QVERIFY2(sound(folder + QLatin1Char('/') + name), qPrintable(name));
        }
    }
    QVERIFY(sound(library));
    QCOMPARE(sermons(library), count);
    const LibraryBackup::Outcome after
        = LibraryBackup::backUp(library, folder, QDateTime::currentDateTime().addDays(1), {});
    QVERIFY2(after.ok, qPrintable(after.message));
    QCOMPARE(sermons(after.path), count);
}

// The program is closed while its backup of a library of about 40 MB runs: it shows
// "Finishing the backup…" and is killed there. Any backup in sight is whole and sound, the
// library is untouched, and the next backup clears what the killed one left.
void tst_BackupSafety::programKilledWhileFinishingItsBackup()
{
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngBibleBookID, strTitle, strOutline) "
        "WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 11000) "
        "SELECT i, 1 + i % 66, 'Bulk ' || i, hex(randomblob(2000)) FROM n")));
    db.connection().DataClose();
    const QString library = db.filePath();
    const qint64 count = sermons(library);
    const QString folder = LibraryBackup::folderFor(library);

    QProcess worker;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    worker.setProcessEnvironment(environment);
    worker.start(QStringLiteral(LECTORUM_BACKUP_QUIT_WORKER), { library });
    QByteArray said;
    while (!said.contains('\n') && worker.waitForReadyRead(30000))
        said += worker.readAllStandardOutput();
    worker.kill();
    QVERIFY(worker.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(said).trimmed(), QStringLiteral("finishing Finishing the backup…"));

    for (const QString &name : visibleBackups(folder))
        QVERIFY2(sound(folder + QLatin1Char('/') + name), qPrintable(name));
    QVERIFY(sound(library));
    QCOMPARE(sermons(library), count);
    const LibraryBackup::Outcome after
        = LibraryBackup::backUp(library, folder, QDateTime::currentDateTime().addDays(1), {});
    QVERIFY2(after.ok, qPrintable(after.message));
    QCOMPARE(sermons(after.path), count);
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(left.filter(QStringLiteral("partial")).isEmpty(), qPrintable(left.join(' ')));
}

QTEST_GUILESS_MAIN(tst_BackupSafety)
#include "tst_backupsafety.moc"
