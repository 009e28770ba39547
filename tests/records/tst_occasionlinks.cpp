#include "LinkOperations.h"
#include "RecordingListener.h"
#include "SqlLiterals.h"
#include "StatementLog.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsDateLoc.h"

#include <QTest>

using TestEnvironment::Engine;

// The further occasions a sermon was preached (clsDateLoc) and the six link operations.
class tst_OccasionLinks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void occasionsByLocation_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void occasionsByLocation();
    void occasionFailures_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void occasionFailures();
    void linkOperations_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void linkOperations();
};

namespace {

bool addSermon(TestDatabase &db, int key)
{
    return db.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngSeriesID, strDisplayText) "
        "VALUES (%1, 0, 0, 'John 3:16')")
                       .arg(key));
}

QDateTime day(int year, int month, int dayOfMonth, QTime time = QTime(0, 0))
{
    return QDateTime(QDate(year, month, dayOfMonth), time);
}

} // namespace

void tst_OccasionLinks::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
    StatementLog::setRecording(false);
    StatementLog::clear();
}

void tst_OccasionLinks::occasionsByLocation()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(addSermon(db, 10));
    QVERIFY(addSermon(db, 20));
    RecordingScreen screen;
    clsDateLoc::listen(&screen);

    clsDateLoc occasion;
    QVERIFY(!occasion.OpenRecordset());
    struct Row
    {
        int sermon;
        const char *location;
        QDateTime date;
    };
    for (const Row &row : { Row { 10, "Zion Chapel", day(1998, 6, 15) },
             Row { 10, "Bethel, O'Hare Road", day(2001, 12, 2, QTime(19, 30)) },
             Row { 20, "Antioch", day(2010, 1, 3) }, Row { 10, "Corinth", day(2024, 2, 29) } }) {
        occasion.setSermonID(row.sermon);
        occasion.setLocation(QString::fromUtf8(row.location));
        occasion.setDatePreached(row.date);
        QVERIFY(occasion.AddNew());
    }
    // Each insert is announced with its key and values, whatever sermon it belongs to.
    QCOMPARE(screen.calls,
        (QStringList { "inserted 1: Zion Chapel\t6/15/1998",
            "inserted 2: Bethel, O'Hare Road\t12/2/2001 7:30:00 PM",
            "inserted 3: Antioch\t1/3/2010", "inserted 4: Corinth\t2/29/2024" }));

    // Find loads the sermon's occasion whose location sorts first; the walk lists every
    // sermon's occasions by location.
    clsDateLoc read;
    read.setSermonID(10);
    QVERIFY(read.Find());
    QCOMPARE(read.DateLocID(), 2);
    QCOMPARE(read.DatePreached(), day(2001, 12, 2, QTime(19, 30)));
    QStringList walked;
    for (bool more = read.OpenRecordset(); more; more = read.MoveNext())
        walked << QString::number(read.SermonID()) + QLatin1Char(' ') + read.Location();
    QCOMPARE(walked,
        (QStringList { "20 Antioch", "10 Bethel, O'Hare Road", "10 Corinth", "10 Zion Chapel" }));

    // Replace assigns the key to itself, the location before the date.
    StatementLog::setRecording(true);
    occasion.setDateLocID(1);
    occasion.setSermonID(10);
    occasion.setLocation(QStringLiteral(" Zion Chapel, Ohio "));
    occasion.setDatePreached(day(1998, 6, 14));
    screen.calls.clear();
    QVERIFY(occasion.Replace());
    QCOMPARE(screen.calls, QStringList { "updated 1:  Zion Chapel, Ohio \t6/14/1998" });
    QCOMPARE(StatementLog::recorded().last(),
        QStringLiteral("UPDATE tblDateLoc SET lngDateLocID=1, lngSermonID=10, strLocation='Zion "
                       "Chapel, Ohio', "
                       "dtDatePreached='1998-06-14' WHERE lngDateLocID=1"));

    screen.calls.clear();
    QVERIFY(occasion.Delete());
    QCOMPARE(screen.calls, QStringList { "deleted 1" });
    QVERIFY(MsgBoxScript::shown().isEmpty());
    clsDateLoc::stopListening(&screen);
}

