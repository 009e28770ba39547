#include "RecordingListener.h"
#include "SqlLiterals.h"
#include "StatementLog.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsSermon.h"

#include <QTest>

using TestEnvironment::Engine;

class tst_SermonRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void textsSurviveARoundTrip_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void textsSurviveARoundTrip();
    void listWalkInBibleOrder_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void listWalkInBibleOrder();
    void checkAndVanishedKeys_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void checkAndVanishedKeys();
    void exactStatements_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void exactStatements();
    void keepsTheSermonListInStep_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void keepsTheSermonListInStep();
    void engineFailuresAreTrapped_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void engineFailuresAreTrapped();
};

namespace {

void fillSermon(clsSermon &s, qint32 book, qint16 chapter, qint16 verse, const QString &reference)
{
    s.setBibleBookID(book);
    s.setBeginChapter(chapter);
    s.setBeginVerse(verse);
    s.setEndChapter(chapter);
    s.setEndVerse(verse);
    s.setReference(reference);
}

QString statementStarting(const QString &start)
{
    const QStringList texts = StatementLog::recorded();
    for (const QString &sql : texts) {
        if (sql.startsWith(start))
            return sql;
    }
    return QString();
}

} // namespace

void tst_SermonRecord::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
}

void tst_SermonRecord::cleanup()
{
    StatementLog::setRecording(false);
    StatementLog::clear();
}

