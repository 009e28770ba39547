#include "RecordingListener.h"
#include "SqlLiterals.h"
#include "StatementLog.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsBibleBook.h"
#include "clsIllustr.h"
#include "clsLocation.h"
#include "clsPreacher.h"
#include "clsPublisher.h"
#include "clsSeries.h"
#include "clsSermon.h"
#include "clsState.h"
#include "clsTopic.h"
#include "clsType.h"

#include <QRegularExpression>
#include <QTest>

using TestEnvironment::Engine;

// Series, preachers, publishers, topics, illustrations, the delivered lookup tables and the
// default location.
class tst_ReferenceRecords : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void seriesCheck_data();
    void seriesCheck();
    void seriesStoreAndListKeeping_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void seriesStoreAndListKeeping();
    void namedRecordsStoreAndSort_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void namedRecordsStoreAndSort();
    void lookupsAndDefaultLocation_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void lookupsAndDefaultLocation();
    void deletesCascadeThroughTheRecords_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void deletesCascadeThroughTheRecords();
    void noRowWithoutAKey_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void noRowWithoutAKey();
};

namespace {

// A record's list, one value per row whose `keep` is not 0 (given the key, the shipped
// rows with key 0 are left out).
template <class Record, class Value, class Keep> auto walk(Record &record, Value value, Keep keep)
{
    QList<decltype(value(record))> values;
    for (bool more = record.OpenRecordset(); more; more = record.MoveNext()) {
        if (keep(record) != 0)
            values << value(record);
    }
    return values;
}

int count(TestDatabase &db, const QString &where)
{
    return NullToLong(db.scalar(QStringLiteral("SELECT count(*) FROM ") + where));
}

} // namespace

void tst_ReferenceRecords::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
    StatementLog::setRecording(false);
    StatementLog::clear();
}

void tst_ReferenceRecords::seriesCheck_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString badYear = QStringLiteral("Valid Year Must Be Filled In.");
    QTest::newRow("lowest year") << "1400"
                                 << "Psalms"
                                 << "";
    QTest::newRow("highest year") << "2100"
                                  << "Psalms"
                                  << "";
    QTest::newRow("leading digits") << " 1998 AD "
                                    << "Psalms"
                                    << "";
    QTest::newRow("blank year") << "   "
                                << "Psalms"
                                << "";
    QTest::newRow("one below") << "1399"
                               << "Psalms" << badYear;
    QTest::newRow("one above") << "2101"
                               << "Psalms" << badYear;
    QTest::newRow("letters read as 0") << "abc"
                                       << "Psalms" << badYear;
    QTest::newRow("19x reads as 19") << "19x"
                                     << "Psalms" << badYear;
    QTest::newRow("fraction above the highest") << "2100.5"
                                                << "Psalms" << badYear;
    QTest::newRow("fraction within") << "1400.25"
                                     << "Psalms"
                                     << "";
    QTest::newRow("no name") << ""
                             << "  "
                             << "Series Name Must Be Filled In.";
    QTest::newRow("the year is told first") << "2101"
                                            << "" << badYear;
}

void tst_ReferenceRecords::seriesCheck()
{
    QFETCH(QString, year);
    QFETCH(QString, name);
    QFETCH(QString, message);
    clsSeries series;
    series.setPubYear(year);
    series.setName(name);
    QCOMPARE(series.Check(), message.isEmpty());
    QCOMPARE(series.InfoMsg(), message);
}

