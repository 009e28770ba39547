#include "DbDatabase.h"
#include "ImportFacts.h"
#include "ImportReview.h"
#include "ImportTestFiles.h"
#include "ImportUndo.h"
#include "ImportWriter.h"
#include "ProgramTranslation.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QTest>

using TestEnvironment::Engine;

// The review's rules (dates, passages, titles, duplicates) and the import written and undone
// on both engines: all or nothing, a changed and a linked sermon kept, a library made before
// the import tables.
class tst_ImportReview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        MsgBoxScript::setScripted(true);
        QVERIFY(ProgramTranslation::install());
    }
    void countMessages_data();
    void countMessages();
    void dates_data();
    void dates();
    void passages_data();
    void passages();
    void storedPassages_data();
    void storedPassages();
    void titles_data();
    void titles();
    void writeAndUndo_data() { engineRows(); }
    void writeAndUndo();
    void failureWritesNothing_data() { engineRows(); }
    void failureWritesNothing();
    void libraryWithoutBatches_data() { engineRows(); }
    void libraryWithoutBatches();

private:
    static void engineRows()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
};

namespace {

const QList<PassageParser::Book> Books { { 19, QStringLiteral("Psalms") },
    { 43, QStringLiteral("John") }, { 45, QStringLiteral("Romans") },
    { 46, QStringLiteral("1 Corinthians") } };

// Rows read from text files written into `folder`: name → contents.
QList<ImportRow> reviewed(
    ImportReview &review, const QString &folder, const QList<QPair<QString, QByteArray>> &files)
{
    QList<ImportSource> sources;
    for (const auto &f : files) {
        const QString path = folder + QLatin1Char('/') + f.first;
        ImportTestFiles::writeFile(path, f.second);
        sources.append({ path, {}, f.first, {}, QDateTime(QDate(2001, 2, 3), QTime(4, 5)), {} });
    }
    std::atomic<bool> cancel { false };
    QList<ImportRow> rows = review.readAll(sources, {}, cancel, {});
    review.refreshStatuses(rows);
    return rows;
}

const QList<QPair<QString, QByteArray>> ThreeFiles {
    { QStringLiteral("2019-05-05 Rom 5 1-11.txt"), "Peace with God\nFirst point" },
    { QStringLiteral("grace.txt"), "Grace Abounds\nText: John 3:16\nMay 12, 2019" },
    { QStringLiteral("copy of grace.txt"), "Grace Abounds\nText: John 3:16\nMay 12, 2019" },
};

} // namespace

void tst_ImportReview::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("ISO") << "2019-05-05 Peace" << QDate(2019, 5, 5);
    QTest::newRow("US with dashes") << "Peace 5-6-2019" << QDate(2019, 5, 6);
    QTest::newRow("US with slashes") << "preached 12/25/2018" << QDate(2018, 12, 25);
    QTest::newRow("digits") << "20190505_romans" << QDate(2019, 5, 5);
    QTest::newRow("month name") << "Preached May 5, 2019 at First" << QDate(2019, 5, 5);
    QTest::newRow("day first with name") << "5 September 2021" << QDate(2021, 9, 5);
    QTest::newRow("not a date") << "Romans 13:1-7 and 2019" << QDate();
    QTest::newRow("impossible day") << "2019-02-30" << QDate();
}

void tst_ImportReview::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ImportFacts::findDate(text), date);
}

void tst_ImportReview::passages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("passage");
    QTest::newRow("file name, blank for colon") << "Rom 5 1-11 Peace with God"
                                                << "Romans 5:1–11";
    QTest::newRow("text line") << "Sermon\nText: Romans 5:1-11"
                               << "Romans 5:1–11";
    QTest::newRow("numbered book, dot") << "1 Cor 13.4-7 Love"
                                        << "1 Corinthians 13:4–7";
    QTest::newRow("roman numeral") << "I Corinthians 13"
                                   << "1 Corinthians 13";
    QTest::newRow("chapter only") << "Psalm 23 Shepherd"
                                  << "Psalms 23";
    QTest::newRow("no passage") << "Chapter 3 of the story"
                                << "";
}

void tst_ImportReview::passages()
{
    QFETCH(QString, text);
    QFETCH(QString, passage);
    const PassageParser parser(Books);
    QCOMPARE(BiblePassage::reading(ImportFacts::findPassage(parser, text).passages), passage);
}