void tst_SermonRecord::textsSurviveARoundTrip()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);

    QString outline;
    while (outline.size() < qsizetype(1024) * 1024)
        outline += QStringLiteral(
            "I. God's love is patient — Ἀγάπη μακροθυμεῖ; 100% sure.\r\n\tA. Point\n");
    const QStringList texts = {
        QStringLiteral("O'Brien's \"quoted\" word"),
        QStringLiteral("C:\\Sermons\\new\\table.txt"),
        QStringLiteral("100% of the _wildcards_ %% stay"),
        QStringLiteral("Café, déjà vu, Ñandú, Zürich"),
        QStringLiteral("Ἐν ἀρχῇ ἦν ὁ λόγος"),
        QStringLiteral("בְּרֵאשִׁית בָּרָא אֱלֹהִים"),
        QStringLiteral("line one\nline two\r\n\ttabbed line"),
        outline,
    };
    const QDateTime evening(QDate(1998, 6, 15), QTime(19, 30));
    for (const QString &text : texts) {
        clsSermon written;
        fillSermon(written, 43, 3, 16, text);
        written.setTitle(text);
        written.setBigIdea(text);
        written.setLocation(text);
        written.setOutline(text);
        written.setDatePreached(evening);
        QVERIFY(written.AddNew());
        clsSermon read;
        read.setSermonID(written.SermonID());
        QVERIFY(read.Find());
        QCOMPARE((QStringList { read.Reference(), read.Title(), read.BigIdea(), read.Location() }),
            QStringList(4, text));
        QVERIFY(read.Outline() == text);
        QCOMPARE(read.DatePreached(), evening);
    }

    // Blank texts and no date are stored as Null and read back empty; surrounding blanks go.
    clsSermon blank;
    fillSermon(blank, 19, 23, 1, QStringLiteral("  Psalm 23  "));
    blank.setTitle(QStringLiteral("   "));
    blank.setLocation(QStringLiteral(" "));
    QVERIFY(blank.AddNew());
    QCOMPARE(NullToLong(db.scalar(QStringLiteral(
                 "SELECT count(*) FROM tblSermons WHERE strTitle Is Null AND strBigIdea "
                 "Is Null AND strLocation Is Null AND strOutline Is Null AND dtDatePreached "
                 "Is Null AND strDisplayText='Psalm 23'"))),
        1);
    clsSermon read;
    read.setSermonID(blank.SermonID());
    read.setTitle(QStringLiteral("stale"));
    read.setDatePreached(evening);
    QVERIFY(read.Find());
    QCOMPARE(read.Title(), QString());
    QVERIFY(!read.DatePreached().isValid());
    QCOMPARE(read.BeginChapter(), qint16(23));
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_SermonRecord::listWalkInBibleOrder()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);

    // An empty table: no row and nothing left open.
    clsSermon s;
    QVERIFY(!s.OpenRecordset());
    QVERIFY(!s.MoveNext());

    struct Row
    {
        qint32 book;
        qint16 chapter;
        qint16 verse;
        const char *reference;
    };
    for (const Row &row : { Row { 43, 3, 16, "John 3:16b" }, Row { 1, 1, 1, "Genesis 1:1" },
             Row { 43, 1, 1, "John 1:1" }, Row { 19, 23, 1, "Psalm 23" },
             Row { 43, 3, 16, "John 3:16a" }, Row { 43, 3, 2, "John 3:2" } }) {
        clsSermon added;
        fillSermon(added, row.book, row.chapter, row.verse, QString::fromUtf8(row.reference));
        QVERIFY(added.AddNew());
    }
    QStringList walked;
    for (bool more = s.OpenRecordset(); more; more = s.MoveNext())
        walked << s.Reference();
    QCOMPARE(walked,
        (QStringList {
            "Genesis 1:1", "Psalm 23", "John 1:1", "John 3:2", "John 3:16a", "John 3:16b" }));
    QVERIFY(!s.MoveNext()); // the walk closed its set after the last row

    // Find during a walk neither disturbs it nor is disturbed; a missing key changes nothing.
    QVERIFY(s.OpenRecordset());
    clsSermon other;
    other.setSermonID(9999);
    other.setReference(QStringLiteral("kept"));
    QVERIFY(!other.Find());
    QCOMPARE(other.Reference(), QStringLiteral("kept"));
    other.setSermonID(2);
    QVERIFY(other.Find());
    QCOMPARE(other.Reference(), QStringLiteral("Genesis 1:1"));
    QVERIFY(s.MoveNext());
    QCOMPARE(s.Reference(), QStringLiteral("Psalm 23"));

    // A new OpenRecordset starts over; CloseRecordset ends a walk early.
    QVERIFY(s.OpenRecordset());
    QCOMPARE(s.Reference(), QStringLiteral("Genesis 1:1"));
    s.CloseRecordset();
    QVERIFY(!s.MoveNext());

    // Sermons on one reference, stored in falling key order: the list gives them in key order
    // on every engine (a server's sort alone keeps no order among ties).
    for (int key = 40; key > 30; --key)
        QVERIFY(db.exec(QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, "
                                       "lngSeriesID, lngBibleBookID, intBeginChapter, "
                                       "intBeginVerse, strDisplayText) VALUES (%1, 0, 0, 45, 8, "
                                       "28, 'Romans 8:28')")
                            .arg(key)));
    QList<qint32> tied;
    for (bool more = s.OpenListRecordset(false); more; more = s.MoveNext()) {
        if (s.Reference() == QLatin1String("Romans 8:28"))
            tied << s.SermonID();
    }
    QCOMPARE(tied, (QList<qint32> { 31, 32, 33, 34, 35, 36, 37, 38, 39, 40 }));
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_SermonRecord::checkAndVanishedKeys()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);

    clsSermon s;
    QVERIFY(!s.Check());
    QCOMPARE(s.InfoMsg(), QStringLiteral("Reference Must Be Filled In."));
    s.setReference(QStringLiteral("  ")); // only one blank counts as missing
    QVERIFY(s.Check());
    s.setReference(QStringLiteral(" "));
    const qint64 before = StatementLog::count();
    QVERIFY(!s.Replace()); // validated before any statement runs
    QCOMPARE(StatementLog::count(), before);

    s.setReference(QStringLiteral("John 3:16"));
    QVERIFY(s.AddNew());
    QVERIFY(s.Delete());
    QVERIFY(!s.Delete());
    QCOMPARE(s.InfoMsg(), QStringLiteral("Error Deleting Current Record"));
    QVERIFY(!s.Replace());
    QCOMPARE(s.InfoMsg(), QStringLiteral("Error Updating Current Record"));
    QVERIFY(s.AddNew()); // success leaves the last message alone
    QCOMPARE(s.InfoMsg(), QStringLiteral("Error Updating Current Record"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_SermonRecord::exactStatements()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    StatementLog::setRecording(true);

    clsSermon s;
    fillSermon(s, 43, 3, 16, QStringLiteral("John 3:16-18"));
    s.setEndVerse(18);
    s.setTypeID(2);
    s.setTitle(QStringLiteral("God's Love"));
    s.setDatePreached(QDateTime(QDate(1998, 6, 15), QTime(0, 0)));
    s.setLocation(QStringLiteral(" First Church "));
    QVERIFY(s.AddNew());
    QCOMPARE(s.SermonID(), 1);
    const QString columns
        = QStringLiteral("lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, "
                         "intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, "
                         "strTitle, strBigIdea, dtDatePreached, strLocation, strOutline ");
    QCOMPARE(statementStarting(QStringLiteral("INSERT INTO tblSermons")),
        QStringLiteral("INSERT INTO tblSermons (") + columns
            + QStringLiteral(
                ") VALUES (1, 0, 2, 43, 3, 16, 3, 18, 'John 3:16-18', 0, 'God''s Love', Null, "
                "'1998-06-15', 'First Church', Null)"));
    QVERIFY(s.Find());
    const QString order = QStringLiteral(
        " Order by lngBibleBookID, intBeginChapter, intBeginVerse, strDisplayText");
    QCOMPARE(statementStarting(QStringLiteral("SELECT lngSermonID")),
        QStringLiteral("SELECT ") + columns + QStringLiteral("FROM tblSermons WHERE lngSermonID=1")
            + order);
    StatementLog::clear();
    QVERIFY(s.OpenRecordset());
    QCOMPARE(StatementLog::recorded().value(0),
        QStringLiteral("SELECT ") + columns + QStringLiteral("FROM tblSermons ") + order);

    s.setBeginVerse(-1);
    s.setDatePreached(QDateTime(QDate(1998, 6, 15), QTime(19, 30)));
    QVERIFY(s.Replace());
    QCOMPARE(statementStarting(QStringLiteral("UPDATE tblSermons")),
        QStringLiteral(
            "UPDATE tblSermons SET lngPreacherID=0, lngTypeID=2, lngBibleBookID=43, "
            "intBeginChapter=3, "
            "intBeginVerse=-1, intEndChapter=3, intEndVerse=18, strDisplayText='John 3:16-18', "
            "lngSeriesID=0, "
            "strTitle='God''s Love', strBigIdea=Null, dtDatePreached='1998-06-15 19:30:00', "
            "strLocation='First Church', strOutline=Null WHERE lngSermonID=1"));
    QVERIFY(s.Delete());
    QCOMPARE(statementStarting(QStringLiteral("DELETE FROM tblSermons")),
        QStringLiteral("DELETE FROM tblSermons WHERE lngSermonID=1"));
}

void tst_SermonRecord::keepsTheSermonListInStep()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    // Without a listening screen nothing is announced.
    clsSermon s;
    fillSermon(s, 43, 3, 16, QStringLiteral("John 3:16"));
    QVERIFY(s.AddNew());

    RecordingScreen screen;
    clsSermon::listen(&screen);
    // Each insert is announced with the values of its list row.
    s.setTitle(QStringLiteral("Title"));
    s.setBigIdea(QStringLiteral(" "));
    QVERIFY(s.AddNew());
    QCOMPARE(screen.calls,
        QStringList(QStringLiteral("inserted %1: John 3:16\t0\tTitle ").arg(s.SermonID())));

    // So is a change; a failed one is not.
    screen.calls.clear();
    s.setBigIdea(QStringLiteral("Love gives"));
    QVERIFY(s.Replace());
    QCOMPARE(screen.calls,
        QStringList(QStringLiteral("updated %1: John 3:16\t0\tLove gives").arg(s.SermonID())));
    screen.calls.clear();
    s.setReference(QString());
    QVERIFY(!s.Replace());
    QVERIFY(screen.calls.isEmpty());

    // A delete announces the key that went; a failed one nothing.
    QVERIFY(s.Delete());
    QCOMPARE(screen.calls, QStringList(QStringLiteral("deleted %1").arg(s.SermonID())));
    screen.calls.clear();
    QVERIFY(!s.Delete());
    QVERIFY(screen.calls.isEmpty());

    // Only the listening screen can stop listening.
    RecordingScreen stranger;
    clsSermon::stopListening(&stranger);
    s.setReference(QStringLiteral("John 3:16"));
    QVERIFY(s.AddNew());
    QCOMPARE(screen.calls.size(), 1);
    clsSermon::stopListening(&screen);
    QVERIFY(s.AddNew());
    QCOMPARE(screen.calls.size(), 1);
}