void tst_ReferenceRecords::seriesStoreAndListKeeping()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    RecordingScreen screen;
    clsSeries::listen(&screen);

    // Keys of 0 are stored as zeros, a blank year as Null; the insert is announced.
    clsSeries series;
    series.setName(QStringLiteral("Good News: Luke's Gospel"));
    series.setBibleBookID(42);
    series.setTypeID(1);
    series.setPubYear(QStringLiteral("  "));
    QVERIFY(series.AddNew());
    const qint32 first = series.SeriesID();
    QCOMPARE(count(db,
                 QStringLiteral("tblSeries WHERE lngPreacherID=0 AND lngPublisherID=0 AND "
                                "strPubYear Is Null AND lngSeriesID=")
                     + SQLLong(first)),
        1);
    QCOMPARE(screen.calls,
        QStringList(QStringLiteral("inserted %1: Good News: Luke's Gospel\t42\t0\t1").arg(first)));

    // A refused check still used up its key and announces nothing.
    screen.calls.clear();
    series.setPubYear(QStringLiteral("2101"));
    QVERIFY(!series.AddNew());
    QVERIFY(screen.calls.isEmpty());
    series.setPubYear(QStringLiteral("1999"));
    series.setPreacherID(77);
    series.setBibleBookID(0);
    series.setTypeID(0);
    QVERIFY(series.AddNew());
    QCOMPARE(series.SeriesID(), first + 2);
    QCOMPARE(screen.calls.at(0),
        QStringLiteral("inserted %1: Good News: Luke's Gospel\t0\t77\t0").arg(first + 2));

    // Replace assigns the key to itself.
    StatementLog::setRecording(true);
    series.setPubTitle(QStringLiteral("100% Gospel"));
    series.setNotes(QStringLiteral("line 1\nline 2"));
    screen.calls.clear();
    QVERIFY(series.Replace());
    QCOMPARE(screen.calls,
        QStringList(
            QStringLiteral("updated %1: Good News: Luke's Gospel\t0\t77\t0").arg(first + 2)));
    // The UPDATE comes after its check (the series just added is the version expected).
    QCOMPARE(StatementLog::recorded().filter(QRegularExpression(QStringLiteral("^UPDATE "))),
        QStringList(QStringLiteral(
            "UPDATE tblSeries SET lngSeriesID=%1, strName='Good News: Luke''s Gospel', "
            "lngBibleBookID=0, "
            "lngPreacherID=77, lngTypeID=0, strPubTitle='100% Gospel', "
            "lngPublisherID=0, strPubYear='1999', "
            "strNotes='line 1\nline 2' WHERE lngSeriesID=%1")
                        .arg(first + 2)));
    clsSeries read;
    read.setSeriesID(first + 2);
    QVERIFY(read.Find());
    QCOMPARE(walk(
                 read, [](clsSeries &s) { return s.SeriesID(); }, [](clsSeries &) { return 1; }),
        (QList<qint32> { 0, first, first + 2 })); // the stored order

    screen.calls.clear();
    QVERIFY(series.Delete());
    QCOMPARE(screen.calls, QStringList(QStringLiteral("deleted %1").arg(first + 2)));
    screen.calls.clear();
    QVERIFY(!series.Delete());
    QCOMPARE(series.InfoMsg(), QStringLiteral("Error Deleting Current Record"));
    QVERIFY(!series.Replace());
    QCOMPARE(series.InfoMsg(), QStringLiteral("Error Updating Current Record"));
    QVERIFY(!series.LastError().isSet());

    // Engine failures reach the caller unshown: a publisher that does not exist, a lost table.
    series.setPublisherID(404);
    QVERIFY(!series.AddNew());
    QVERIFY(series.LastError().sql.startsWith(QStringLiteral("INSERT INTO tblSeries")));
    QCOMPARE(series.InfoMsg(), QStringLiteral("Error Adding a New Record"));
    QVERIFY(db.exec(QStringLiteral("ALTER TABLE tblSeries RENAME TO tblSeriesGone")));
    QVERIFY(!series.OpenRecordset());
    QVERIFY(series.LastError().isSet());
    QVERIFY(!series.Find());
    QVERIFY(series.LastError().isSet());
    QVERIFY(screen.calls.isEmpty());
    QVERIFY(MsgBoxScript::shown().isEmpty());
    clsSeries::stopListening(&screen);
}

