#include "SafetySupport.h"
#include "SqlLiterals.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConnect.h"

#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

using TestEnvironment::Engine;

// A copy of the program that dies in the middle of its work (power cut, kill, crash) must
// not take the database with it.
class tst_Crash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void killedWritersLeaveASoundFile();
};

void tst_Crash::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
}

namespace {

std::unique_ptr<QProcess> startWriter(const QString &path, int count, const QString &tag)
{
    auto process = std::make_unique<QProcess>();
    // Outlines up to 20,000 characters: some inserts span several pages, so a kill often
    // lands in the middle of writing the rollback journal or the file itself.
    process->start(Safety::workerPath(),
        { QStringLiteral("insert"), QStringLiteral("sqlite"), path, QString::number(count), tag,
            QStringLiteral("20000") });
    return process;
}

bool waitUntilReady(QProcess &process)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(20000))
            return false;
    }
    return process.readLine().trimmed() == "ready";
}

} // namespace

// Each round a writer inserting as fast as it can is killed (SIGKILL) after a random time,
// and a second writer adds a few sermons, beside it or just after the kill. After every round the
// file passes SQLite's integrity check, every sermon any writer reported as added (in this round or
// any earlier one) is there with its own title, and the key counter is past every key in
// use, so no key is ever handed out twice. The survivor must finish without an error: it
// meets the dead writer's unfinished transaction and its locks and has to get past both.
void tst_Crash::killedWritersLeaveASoundFile()
{
    TestDatabase db(Engine::SQLite);
    REQUIRE_DATABASE(db);
    QVERIFY2(QFile::exists(Safety::workerPath()), qPrintable(Safety::workerPath()));
    db.connection().DataClose(); // between rounds the file is read through fresh connections
    const QString path = db.filePath();
    const int rounds = Safety::heavy() ? 300 : 30;
    const quint32 seed = qEnvironmentVariableIsSet("LECTORUM_CRASH_SEED")
        ? quint32(qEnvironmentVariableIntValue("LECTORUM_CRASH_SEED"))
        : QRandomGenerator::global()->generate();
    qInfo("seed %u (LECTORUM_CRASH_SEED repeats this run)", seed);
    QRandomGenerator random(seed);

    QHash<int, QString> reported;
    int survivorsInserts = 0;
    int unfinishedTransactions = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 1; round <= rounds; ++round) {
        const QString victimTag = QStringLiteral("k%1").arg(round);
        const QString survivorTag = QStringLiteral("s%1").arg(round);
        auto victim = startWriter(path, 0, victimTag);
        QVERIFY2(waitUntilReady(*victim), victim->readAllStandardError().constData());
        // In odd rounds the second writer works beside the victim; in even rounds it starts
        // after the kill and is the first to find what the victim left.
        std::unique_ptr<QProcess> survivor;
        if (round % 2 == 1)
            survivor = startWriter(path, 5, survivorTag);
        QThread::msleep(random.bounded(1, 250));
        victim->kill();
        QVERIFY(victim->waitForFinished(20000));
        QVERIFY2(victim->exitStatus() == QProcess::CrashExit,
            victim->readAllStandardError().constData());
        if (!survivor) {
            // A journal left behind means the kill fell inside a transaction.
            if (QFile::exists(path + QStringLiteral("-journal")))
                ++unfinishedTransactions;
            survivor = startWriter(path, 5, survivorTag);
        }
        QVERIFY(survivor->waitForFinished(60000));
        const QByteArray survivorErrors = survivor->readAllStandardError();
        QVERIFY2(survivor->exitStatus() == QProcess::NormalExit && survivor->exitCode() == 0,
            qPrintable(QStringLiteral("round %1: survivor exit %2: %3")
                           .arg(round)
                           .arg(survivor->exitCode())
                           .arg(QString::fromUtf8(survivorErrors))));

        const QList<int> victimKeys = Safety::reportedKeys(victim->readAllStandardOutput());
        for (int n = 0; n < victimKeys.size(); ++n)
            reported.insert(victimKeys[n], victimTag + QLatin1Char('-') + QString::number(n + 1));
        const QList<int> survivorKeys = Safety::reportedKeys(survivor->readAllStandardOutput());
        QCOMPARE(survivorKeys.size(), 5);
        for (int n = 0; n < survivorKeys.size(); ++n)
            reported.insert(
                survivorKeys[n], survivorTag + QLatin1Char('-') + QString::number(n + 1));
        survivorsInserts += int(survivorKeys.size());

        const QString integrity = Safety::integrityOf(path);
        QVERIFY2(integrity == QLatin1String("ok"),
            qPrintable(QStringLiteral("round %1: %2").arg(round).arg(integrity)));
        DbError error;
        auto database = DbDatabase::openFile(path, error);
        QVERIFY2(database, qPrintable(error.driverText));
        auto rows = database->openSnapshot(
            QStringLiteral("SELECT lngSermonID, strTitle FROM tblSermons"), error);
        QVERIFY2(rows, qPrintable(error.driverText));
        QHash<int, QString> stored;
        for (; !rows->eof(); rows->moveNext())
            stored.insert(NullToLong(rows->field(0)), NullToText(rows->field(1)));
        rows->close();
        for (auto it = reported.cbegin(); it != reported.cend(); ++it) {
            QVERIFY2(stored.value(it.key()) == it.value(),
                qPrintable(QStringLiteral("round %1: sermon %2 (%3) reported as added is missing")
                               .arg(round)
                               .arg(it.key())
                               .arg(it.value())));
        }
        // At most one sermon per killed writer may be stored without having been reported:
        // the kill can fall between the commit and the line that tells of it.
        QVERIFY(stored.size() >= reported.size());
        QVERIFY(stored.size() <= reported.size() + round);
        auto counter = database->openSnapshot(
            QStringLiteral("SELECT lngNextID FROM tblTableIds WHERE strTableName='tblSermons'"),
            error);
        QVERIFY2(counter && !counter->eof(), qPrintable(error.driverText));
        const int nextKey = NullToLong(counter->field(0));
        counter->close();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            QVERIFY2(it.key() < nextKey,
                qPrintable(QStringLiteral("round %1: key %2 is not below the counter %3")
                               .arg(round)
                               .arg(it.key())
                               .arg(nextKey)));
    }
    qInfo("%d rounds in %lld ms: %lld sermons reported by killed writers, %d by survivors; "
          "%d of %d kills without a neighbour fell inside a transaction",
        rounds, clock.elapsed(), qint64(reported.size()) - survivorsInserts, survivorsInserts,
        unfinishedTransactions, rounds / 2);
}

QTEST_GUILESS_MAIN(tst_Crash)
#include "tst_crash.moc"
