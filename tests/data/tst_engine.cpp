#include "DbDatabase.h"
#include "DbPairLookup.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"
#include "StatementLog.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConnect.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using TestEnvironment::Engine;

class tst_Engine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void missingFileIsReportedAndNeverCreated();
    void damagedFilesGiveANumberedError_data();
    void damagedFilesGiveANumberedError();
    void fieldNamesIgnoreCase_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void fieldNamesIgnoreCase();
    void cascadesOfTheDeliveredSchema_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void cascadesOfTheDeliveredSchema();
    void textsAndDatesRoundTrip_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void textsAndDatesRoundTrip();
    void pairLookupAndStatementLog_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void pairLookupAndStatementLog();
    void failedStatementCarriesNumberAndText_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void failedStatementCarriesNumberAndText();
    void sqliteReadsLetGoOfTheFile();
    void sqliteRefusesASecondStatement_data();
    void sqliteRefusesASecondStatement();
    void sqliteTextReadsAsSqliteConvertsIt_data();
    void sqliteTextReadsAsSqliteConvertsIt();
};

void tst_Engine::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
}

void tst_Engine::missingFileIsReportedAndNeverCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nowhere.mdb"));
    DbError error;
    QVERIFY(!DbDatabase::openFile(path, error));
    QCOMPARE(error.number, DbErrorNumber::FileNotFound);
    QVERIFY(error.driverText.contains(path));
    QVERIFY(!QFile::exists(path));

    clsConnect connection;
    connection.setDatabaseName(path);
    QVERIFY(connection.DataInit());
    QVERIFY(!connection.DataOpen());
    QVERIFY(!connection.ValidLogon());
    QVERIFY(!connection.DBObject());
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { QStringLiteral("An Error Occurred in the System 3024") });
    QVERIFY(MsgBoxScript::lastDetail().contains(path));
    QVERIFY(!QFile::exists(path));
    // Closing twice is harmless, and lets go of the engine.
    connection.DataClose();
    connection.DataClose();
    QVERIFY(!connection.DBObject());
    QVERIFY(connection.DataInit());
}

void tst_Engine::damagedFilesGiveANumberedError_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text file")
        << QByteArray("This is not a database at all, just some words.\n").repeated(200);
    QTest::newRow("truncated header")
        << QByteArray("SQLite format 3\0", 16) + QByteArray(100, '\x01');
}

void tst_Engine::damagedFilesGiveANumberedError()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.mdb"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    DbError error;
    QVERIFY(!DbDatabase::openFile(path, error));
    QVERIFY(error.number > 0);
    QVERIFY(!error.driverText.isEmpty());
}

void tst_Engine::fieldNamesIgnoreCase()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    DbError error;
    auto states = db.database().openSnapshot(
        QStringLiteral("SELECT * FROM tblStates WHERE lngStateID=1"), error);
    QVERIFY2(states, qPrintable(error.driverText));
    QVERIFY(!states->eof());
    QVERIFY(!NullToText(states->field(u"StrStateCode")).isEmpty());
    QCOMPARE(states->field(u"StrStateCode"), states->field(u"strstatecode"));
    QVERIFY(!states->lastError().isSet());
    // A name the set does not have is an error, not a silent value.
    QVERIFY(states->field(u"strNoSuchColumn").isNull());
    QCOMPARE(states->lastError().number, DbErrorNumber::FieldNotFound);
    QVERIFY(!states->moveNext());
    QVERIFY(states->eof());
}

