#include "BibleBookNames.h"
#include "BiblePassage.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "PassageParser.h"
#include "ProgramTranslation.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QTest>

using TestEnvironment::Engine;

// The reference parser, and the overlap rule in the program and in the database: both must
// pick the same sermons, on both engines, at the edges of every range shape.
class tst_Passages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void parse_data();
    void parse();
    void parseInEitherLanguage_data();
    void parseInEitherLanguage();
    void everyLibraryBookHasItsSpanishName();
    void overlap_data();
    void overlap();

private:
    QList<PassageParser::Book> m_books;
};

namespace {

// Sermons with every shape a range can have in the columns (book, chapters, verses).
struct EdgeSermon
{
    int key, book, bc, bv, ec, ev;
};
constexpr EdgeSermon EdgeSermons[] = {
    { 1, 43, 3, 16, 3, 21 }, // John 3:16-21
    { 2, 43, 3, 0, 0, 0 }, // John 3, the whole chapter
    { 3, 43, 0, 0, 0, 0 }, // John, the whole book
    { 4, 43, 3, 21, 0, 0 }, // John 3:21 alone (no end)
    { 5, 43, 2, 1, 3, 15 }, // John 2:1-3:15, one verse short of 3:16
    { 6, 43, 3, 22, 4, 2 }, // John 3:22-4:2, one verse after 3:21
    { 7, 43, 4, 0, 5, 0 }, // John 4-5, whole chapters
    { 8, 43, 3, 30, 3, 10 }, // an end before its beginning: John 3:30 alone
    { 9, 43, 3, 5, 0, 18 }, // no end chapter: John 3:5-18
    { 10, 45, 4, 23, 5, 11 }, // Romans 4:23-5:11
    { 11, 43, 2, 0, 3, 0 }, // John 2-3
    { 12, 0, 3, 16, 3, 16 }, // no book
    { 13, 43, 3, 16, 3, 16 }, // John 3:16
    { 14, 43, -1, 5, 0, 0 }, // a chapter below 0: the whole book
    { 15, 42, 3, 16, 3, 21 }, // Luke 3:16-21
};

QString keys(const QList<int> &list)
{
    QStringList texts;
    for (int key : list) {
        texts.append(QString::number(key));
    }
    return texts.join(QLatin1Char(' '));
}

} // namespace

void tst_Passages::initTestCase()
{
    MsgBoxScript::setScripted(true);
    TestDatabase db { Engine::SQLite };
    QVERIFY2(db.isReady(), qPrintable(db.reason()));
    m_books = PassageParser::libraryBooks();
    QCOMPARE(m_books.size(), 66);
}

void tst_Passages::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // the reading, or the message
    auto row = [](const char *text, const QString &expected) {
        QTest::newRow(text) << QString::fromUtf8(text) << expected;
    };
    row("John 3", QStringLiteral("John 3"));
    row("Jn 3:16", QStringLiteral("John 3:16"));
    row("John 3:16-21", QStringLiteral("John 3:16–21"));
    row("John 3:16–4:2", QStringLiteral("John 3:16–4:2"));
    row("John 3-4:2", QStringLiteral("John 3–4:2"));
    row("1 Cor 13", QStringLiteral("1 Corinthians 13"));
    row("1Co 13:4-7", QStringLiteral("1 Corinthians 13:4–7"));
    row("I Corinthians 13", QStringLiteral("1 Corinthians 13"));
    row("II Kings 2", QStringLiteral("2 Kings 2"));
    row("Isaiah 53", QStringLiteral("Isaiah 53"));
    row("Ps 23", QStringLiteral("Psalms 23"));
    row("Psalm 119:105", QStringLiteral("Psalms 119:105"));
    row("Romans", QStringLiteral("Romans"));
    row("Gen 1-3", QStringLiteral("Genesis 1–3"));
    row("  song of   SOLOMON 2.1 ", QStringLiteral("Song of Solomon 2:1"));
    row("Phil. 4:13", QStringLiteral("Philippians 4:13"));
    row("Rev", QStringLiteral("Revelation"));
    row("john 3:16; rom 5, 8", QStringLiteral("John 3:16; Romans 5; Romans 8"));
    row("Rom 5:1-5, 8; 12", QStringLiteral("Romans 5:1–5; Romans 5:8; Romans 12"));
    row("Jo 3", QStringLiteral("'Jo' could be John, Job, Joel, Jonah or Joshua"));
    row("Ph 1", QStringLiteral("'Ph' could be Philemon or Philippians"));
    row("Hezekiah 1", QStringLiteral("'Hezekiah' is not a book of the Bible"));
    row("John 0", QStringLiteral("'John 0': a chapter cannot be 0"));
    row("John 3:0", QStringLiteral("'John 3:0': a verse cannot be 0"));
    row("John 3:21-16", QStringLiteral("'John 3:21-16': the end comes before the beginning"));
    row("Gen 3-1", QStringLiteral("'Gen 3-1': the end comes before the beginning"));
    row("John 3:16:4", QStringLiteral("'John 3:16:4' is not a reference"));
    row("John 1000", QStringLiteral("'John 1000' is not a reference"));
    row("3:16", QStringLiteral("'3:16' is not a reference"));
    row("; ,", QStringLiteral("'; ,' is not a reference"));
    row("", QStringLiteral("Type a reference, for example John 3:16"));
}

