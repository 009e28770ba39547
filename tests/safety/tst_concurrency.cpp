#include "SafetySupport.h"
#include "SqlLiterals.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QTest>

using TestEnvironment::Engine;

// Several copies of the program adding sermons to one database at the same moment.
class tst_Concurrency : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void writersLoseNoInsert_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void writersLoseNoInsert();
};

void tst_Concurrency::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
}

// Eight writers, each inserting through clsSermon::AddNew (key allocation, then the INSERT,
// as the sermon screen does): every insert a writer reported is in the table under its own
// key with its own title, no key was handed out twice, and no writer met an error, busy or
// otherwise (a writer stops at its first failure and says so).
void tst_Concurrency::writersLoseNoInsert()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    const QString worker = Safety::workerPath();
    QVERIFY2(QFile::exists(worker), qPrintable(worker));
    const bool sqlite = Engine(engine) == Engine::SQLite;
    constexpr int writers = 8;
    const int each = Safety::heavy() ? 1000 : 150;

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> running;
    for (int w = 0; w < writers; ++w) {
        auto process = std::make_unique<QProcess>();
        process->start(worker,
            { QStringLiteral("insert"), sqlite ? QStringLiteral("sqlite") : QStringLiteral("odbc"),
                sqlite ? db.filePath() : db.connectText(), QString::number(each),
                QStringLiteral("w%1").arg(w) });
        running.push_back(std::move(process));
    }
    QHash<int, QString> expectedTitles;
    qint64 longestInsert = 0;
    for (int w = 0; w < writers; ++w) {
        QProcess &process = *running[size_t(w)];
        QVERIFY(process.waitForFinished(Safety::heavy() ? 900000 : 180000));
        const QByteArray errors = process.readAllStandardError();
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            qPrintable(QStringLiteral("writer %1 exit %2: %3")
                           .arg(w)
                           .arg(process.exitCode())
                           .arg(QString::fromUtf8(errors))));
        QVERIFY2(!errors.contains("message:"), errors.constData());
        longestInsert = qMax(longestInsert, Safety::longestInsert(errors));
        const QList<int> keys = Safety::reportedKeys(process.readAllStandardOutput());
        QCOMPARE(keys.size(), each);
        for (int n = 0; n < keys.size(); ++n) {
            QVERIFY2(!expectedTitles.contains(keys[n]),
                qPrintable(QStringLiteral("key %1 handed out twice").arg(keys[n])));
            expectedTitles.insert(keys[n], QStringLiteral("w%1-%2").arg(w).arg(n + 1));
        }
    }
    const qint64 elapsed = clock.elapsed();
    qInfo("%d writers x %d inserts on %s: %lld ms, %.0f inserts/s, longest single insert %lld ms",
        writers, each, sqlite ? "SQLite" : "PostgreSQL", elapsed,
        writers * each * 1000.0 / double(qMax<qint64>(elapsed, 1)), longestInsert);

    // What the table holds is exactly what the writers reported.
    DbError error;
    auto rows = db.database().openSnapshot(
        QStringLiteral("SELECT lngSermonID, strTitle FROM tblSermons"), error);
    QVERIFY2(rows, qPrintable(error.driverText));
    int stored = 0;
    for (; !rows->eof(); rows->moveNext()) {
        const int key = NullToLong(rows->field(0));
        QCOMPARE(NullToText(rows->field(1)), expectedTitles.value(key));
        ++stored;
    }
    QVERIFY(!rows->lastError().isSet());
    rows->close();
    QCOMPARE(stored, writers * each);
    // Keys run 1..N without a gap: no allocation was lost or repeated.
    QCOMPARE(NullToLong(db.scalar(QStringLiteral("SELECT Max(lngSermonID) FROM tblSermons"))),
        writers * each);
    QCOMPARE(NullToLong(db.scalar(QStringLiteral(
                 "SELECT lngNextID FROM tblTableIds WHERE strTableName='tblSermons'"))),
        writers * each + 1);
    if (sqlite)
        QCOMPARE(Safety::integrityOf(db.filePath()), QStringLiteral("ok"));
}

QTEST_GUILESS_MAIN(tst_Concurrency)
#include "tst_concurrency.moc"