void tst_ReferenceRecords::namedRecordsStoreAndSort()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);

    // A preacher with only a last name: every other text Null, no state.
    clsPreacher preacher;
    preacher.setLastName(QStringLiteral("Okafor"));
    preacher.setMiddleInitial(QStringLiteral(" "));
    QVERIFY(preacher.AddNew());
    QCOMPARE(
        count(db,
            QStringLiteral(
                "tblPreachers WHERE strFirstName Is Null AND strMiddleInitial Is Null AND strCity "
                "Is Null AND strNotes Is Null AND lngStateID=0 AND strLastName='Okafor'")),
        1);
    for (const char *name : { "Zimmer", "O'Connor", "Abbott", "Miller", "Miller" }) {
        preacher.setLastName(QString::fromUtf8(name));
        preacher.setFirstName(QStringLiteral("José"));
        QVERIFY(preacher.AddNew());
    }
    QCOMPARE(walk(
                 preacher, [](clsPreacher &p) { return p.LastName(); },
                 [](clsPreacher &p) { return p.PreacherID(); }),
        (QStringList { "Abbott", "Miller", "Miller", "O'Connor", "Okafor", "Zimmer" }));
    preacher.setLastName(QStringLiteral("  ")); // the preacher's Replace checks first
    QVERIFY(!preacher.Replace());
    QCOMPARE(preacher.InfoMsg(), QStringLiteral("Last Name Must Be Filled In."));

    // The publisher's Replace leaves validation to the caller: a blank name is stored as Null.
    clsPublisher publisher;
    for (const char *name : { "LANTERN ROAD BOOKS", "CEDAR HILL PRESS", "NORTHSHORE" }) {
        publisher.setPublisher(QString::fromUtf8(name));
        publisher.setCity(QStringLiteral("Saint-Jérôme"));
        QVERIFY(publisher.AddNew());
    }
    QCOMPARE(walk(
                 publisher, [](clsPublisher &p) { return p.Publisher(); },
                 [](clsPublisher &p) { return p.PublisherID(); }),
        (QStringList { "CEDAR HILL PRESS", "LANTERN ROAD BOOKS", "NORTHSHORE" }));
    publisher.setPublisher(QString());
    QVERIFY(publisher.Replace());
    QCOMPARE(
        count(db,
            QStringLiteral("tblPublishers WHERE strPublisher Is Null AND strCity='Saint-Jérôme'")),
        1);

    // Topics are stored trimmed and listed by text; illustrations by name.
    clsTopic topic;
    QVERIFY(!topic.OpenRecordset());
    QVERIFY(!topic.Check());
    QCOMPARE(topic.InfoMsg(), QStringLiteral("Topic Must Be Filled In."));
    for (const char *text : { "  PRAYER  ", "GRACE", "HOPE & FAITH", "100% COMMITMENT" }) {
        topic.setDescription(QString::fromUtf8(text));
        QVERIFY(topic.AddNew());
    }
    QCOMPARE(walk(
                 topic, [](clsTopic &t) { return t.Description(); },
                 [](clsTopic &t) { return t.TopicID(); }),
        (QStringList { "100% COMMITMENT", "GRACE", "HOPE & FAITH", "PRAYER" }));
    clsIllustr illustration;
    QVERIFY(!illustration.Check()); // both missing: the name's message is left
    QCOMPARE(illustration.InfoMsg(), QStringLiteral("Name Must Be Filled In."));
    illustration.setName(QStringLiteral("Lighthouse"));
    QVERIFY(!illustration.Check());
    QCOMPARE(illustration.InfoMsg(), QStringLiteral("Illustration Must Be Filled In."));
    for (const char *name : { "Mended Net", "Lighthouse", "Borrowed Robe" }) {
        illustration.setName(QString::fromUtf8(name));
        illustration.setIllustration(QStringLiteral("“Keep the light burning,” he said."));
        QVERIFY(illustration.AddNew());
    }
    QCOMPARE(walk(
                 illustration, [](clsIllustr &i) { return i.Name(); },
                 [](clsIllustr &i) { return i.IllustrationID(); }),
        (QStringList { "Borrowed Robe", "Lighthouse", "Mended Net" }));

    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_ReferenceRecords::lookupsAndDefaultLocation()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);

    // The delivered tables in their stored order; a key shows its name.
    clsBibleBook book;
    const QStringList books = walk(
        book, [](clsBibleBook &b) { return b.BibleBook(); },
        [](clsBibleBook &b) { return b.BibleBookID(); });
    QCOMPARE((QStringList { books.value(0), books.value(42), books.value(65) }),
        (QStringList { "Genesis", "John", "Revelation" }));
    clsType type;
    type.setTypeID(2);
    QVERIFY(type.Find());
    QCOMPARE(type.TypeDesc(), QStringLiteral("Topical"));
    clsState state;
    state.setStateID(35);
    QVERIFY(state.Find());
    QCOMPARE(state.StateCode(), QStringLiteral("OH"));

    // The default location: OpenRecordset, then Retrieve; the LocationID property is ignored.
    clsLocation::setDefaultLocationID(1);
    clsLocation location;
    location.setLocationID(7);
    QVERIFY(!location.OpenRecordset());
    QVERIFY(location.Retrieve());
    QCOMPARE(location.LocationID(), 1);
    QCOMPARE(location.Location(), QStringLiteral("First Community Church"));
    location.setLocation(QStringLiteral("  St. Andrew's Kirk  "));
    QVERIFY(location.Replace());
    location.OpenRecordset();
    QVERIFY(location.MoveNext());
    QCOMPARE(location.Location(), QStringLiteral("St. Andrew's Kirk"));
    QVERIFY(!location.MoveNext());

    // Without row 1: nothing to retrieve (told to the caller, not shown), nothing updated.
    QVERIFY(db.exec(QStringLiteral("DELETE FROM tblLocation")));
    location.OpenRecordset();
    QVERIFY(!location.Retrieve());
    QCOMPARE(location.LastError().number, 3021);
    QCOMPARE(location.Location(), QStringLiteral("St. Andrew's Kirk"));
    QVERIFY(!location.Replace());
    QCOMPARE(location.InfoMsg(), QStringLiteral("Error Updating Current Record"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_ReferenceRecords::deletesCascadeThroughTheRecords()
{
    QFETCH(int, engine);
    TestDatabase db(Engine(engine), true);
    REQUIRE_DATABASE(db);
    auto sermons = [](auto test) {
        clsSermon sermon;
        return walk(
            sermon, [](clsSermon &s) { return s.SermonID(); }, test)
            .size();
    };
    const auto all = sermons([](clsSermon &) { return true; });

    // A preacher's sermons go with the preacher, a series' with the series, and a publisher's
    // series with the publisher, their sermons too.
    const auto byPreacher = sermons([](clsSermon &s) { return s.PreacherID() == 1; });
    clsPreacher preacher;
    preacher.setPreacherID(1);
    QVERIFY(preacher.Delete());
    const auto inSeries2 = sermons([](clsSermon &s) { return s.SeriesID() == 2; });
    clsSeries series;
    series.setSeriesID(2);
    QVERIFY(series.Delete());
    const auto inSeries3 = sermons([](clsSermon &s) { return s.SeriesID() == 3; });
    clsPublisher publisher;
    publisher.setPublisherID(2);
    QVERIFY(publisher.Delete());
    QVERIFY(byPreacher > 0 && inSeries2 > 0 && inSeries3 > 0);
    series.setSeriesID(3);
    QVERIFY(!series.Find());
    QCOMPARE(sermons([](clsSermon &) { return true; }), all - byPreacher - inSeries2 - inSeries3);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

// Every counter at its end: the allocator refuses and says so once, and AddNew stores nothing
// under key 0 (the key of the shipped default rows).
void tst_ReferenceRecords::noRowWithoutAKey()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    const QStringList tables = { QStringLiteral("tblTopics"), QStringLiteral("tblIllustr"),
        QStringLiteral("tblPreachers"), QStringLiteral("tblPublishers"),
        QStringLiteral("tblSeries") };
    for (const QString &table : tables) {
        QVERIFY(
            db.exec(QStringLiteral("DELETE FROM tblTableIds WHERE strTableName='%1'").arg(table)));
        QVERIFY(db.exec(QStringLiteral(
            "INSERT INTO tblTableIds (strTableName, lngNextID) VALUES ('%1', 2147483647)")
                            .arg(table)));
    }
    StatementLog::setRecording(true);
    // The exhausted counter is shown at once by a class that shows its failures, and kept for
    // the screen by one that leaves them to it (the series).
    const auto refused = [](auto &&record, const QString &table, bool shown = true) {
        MsgBoxScript::clear();
        StatementLog::clear();
        const bool added = record.AddNew();
        const bool inserted
            = !StatementLog::recorded()
                   .filter(QStringLiteral("INSERT INTO ") + table + QLatin1Char(' '))
                   .isEmpty();
        return !added && !inserted && record.InfoMsg() == QLatin1String("Error Adding a New Record")
            && MsgBoxScript::shown().size() == (shown ? 1 : 0);
    };
    QVERIFY(refused(clsTopic(), tables[0]));
    QVERIFY(refused(clsIllustr(), tables[1]));
    QVERIFY(refused(clsPreacher(), tables[2]));
    QVERIFY(refused(clsPublisher(), tables[3]));
    clsSeries series; // a series passes its check before the key is looked at
    series.setName(QStringLiteral("Psalms"));
    QVERIFY(refused(series, tables[4], false));
    QCOMPARE(series.LastError().number, DbErrorNumber::ValueOutOfRange);
}

QTEST_GUILESS_MAIN(tst_ReferenceRecords)
#include "tst_referencerecords.moc"