void tst_Engine::cascadesOfTheDeliveredSchema()
{
    QFETCH(int, engine);
    TestDatabase db(Engine(engine), true);
    REQUIRE_DATABASE(db);
    auto count = [&db](const QString &sql) { return NullToLong(db.scalar(sql)); };

    // Deleting a series removes its sermons (and their links and occasions).
    const int seriesSermons
        = count(QStringLiteral("SELECT count(*) FROM tblSermons WHERE lngSeriesID=1"));
    QVERIFY(seriesSermons > 0);
    const int sermonsBefore = count(QStringLiteral("SELECT count(*) FROM tblSermons"));
    QVERIFY(db.exec(QStringLiteral("DELETE FROM tblSeries WHERE lngSeriesID=1")));
    QCOMPARE(
        count(QStringLiteral("SELECT count(*) FROM tblSermons")), sermonsBefore - seriesSermons);
    QCOMPARE(
        count(QStringLiteral(
            "SELECT count(*) FROM tblSermonTopics WHERE lngSermonID NOT IN (SELECT lngSermonID FROM tblSermons)")),
        0);
    QCOMPARE(
        count(QStringLiteral(
            "SELECT count(*) FROM tblDateLoc WHERE lngSermonID NOT IN (SELECT lngSermonID FROM tblSermons)")),
        0);

    // Deleting a preacher removes the preacher's sermons.
    const int preacherSermons
        = count(QStringLiteral("SELECT count(*) FROM tblSermons WHERE lngPreacherID=2"));
    QVERIFY(preacherSermons > 0);
    QVERIFY(db.exec(QStringLiteral("DELETE FROM tblPreachers WHERE lngPreacherID=2")));
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblSermons WHERE lngPreacherID=2")), 0);

    // Deleting a publisher removes its series and, through them, their sermons.
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblPublishers (lngPublisherID, strPublisher, lngStateID) VALUES (90, 'Gone Press', 0)")));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSeries (lngSeriesID, strName, lngPublisherID, strPubYear) VALUES (90, 'Doomed', 90, '2001')")));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngSeriesID, strDisplayText) VALUES (900, 0, 90, 'John 1:1')")));
    QVERIFY(db.exec(QStringLiteral("DELETE FROM tblPublishers WHERE lngPublisherID=90")));
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblSeries WHERE lngSeriesID=90")), 0);
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblSermons WHERE lngSermonID=900")), 0);
    // The shipped default rows are still there.
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblPreachers WHERE lngPreacherID=0")), 1);
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblBibleBooks")), 66);
    QCOMPARE(NullToText(db.scalar(
                 QStringLiteral("SELECT strBibleBook FROM tblBibleBooks WHERE lngBibleBookID=66"))),
        QStringLiteral("Revelation"));
}

void tst_Engine::textsAndDatesRoundTrip()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    const QString text
        = QStringLiteral("O'Brien \\ 100% _x_ \"q\" Zoë ἀγάπη שלום e\u0301\nline two");
    const QString outline
        = QString(QStringLiteral("Outline line with text.\n")).repeated(45000); // ~1 MB
    QVERIFY(db.exec(
        QStringLiteral(
            "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngSeriesID, strDisplayText, strTitle, dtDatePreached, strOutline, strBigIdea) VALUES (1, 0, 0, ")
        + SQLText(text) + QStringLiteral(", Null, ")
        + SQLDate(QDateTime(QDate(1998, 6, 15), QTime(19, 30))) + QStringLiteral(", ")
        + SQLText(outline) + QStringLiteral(", ") + SQLText(QStringLiteral("   "))
        + QStringLiteral(")")));
    DbError error;
    auto row = db.database().openSnapshot(
        QStringLiteral(
            "SELECT strDisplayText, strTitle, dtDatePreached, strOutline, strBigIdea FROM tblSermons"),
        error);
    QVERIFY(row && !row->eof());
    QCOMPARE(NullToText(row->field(u"strDisplayText")), text);
    QVERIFY(row->isNull(u"strTitle"));
    QVERIFY(row->isNull(u"strBigIdea"));
    QCOMPARE(
        DateFromValue(row->field(u"dtDatePreached")), QDateTime(QDate(1998, 6, 15), QTime(19, 30)));
    QCOMPARE(row->field(u"strOutline").toString(), outline);
}