void tst_OccasionLinks::occasionFailures()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(addSermon(db, 1));
    RecordingScreen screen;
    clsDateLoc::listen(&screen);

    // Both fields are tested; with both missing the location's message is left.
    clsDateLoc occasion;
    QVERIFY(!occasion.AddNew());
    QCOMPARE(occasion.InfoMsg(), QStringLiteral("Location Must Be Filled In."));
    occasion.setLocation(QStringLiteral("Bethel"));
    QVERIFY(!occasion.Replace());
    QCOMPARE(occasion.InfoMsg(), QStringLiteral("Date Preached Must Be Filled In."));

    // Vanished keys fail with the pattern's messages, not as engine failures.
    occasion.setDatePreached(day(2000, 1, 1));
    occasion.setDateLocID(55);
    QVERIFY(!occasion.Replace());
    QCOMPARE(occasion.InfoMsg(), QStringLiteral("Error Updating Current Record"));
    QVERIFY(!occasion.Delete());
    QCOMPARE(occasion.InfoMsg(), QStringLiteral("Error Deleting Current Record"));
    QVERIFY(!occasion.LastError().isSet());

    // An occasion of a sermon that does not exist: nothing shown, the caller gets the failure.
    occasion.setSermonID(404);
    QVERIFY(!occasion.AddNew());
    QVERIFY(occasion.LastError().sql.startsWith(QStringLiteral("INSERT INTO tblDateLoc")));
    QCOMPARE(occasion.InfoMsg(), QStringLiteral("Error Adding a New Record"));
    QVERIFY(MsgBoxScript::shown().isEmpty());

    // A failed key allocation goes to the caller like every other failure (the tracker says
    // it in its own words); its key 0 is never inserted.
    QVERIFY(db.exec(QStringLiteral("DROP TABLE tblTableIds")));
    occasion.setSermonID(1);
    QVERIFY(!occasion.AddNew());
    QCOMPARE(occasion.DateLocID(), 0);
    QVERIFY(occasion.LastError().isSet());
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(NullToLong(db.scalar(QStringLiteral("SELECT count(*) FROM tblDateLoc"))), 0);
    // Nothing failed is announced.
    QVERIFY(screen.calls.isEmpty());
    clsDateLoc::stopListening(&screen);
}

void tst_OccasionLinks::linkOperations()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(addSermon(db, 3));
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES (5, 'GRACE')")));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblIllustr (lngIllustrID, strName, strIllustration) VALUES (7, 'Net', 'x')")));

    struct Link
    {
        LinkResult (*add)(qint32, qint32);
        LinkResult (*remove)(qint32, qint32);
        const char *table, *owner, *other, *name;
        qint32 ownerKey, otherKey;
    };
    StatementLog::setRecording(true);
    for (const Link &link : { Link { AddSermonTopic, RemoveSermonTopic, "tblSermonTopics",
                                  "lngSermonID", "lngTopicID", "Sermon/Topic", 3, 5 },
             Link { AddIllustrTopic, RemoveIllustrTopic, "tblIllustrTopics", "lngIllustrID",
                 "lngTopicID", "Illustr/Topic", 7, 5 },
             Link { AddSermonIllustr, RemoveSermonIllustr, "tblSermonIllustr", "lngSermonID",
                 "lngIllustrID", "Sermon/Illustration", 3, 7 } }) {
        const QString where = QStringLiteral("%1 WHERE %2=%3 AND %4=%5")
                                  .arg(QString::fromUtf8(link.table), QString::fromUtf8(link.owner),
                                      QString::number(link.ownerKey), QString::fromUtf8(link.other),
                                      QString::number(link.otherKey));
        MsgBoxScript::clear();
        QVERIFY(link.add(link.ownerKey, link.otherKey));
        QCOMPARE(StatementLog::recorded().last(),
            QStringLiteral("INSERT INTO %1 (%2, %3 ) VALUES (%4, %5)")
                .arg(QString::fromUtf8(link.table), QString::fromUtf8(link.owner),
                    QString::fromUtf8(link.other), QString::number(link.ownerKey),
                    QString::number(link.otherKey)));
        QCOMPARE(NullToLong(db.scalar(QStringLiteral("SELECT count(*) FROM ") + where)), 1);

        // The pair is the key, the owner must exist: engine failures for the caller.
        for (const qint32 owner : { link.ownerKey, 999 }) {
            const LinkResult refused = link.add(owner, link.otherKey);
            QVERIFY(!refused && refused.error.isSet() && refused.message.isEmpty());
        }

        QVERIFY(link.remove(link.ownerKey, link.otherKey));
        QCOMPARE(StatementLog::recorded().last(), QStringLiteral("DELETE FROM ") + where);
        QCOMPARE(NullToLong(db.scalar(QStringLiteral("SELECT count(*) FROM ") + where)), 0);

        // A pair that is gone: no row affected, the table's message for the caller to show.
        const LinkResult gone = link.remove(link.ownerKey, link.otherKey);
        QVERIFY(!gone && !gone.error.isSet());
        QCOMPARE(gone.message,
            QStringLiteral("Error deleting %1 Record").arg(QString::fromUtf8(link.name)));
        QVERIFY(MsgBoxScript::shown().isEmpty());
    }
}

QTEST_GUILESS_MAIN(tst_OccasionLinks)
#include "tst_occasionlinks.moc"