void tst_SermonRecord::engineFailuresAreTrapped()
{
    QFETCH(int, engine);
    {
        clsSermon closed; // no database open yet
        QVERIFY(!closed.OpenRecordset());
        QCOMPARE(MsgBoxScript::shown(),
            QStringList { QStringLiteral("An Error Occurred in the System 3420") });
        MsgBoxScript::clear();
    }
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    RecordingScreen screen;
    clsSermon::listen(&screen);

    // A preacher that does not exist breaks the sermon's relation: shown, false, no list row.
    clsSermon s;
    fillSermon(s, 43, 3, 16, QStringLiteral("John 3:16"));
    s.setPreacherID(777);
    QVERIFY(!s.AddNew());
    QCOMPARE(s.InfoMsg(), QStringLiteral("Error Adding a New Record"));
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().first().startsWith(
        QStringLiteral("An Error Occurred in the System ")));
    QVERIFY(screen.calls.isEmpty());

    // A failed key allocation was shown by the allocator; key 0 is never inserted.
    MsgBoxScript::clear();
    QVERIFY(db.exec(QStringLiteral("DROP TABLE tblTableIds")));
    StatementLog::setRecording(true);
    s.setPreacherID(0);
    QVERIFY(!s.AddNew());
    QCOMPARE(s.SermonID(), 0);
    QCOMPARE(s.InfoMsg(), QStringLiteral("Error Adding a New Record"));
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(statementStarting(QStringLiteral("INSERT INTO tblSermons")).isEmpty());
    QVERIFY(screen.calls.isEmpty());
    clsSermon::stopListening(&screen);
}

QTEST_GUILESS_MAIN(tst_SermonRecord)
#include "tst_sermonrecord.moc"