void tst_Engine::pairLookupAndStatementLog()
{
    QFETCH(int, engine);
    TestDatabase db(Engine(engine), true);
    REQUIRE_DATABASE(db);
    StatementLog::clear();
    StatementLog::setRecording(true);
    DbError error;
    auto lookup = db.database().preparePairLookup(QStringLiteral("tblSermonTopics"),
        QStringLiteral("lngSermonID"), QStringLiteral("lngTopicID"), error);
    QVERIFY2(lookup, qPrintable(error.driverText));
    const int sermon
        = NullToLong(db.scalar(QStringLiteral("SELECT min(lngSermonID) FROM tblSermonTopics")));
    const int topic = NullToLong(
        db.scalar(QStringLiteral("SELECT min(lngTopicID) FROM tblSermonTopics WHERE lngSermonID=")
            + SQLLong(sermon)));
    QVERIFY(lookup->contains(sermon, topic, error));
    QVERIFY(!lookup->contains(sermon, 99999, error));
    QVERIFY(!error.isSet());
    StatementLog::setRecording(false);
    const QStringList texts = StatementLog::recorded();
    QCOMPARE(texts.first(),
        QStringLiteral("SELECT 1 FROM tblSermonTopics WHERE lngSermonID = ? AND lngTopicID = ?"));
    QVERIFY(texts.contains(QStringLiteral("SELECT min(lngSermonID) FROM tblSermonTopics")));
}

void tst_Engine::failedStatementCarriesNumberAndText()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    DbError error;
    int affected = 99;
    // The failure leaves a trace in the "lectorum.db" log by default, whoever answers its
    // message box.
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral(
            "^failed: UPDATE tblNoSuchTable SET x=1 \\| native error .+\\| number \\d+ \\| .+")));
    QVERIFY(
        !db.database().execute(QStringLiteral("UPDATE tblNoSuchTable SET x=1"), &affected, error));
    QVERIFY(error.number > 0 && error.number <= 32767);
    QVERIFY(!error.driverText.isEmpty());
    QCOMPARE(error.sql, QStringLiteral("UPDATE tblNoSuchTable SET x=1"));
    QCOMPARE(affected, 0);
    // Duplicate link pairs are refused by the pair key.
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES (1, 'GRACE')")));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngSeriesID, strDisplayText) VALUES (1, 0, 0, 'x')")));
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES (1, 1)")));
    QVERIFY(!db.database().execute(
        QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES (1, 1)"),
        &affected, error));
}

// Reads on a file go through SQLite's own statements: one that has passed its last row must
// not hold another connection's commit off, and one still open when its connection closes
// must read as ended rather than reach into the closed connection.
void tst_Engine::sqliteReadsLetGoOfTheFile()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    DbError error;
    auto reader = DbDatabase::openFile(db.filePath(), error);
    auto writer = DbDatabase::openFile(db.filePath(), error);
    QVERIFY2(reader && writer, qPrintable(error.driverText));
    auto walked = reader->openSnapshot(
        QStringLiteral("SELECT lngStateID FROM tblStates WHERE lngStateID = 1"), error);
    QVERIFY2(walked && !walked->eof(), qPrintable(error.driverText));
    QCOMPARE(walked->field(0).toInt(), 1);
    QVERIFY(!walked->moveNext());
    int changed = 0;
    QVERIFY(writer->beginWrite(error));
    QVERIFY(writer->execute(
        QStringLiteral("UPDATE tblStates SET strStateCode = strStateCode WHERE lngStateID = 1"),
        &changed, error));
    QVERIFY2(writer->commit(error), qPrintable(error.driverText));

    auto open
        = reader->openSnapshot(QStringLiteral("SELECT lngStateID, NULL FROM tblStates"), error);
    QVERIFY(open && !open->eof());
    QVERIFY(open->field(1).isNull());
    reader.reset();
    QVERIFY(open->eof());
    QVERIFY(!open->moveNext());
    QVERIFY(open->field(0).isNull());
}