void tst_ImportReview::storedPassages_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("en dash") << "Ephesians 2:8–10"
                             << "Ephesians 2:8-10";
    QTest::newRow("abbreviation with a dot") << "Matt. 28:1-10"
                                             << "Matthew 28:1-10";
    QTest::newRow("short name") << "Jn 1:1-14"
                                << "John 1:1-14";
    QTest::newRow("one verse") << "John 3:16"
                               << "John 3:16";
    QTest::newRow("across chapters") << "John 3:16–4:2"
                                     << "John 3:16 - 4:2";
    QTest::newRow("a chapter") << "Rom 8"
                               << "Romans 8";
    QTest::newRow("chapters") << "Gen 1–3"
                              << "Genesis 1-3";
    QTest::newRow("two passages") << "Rom 5:1-5; 8:28"
                                  << "Romans 5:1-5; Romans 8:28";
    QTest::newRow("no passage: kept as typed") << "Jo 3"
                                               << "Jo 3";
}

// The reference an import stores is the one the sermon screen composes from the same book,
// chapters and verses, so imported and typed sermons read, sort and search alike.
void tst_ImportReview::storedPassages()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const ImportReview review({ { 1, QStringLiteral("Genesis") }, { 18, QStringLiteral("Job") },
        { 32, QStringLiteral("Jonah") }, { 40, QStringLiteral("Matthew") },
        { 43, QStringLiteral("John") }, { 45, QStringLiteral("Romans") },
        { 49, QStringLiteral("Ephesians") } });
    ImportRow row;
    review.setPassage(row, typed);
    QCOMPARE(row.passage, stored);
}

void tst_ImportReview::titles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("title");
    QTest::newRow("heading over a property that is the file's name")
        << "grace.docx"
        << "Saved by Grace\nText: Eph 2:8"
        << "Saved by Grace"
        << "grace"
        << "Saved by Grace";
    QTest::newRow("heading over a real property") << "a.odt"
                                                  << "x"
                                                  << "Saved by Grace"
                                                  << "Grace Alone"
                                                  << "Saved by Grace";
    QTest::newRow("first line that is neither a passage nor a date")
        << "b.docx"
        << "Text: John 3:16\nPreached May 12, 2019\nGod So Loved\nI. Love"
        << ""
        << ""
        << "God So Loved";
    QTest::newRow("property when no line will do") << "c.docx"
                                                   << "John 3:16\n2019-05-12"
                                                   << ""
                                                   << "For God So Loved"
                                                   << "For God So Loved";
    QTest::newRow("Word's own property is no title") << "2019-05-12 Love Given.doc"
                                                     << "John 3:16"
                                                     << ""
                                                     << "Microsoft Word - sermon.doc"
                                                     << "Love Given";
    QTest::newRow("property equal to the file's name") << "Love Given.rtf"
                                                       << "John 3:16"
                                                       << ""
                                                       << "love given"
                                                       << "Love Given";
    QTest::newRow("property equal to the file's name with its extension") << "Love Given.docx"
                                                                          << "John 3:16"
                                                                          << ""
                                                                          << "Love Given.docx"
                                                                          << "Love Given";
}

void tst_ImportReview::titles()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, heading);
    QFETCH(QString, property);
    QFETCH(QString, title);
    const ImportReview review(Books);
    ImportedDocument doc;
    doc.text = text;
    doc.firstHeading = heading;
    doc.titleProperty = property;
    const ImportSource source { QStringLiteral("/outlines/") + file, {}, file, {}, {}, {} };
    QCOMPARE(review.makeRow(source, doc, {}).title, title);
}

void tst_ImportReview::countMessages_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one sermon") << "Imported %n sermon(s)." << 1 << "Imported 1 sermon.";
    QTest::newRow("two sermons") << "Imported %n sermon(s)." << 2 << "Imported 2 sermons.";
    QTest::newRow("no sermons") << "Imported %n sermon(s)." << 0 << "Imported 0 sermons.";
    QTest::newRow("one file unread")
        << "%n file(s) could not be read; nothing was imported (--skip-unreadable imports the "
           "rest)"
        << 1
        << "1 file could not be read; nothing was imported (--skip-unreadable imports the rest)";
}

// The English translation gives every count message its singular and plural form.
void tst_ImportReview::countMessages()
{
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QCOMPARE(QObject::tr(qPrintable(source), nullptr, count), shown);
}