void tst_Passages::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const PassageParser::Result result = PassageParser(m_books).parse(text);
    QCOMPARE(result.ok() ? BiblePassage::reading(result.passages) : result.message, expected);
}

void tst_Passages::parseInEitherLanguage_data()
{
    // References in Spanish and English read under either interface; the passage names its
    // book as the interface shows it.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("english"); // the reading with the English interface
    QTest::addColumn<QString>("spanish"); // with the Spanish one
    auto row = [](const char *text, const char *english, const char *spanish) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(english)
                            << QString::fromUtf8(spanish);
    };
    row("Jn 3:16", "John 3:16", "Juan 3:16");
    row("Juan 3.16", "John 3:16", "Juan 3:16");
    row("juan 3:16-18", "John 3:16–18", "Juan 3:16–18");
    row("1 Co 13", "1 Corinthians 13", "1 Corintios 13");
    row("1 Corintios 13:4-7", "1 Corinthians 13:4–7", "1 Corintios 13:4–7");
    row("Primera de Corintios 13", "1 Corinthians 13", "1 Corintios 13");
    row("2a Timoteo 3:16", "2 Timothy 3:16", "2 Timoteo 3:16");
    row("1 Juan 4:8", "1 John 4:8", "1 Juan 4:8");
    row("Apocalipsis 22:1-5", "Revelation 22:1–5", "Apocalipsis 22:1–5");
    row("Ap 22", "Revelation 22", "Apocalipsis 22");
    row("Génesis 1:1", "Genesis 1:1", "Génesis 1:1");
    row("Genesis 1:1", "Genesis 1:1", "Génesis 1:1");
    row("Exodo 20", "Exodus 20", "Éxodo 20");
    row("ÉXODO 20", "Exodus 20", "Éxodo 20");
    row("Isaias 53", "Isaiah 53", "Isaías 53");
    row("Sal 23", "Psalms 23", "Salmos 23");
    row("Salmos 119:105", "Psalms 119:105", "Salmos 119:105");
    row("Mr 1", "Mark 1", "Marcos 1");
    row("Lc 2:1-20", "Luke 2:1–20", "Lucas 2:1–20");
    row("Hch 2", "Acts 2", "Hechos 2");
    row("Stg 1:5", "James 1:5", "Santiago 1:5");
    row("Cantares 2", "Song of Solomon 2", "Cantares 2");
    row("Filemón 1", "Philemon 1", "Filemón 1");
    row("Fil 4:13", "Philippians 4:13", "Filipenses 4:13");
    row("Mateo 5; Marcos 1, 3", "Matthew 5; Mark 1; Mark 3", "Mateo 5; Marcos 1; Marcos 3");
    row("Jud 1", "'Jud' could be Jude or Judges", "'Jud' puede ser Judas o Jueces");
    row("Jo 3", "'Jo' could be John, Job, Joel, Jonah or Joshua",
        "'Jo' puede ser Juan, Job, Joel, Jonás o Josué");
    row("Hezekiah 1", "'Hezekiah' is not a book of the Bible",
        "'Hezekiah' no es un libro de la Biblia");
    row("Juan 0", "'Juan 0': a chapter cannot be 0", "'Juan 0': un capítulo no puede ser 0");
}