// A text holding a second statement (a typed value that broke out of its quotes) is refused
// before either statement runs, whether it is executed or read.
void tst_Engine::sqliteRefusesASecondStatement_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("sql");
    QTest::newRow("executed") << false
                              << "UPDATE tblStates SET strStateCode = 'XX'; DELETE FROM tblStates";
    QTest::newRow("read") << true
                          << "UPDATE tblStates SET strStateCode = 'XX' RETURNING lngStateID; "
                             "DELETE FROM tblStates";
}

void tst_Engine::sqliteRefusesASecondStatement()
{
    QFETCH(bool, read);
    QFETCH(QString, sql);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    const auto states = [&] {
        DbError error;
        auto rows = db.database().openSnapshot(
            QStringLiteral("SELECT Count(*) FROM tblStates WHERE strStateCode <> 'XX'"), error);
        return rows ? rows->field(0).toInt() : -1;
    };
    const int before = states();
    QVERIFY(before > 0);
    DbError error;
    int affected = 0;
    if (read)
        QVERIFY(!db.database().openSnapshot(sql, error));
    else
        QVERIFY(!db.database().execute(sql, &affected, error));
    QVERIFY2(error.driverText.contains(QLatin1String("multiple statements")),
        qPrintable(error.driverText));
    QCOMPARE(error.sql, sql);
    QCOMPARE(states(), before);
}

// Stored bytes that are not strict UTF-8 (another program wrote them) read exactly as
// SQLite's own conversion to UTF-16 reads them, which is what the text search compares;
// the expected units are that conversion's.
void tst_Engine::sqliteTextReadsAsSqliteConvertsIt_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("units");
    QTest::newRow("ASCII past a word") << "4142434445464748494a"
                                       << "41 42 43 44 45 46 47 48 49 4a";
    QTest::newRow("two, three, four bytes") << "4a73c3bae282acf09d9484"
                                            << "4a 73 fa 20ac d835 dd04";
    QTest::newRow("byte order mark kept") << "efbbbf41"
                                          << "feff 41";
    QTest::newRow("embedded NUL") << "410042"
                                  << "41 0 42";
    QTest::newRow("U+FFFE and U+FFFF") << "efbfbeefbfbf"
                                       << "fffd fffd";
    QTest::newRow("encoded surrogate") << "eda080"
                                       << "fffd";
    QTest::newRow("overlong") << "c080"
                              << "fffd";
    QTest::newRow("stray continuation") << "418042"
                                        << "41 80 42";
    QTest::newRow("truncated at the end") << "4142434445464748c3"
                                          << "41 42 43 44 45 46 47 48 fffd";
    QTest::newRow("lead before ASCII") << "c341"
                                       << "fffd 41";
    QTest::newRow("short sequence") << "e28241e282ac"
                                    << "82 41 20ac";
    QTest::newRow("continuation too many") << "c3ba80"
                                           << "3e80";
    QTest::newRow("beyond U+10FFFF") << "f4908080"
                                     << "d800 dc00";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_Engine::sqliteTextReadsAsSqliteConvertsIt()
{
    QFETCH(QString, bytes);
    QFETCH(QString, units);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    DbError error;
    auto row = db.database().openSnapshot(
        QStringLiteral("SELECT CAST(x'%1' AS TEXT)").arg(bytes), error);
    QVERIFY2(row && !row->eof(), qPrintable(error.driverText));
    const QVariant value = row->field(0);
    QCOMPARE(value.typeId(), QMetaType::QString);
    QVERIFY(!value.toString().isNull());
    QStringList read;
    for (const QChar unit : value.toString())
        read.append(QString::number(unit.unicode(), 16));
    QCOMPARE(read.join(QLatin1Char(' ')), units);
}

QTEST_GUILESS_MAIN(tst_Engine)
#include "tst_engine.moc"