void tst_ImportReview::writeAndUndo()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    ImportReview review(PassageParser::libraryBooks());
    DbError error;
    QVERIFY(review.loadLibrary(db.database(), error));
    QList<ImportRow> rows = reviewed(review, db.folder(), ThreeFiles);
    QCOMPARE(rows.at(0).title, QStringLiteral("Peace with God"));
    QCOMPARE(rows.at(0).date, QDate(2019, 5, 5));
    QCOMPARE(rows.at(0).status, ImportRow::Status::Ready);
    QCOMPARE(rows.at(1).passage, QStringLiteral("John 3:16"));
    QCOMPARE(rows.at(2).status, ImportRow::Status::Duplicate); // the same as the row before
    rows[2].ticked = false;
    rows.append(reviewed(review, db.folder(), { { QStringLiteral("plain.txt"), "No text here" } }));
    QCOMPARE(rows.last().status, ImportRow::Status::NeedsPassage);
    QVERIFY(rows.last().dateGuessed);

    const ImportOutcome out = ImportWriter::write(
        db.database(), rows, QStringLiteral("test"), QStringLiteral("tester"));
    QVERIFY2(out.ok, qPrintable(out.message + out.error.driverText));
    QCOMPARE(out.written, 3);
    QCOMPARE(out.message, QStringLiteral("Imported 3 sermons."));
    QVERIFY(out.batchID > 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermons")).toInt(), 3);
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT strDisplayText FROM tblSermons WHERE lngSermonID = %1")
                      .arg(out.sermonIDs.at(1)))
            .toString(),
        QStringLiteral("John 3:16"));

    // Read again, the same files are duplicates of the library now.
    QVERIFY(review.loadLibrary(db.database(), error));
    QCOMPARE(reviewed(review, db.folder(), ThreeFiles).at(0).status, ImportRow::Status::Duplicate);

    // Someone edits the first sermon and gives the second a topic.
    QVERIFY(
        db.exec(QStringLiteral("UPDATE tblSermons SET strBigIdea = 'edited' WHERE lngSermonID = %1")
                    .arg(out.sermonIDs.at(0))));
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES (900, 'Grace')")));
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES (%1, 900)")
            .arg(out.sermonIDs.at(1))));
    ImportUndo::Plan plan;
    QVERIFY(ImportUndo::lastBatch(db.database(), plan, error));
    QVERIFY(plan.available);
    QCOMPARE(plan.batchID, out.batchID);
    QCOMPARE(plan.count(ImportUndo::Sermon::State::Changed), 1);
    QCOMPARE(plan.linkedCount(), 1);
    int deleted = 0;
    QVERIFY(ImportUndo::undo(db.database(), plan, false, deleted, error));
    QCOMPARE(deleted, 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermons")).toInt(), 2);
    QVERIFY(ImportUndo::lastBatch(db.database(), plan, error));
    QCOMPARE(plan.batchID, 0); // the batch is forgotten
}

void tst_ImportReview::failureWritesNothing()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    ImportReview review(PassageParser::libraryBooks());
    QList<ImportRow> rows = reviewed(review, db.folder(), ThreeFiles);
    rows[2].ticked = false;
    // The key counter points at a key already taken by the second sermon's turn.
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblSermons (lngSermonID) VALUES (501)")));
    QVERIFY(db.exec(QStringLiteral("DELETE FROM tblTableIds WHERE strTableName = 'tblSermons'")));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblTableIds (strTableName, lngNextID) VALUES ('tblSermons', 500)")));
    const ImportOutcome out = ImportWriter::write(db.database(), rows, QString(), QString());
    QVERIFY(!out.ok);
    QCOMPARE(out.failedFile, QStringLiteral("grace.txt"));
    QVERIFY(out.message.contains(QStringLiteral("grace.txt")));
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermons")).toInt(), 1);
    QCOMPARE(db.scalar(QStringLiteral(
                           "SELECT lngNextID FROM tblTableIds WHERE strTableName = 'tblSermons'"))
                 .toInt(),
        500);
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblImportBatches")).toInt(), 0);
}

void tst_ImportReview::libraryWithoutBatches()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(db.exec(QStringLiteral("DROP TABLE tblImportSermons")));
    QVERIFY(db.exec(QStringLiteral("DROP TABLE tblImportBatches")));
    ImportReview review(PassageParser::libraryBooks());
    const QList<ImportRow> rows = reviewed(review, db.folder(), ThreeFiles.mid(0, 2));
    const ImportOutcome out = ImportWriter::write(db.database(), rows, QString(), QString());
    QVERIFY2(out.ok, qPrintable(out.message));
    QCOMPARE(out.written, 2);
    QCOMPARE(out.batchID, 0);
    QVERIFY(out.message.contains(QStringLiteral("cannot be")));
    ImportUndo::Plan plan;
    DbError error;
    QVERIFY(ImportUndo::lastBatch(db.database(), plan, error));
    QVERIFY(!plan.available);
}

QTEST_GUILESS_MAIN(tst_ImportReview)
#include "tst_importreview.moc"