void tst_Passages::parseInEitherLanguage()
{
    QFETCH(QString, text);
    QFETCH(QString, english);
    QFETCH(QString, spanish);
    for (const QString &language : { QStringLiteral("en"), QStringLiteral("es") }) {
        QVERIFY(ProgramTranslation::install(language));
        const PassageParser::Result result = PassageParser(m_books).parse(text);
        const QString read = result.ok() ? BiblePassage::reading(result.passages) : result.message;
        QCOMPARE(read, language == QLatin1String("en") ? english : spanish);
        if (result.ok()) {
            // The key of the canonical book, whatever the name shown.
            QCOMPARE(result.passages.first().bookID,
                PassageParser(m_books)
                    .parse(english.section(QLatin1Char(';'), 0, 0))
                    .passages.first()
                    .bookID);
        }
    }
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
}

void tst_Passages::everyLibraryBookHasItsSpanishName()
{
    // The delivered library's keys run in canonical order, and each stored name is found.
    QStringList shown;
    QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
    for (const PassageParser::Book &book : std::as_const(m_books)) {
        QCOMPARE(BibleBookNames::canonicalOf(book.name), book.bookID);
        shown.append(BibleBookNames::shown(book.name));
    }
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    QCOMPARE(shown.first(), QStringLiteral("Génesis"));
    QCOMPARE(shown.at(42), QStringLiteral("Juan"));
    QCOMPARE(shown.last(), QStringLiteral("Apocalipsis"));
    QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 66);
    QCOMPARE(BibleBookNames::shown(m_books.first().name), QStringLiteral("Genesis"));
    QCOMPARE(BibleBookNames::shown(QStringLiteral("Tobit")), QStringLiteral("Tobit"));
}

void tst_Passages::overlap_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_Passages::overlap()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    for (const EdgeSermon &s : EdgeSermons) {
        QVERIFY(db.exec(
            QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, "
                           "lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, "
                           "intEndVerse, lngSeriesID, strDisplayText) VALUES (%1, 0, %2, %3, "
                           "%4, %5, %6, 0, 'edge')")
                .arg(s.key)
                .arg(s.book)
                .arg(s.bc)
                .arg(s.bv)
                .arg(s.ec)
                .arg(s.ev)));
    }
    // The passage searched for, and the sermons whose range shares a verse with it.
    const struct
    {
        const char *passage;
        const char *expected;
    } cases[] = {
        { "John 3:16", "1 2 3 9 11 13 14" },
        { "John 3:21", "1 2 3 4 11 14" },
        { "John 3:22", "2 3 6 11 14" },
        { "John 3:15", "2 3 5 9 11 14" },
        { "John 3:30", "2 3 6 8 11 14" },
        { "John 4", "3 6 7 14" },
        { "John 5:1", "3 7 14" },
        { "John 1", "3 14" },
        { "John", "1 2 3 4 5 6 7 8 9 11 13 14" },
        { "John 2:1-3:15", "2 3 5 9 11 14" },
        { "Romans 5", "10" },
        { "Rom 4:22", "" },
        { "Rom 5:11", "10" },
        { "Rom 5:12", "" },
        { "Luke 3:21; Rom 5", "10 15" },
    };
    for (const auto &item : cases) {
        const QString passage = QString::fromUtf8(item.passage);
        const QString expected = QString::fromUtf8(item.expected);
        const PassageParser::Result parsed = PassageParser(m_books).parse(passage);
        QVERIFY2(parsed.ok(), qPrintable(parsed.message));

        QList<int> inProgram;
        for (const EdgeSermon &s : EdgeSermons) {
            const BiblePassage own
                = BiblePassage::fromSermonColumns(s.book, s.bc, s.bv, s.ec, s.ev);
            for (const BiblePassage &searched : parsed.passages) {
                if (own.overlaps(searched)) {
                    inProgram.append(s.key);
                    break;
                }
            }
        }
        QVERIFY2(keys(inProgram) == expected,
            qPrintable(passage + QStringLiteral(" in the program: ") + keys(inProgram)));

        DbError error;
        const auto rows
            = db.database().openSnapshot(QStringLiteral("SELECT lngSermonID FROM tblSermons WHERE ")
                    + BiblePassage::overlapSql(parsed.passages)
                    + QStringLiteral(" ORDER BY lngSermonID"),
                error);
        QVERIFY2(rows, qPrintable(error.driverText));
        QList<int> inDatabase;
        for (; !rows->eof(); rows->moveNext()) {
            inDatabase.append(rows->field(0).toInt());
        }
        QVERIFY2(keys(inDatabase) == expected,
            qPrintable(passage + QStringLiteral(" in the database: ") + keys(inDatabase)));
    }
}

QTEST_GUILESS_MAIN(tst_Passages)
#include "tst_passages.moc"
