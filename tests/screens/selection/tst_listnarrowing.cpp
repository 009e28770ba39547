// The database leaves sermons out of a list fill before the program's selection tests see
// them. These suites hold it to the rule that makes that safe: for every checklist and text
// search the list holds exactly the sermons the tests keep when they see every sermon.

#include "DbTextContains.h"
#include "ScreenTestReset.h"
#include "SermonListFill.h"
#include "SermonListFilter.h"
#include "SermonPreacherNames.h"
#include "SermonQuery.h"
#include "SqlLiterals.h"
#include "StatementLog.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsSermon.h"

#include <QTest>
#include <functional>

using TestEnvironment::Engine;

class tst_ListNarrowing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void textSearchesListWhatTheTestsKeep_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void textSearchesListWhatTheTestsKeep();
    void checklistsListWhatTheTestsKeep_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void checklistsListWhatTheTestsKeep();
    void whatTheDatabaseIsAskedToTest_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void whatTheDatabaseIsAskedToTest();
    void postgresPatternIsPlainAscii();
};

namespace {

using Choose = SermonQuery;
using Criterion = SermonQuery::Criterion;

// A checklist query; a criterion not named is out of use with the key a fresh query has.
SermonQuery checklist(
    Criterion book, Criterion preacher, Criterion series, Criterion topic, bool combination = false)
{
    SermonQuery query;
    query.kind = SermonQuery::Kind::Checklist;
    query.combination = combination;
    query.bibleBook = book;
    query.preacher = preacher;
    query.series = series;
    query.topic = topic;
    return query;
}

const Criterion unused { false, 0 };

// Titles, big ideas and outlines whose letters fold in every awkward way Unicode has, and
// the characters SQL, LIKE and regular expressions treat specially.
const QStringList awkwardTexts = {
    QStringLiteral("Grace abounds"),
    QStringLiteral("AMAZING GRACE"),
    QStringLiteral("300 \u212A in the furnace"), // KELVIN SIGN folds to k
    QStringLiteral("Bleſſed are the meek"), // LONG S folds to s
    QStringLiteral("Ἀγάπη and ΛΌΓΟΣ"), // polytonic Greek, final sigma
    QStringLiteral("ὁ λόγος σὰρξ ἐγένετο"),
    QStringLiteral("STRAẞE und Straße, not Strasse"), // capital sharp s folds to ß
    QStringLiteral("İstanbul and ıspanak"), // dotted and dotless i
    QStringLiteral("ЁЛКА и ёлка"),
    QStringLiteral("Jose\u0301 with a combining accent"),
    QStringLiteral("ＧＲＡＣＥ in full width"),
    QStringLiteral("\u01C4 \u01C5 \u01C6 digraphs"),
    QStringLiteral("\u13A0 Cherokee \uAB70"),
    QStringLiteral("Joy 😀 and 𐐀 Deseret"),
    QStringLiteral("O'Brien's 100% _under_ C:\\path"),
    QStringLiteral("a.b*c[d](e)^$|?+{2}\\1 regex"),
    // Longer lines, so the odd letters stand inside the stretches that are scanned in blocks.
    QStringLiteral("The \u212Aing of kings, KIN\u212A of Kin\u212Adoms; ma\u017F\u017F and MASS"),
    QStringLiteral("Gro\u00DFe Gnade \u2014 GROSSE GNADE \u2014 GRO\u1E9EE GNADE, gro\u00DF"),
    QStringLiteral("D\u0130YARBAKIR ve d\u0131yarbak\u0131r, not Diyarbakir in \u0130zmir"),
    QStringLiteral("Ame\u0301lie, AME\u0301LIE and Am\u00E9lie; e\u0300\u0301 with stacked marks"),
    QStringLiteral("   "),
    QString(),
};

const QStringList awkwardSearches = {
    QStringLiteral("grace"),
    QStringLiteral(" GRACE "),
    QStringLiteral("k"),
    QStringLiteral("BLESSED"),
    QStringLiteral("s"),
    QStringLiteral("ἀγάπη"),
    QStringLiteral("λόγοσ"),
    QStringLiteral("λόγος"),
    QStringLiteral("ΛΌΓΟΣ"),
    QStringLiteral("ß"),
    QStringLiteral("ss"),
    QStringLiteral("i"),
    QStringLiteral("İ"),
    QStringLiteral("ı"),
    QStringLiteral("ёлка"),
    QStringLiteral("JOSÉ"),
    QStringLiteral("jose"),
    QStringLiteral("ｇｒａｃｅ"),
    QStringLiteral("\u01C6"),
    QStringLiteral("\uAB70"),
    QStringLiteral("😀"),
    QStringLiteral("𐐨"),
    QStringLiteral("o'brien"),
    QStringLiteral("%"),
    QStringLiteral("_"),
    QStringLiteral("\\"),
    QStringLiteral(".b*c[d](e)^$|?+{2}\\1"),
    QStringLiteral("   "),
    QString(),
    SearchSentinel,
    QStringLiteral("nowhere"),
    QStringLiteral("king"),
    QStringLiteral("KINGDOMS"),
    QStringLiteral("mass"),
    QStringLiteral("grosse"),
    QStringLiteral("gro\u00DFe gnade"),
    QStringLiteral("GRO\u1E9EE"),
    QStringLiteral("d\u0131yar"),
    QStringLiteral("DIYAR"),
    QStringLiteral("\u0130zm"),
    QStringLiteral("ame\u0301lie"),
    QStringLiteral("am\u00C9lie"),
    QStringLiteral("\u0301"),
    QStringLiteral("e\u0300\u0301 with"),
};

// Sermon n takes text n as title, text n+5 as big idea and texts n+11, n+3 as outline, so
// each search meets a different mix of fields.
bool loadAwkwardLibrary(TestDatabase &db)
{
    const qsizetype count = awkwardTexts.size();
    QStringList rows;
    for (qsizetype n = 0; n < count; ++n) {
        auto literal = [](const QString &text) {
            return text.isNull() ? QStringLiteral("NULL") : SQLQuoted(text);
        };
        const QString outline = awkwardTexts.at((n + 11) % count) + QLatin1Char('\n')
            + awkwardTexts.at((n + 3) % count);
        rows.append(QStringLiteral("(%1, %2, 1, %3, %4, 1, %4, 1, 'Ref %1', %5, %6, %7, %8)")
                        .arg(n + 1)
                        .arg(n % 4)
                        .arg(40 + n % 3)
                        .arg(n + 1)
                        .arg(n % 2)
                        .arg(literal(awkwardTexts.at(n)), literal(awkwardTexts.at((n + 5) % count)),
                            literal(outline)));
    }
    return db.exec(QStringLiteral(
               "INSERT INTO tblPreachers (lngPreacherID, strFirstName, strLastName, lngStateID) "
               "VALUES (1, 'A', 'One', 0), (2, 'B', 'Two', 0), (3, 'C', 'Three', 0)"))
        && db.exec(QStringLiteral(
            "INSERT INTO tblSeries (lngSeriesID, strName, lngBibleBookID, lngPreacherID, "
            "lngTypeID, lngPublisherID) VALUES (1, 'One', 40, 1, 1, 0)"))
        && db.exec(QStringLiteral(
            "INSERT INTO tblTopics (lngTopicID, strTopic) VALUES (1, 'GRACE'), (2, 'HOPE')"))
        && db.exec(QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, "
                                  "lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, "
                                  "intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, "
                                  "strOutline) VALUES ")
            + rows.join(QStringLiteral(", ")))
        && db.exec(QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES "
                                  "(1, 1), (2, 1), (3, 2), (7, 1), (7, 2), (12, 2)"));
}

// What the selection tests keep when they see every sermon, in list order.
QStringList keptByTheTests(const Choose &query)
{
    clsSermon sermon;
    SermonListFilter filter(sermon, query);
    QStringList kept;
    bool more = sermon.OpenRecordset();
    filter.openTopicLookup();
    for (; more; more = sermon.MoveNext()) {
        if (filter.includes())
            kept.append(SQLLong(sermon.SermonID()));
    }
    return kept;
}

// What the list fill lists.
QStringList listed(const Choose &query)
{
    clsSermon sermon;
    SermonPreacherNames names;
    names.startCache();
    SermonListFill fill(sermon, query, names);
    QStringList keys;
    const GridRowTexts rows = fill.rows(nullptr);
    for (qsizetype row = 0; row < rows.size(); ++row)
        keys.append(rows.cell(row, 0));
    return keys;
}

Choose textSearch(const QString &title, const QString &bigIdea, const QString &outline, int logic)
{
    // logic: 0 one field (no combination), 1 OR, 2 AND
    const auto field = [](const QString &text) {
        return SermonQuery::TextField { !text.isNull(), text.isNull() ? SearchSentinel : text };
    };
    SermonQuery query;
    query.kind = SermonQuery::Kind::TextSearch;
    query.combination = logic != 0;
    query.allFieldsMatch = logic == 2;
    query.title = field(title);
    query.bigIdea = field(bigIdea);
    query.outline = field(outline);
    return query;
}

} // namespace

void tst_ListNarrowing::init()
{
    ScreenTestReset::begin();
}

void tst_ListNarrowing::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    ScreenTestReset::verifyNothingOpen();
}

void tst_ListNarrowing::textSearchesListWhatTheTestsKeep()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(loadAwkwardLibrary(db));

    int nonEmpty = 0;
    for (const QString &search : awkwardSearches) {
        const QString other
            = awkwardSearches.at((awkwardSearches.indexOf(search) + 1) % awkwardSearches.size());
        const QList<std::pair<QString, Choose>> cases = {
            { QStringLiteral("outline"), textSearch({}, {}, search, 0) },
            { QStringLiteral("title"), textSearch(search, {}, {}, 0) },
            { QStringLiteral("all three fields"), textSearch(search, search, search, 0) },
            { QStringLiteral("title OR outline"), textSearch(search, {}, other, 1) },
            { QStringLiteral("title AND outline"), textSearch(search, {}, search, 2) },
            { QStringLiteral("big idea AND outline"), textSearch({}, other, search, 2) },
        };
        for (const auto &[name, choose] : cases) {
            const QStringList expected = keptByTheTests(choose);
            nonEmpty += expected.isEmpty() ? 0 : 1;
            QVERIFY2(listed(choose) == expected,
                qPrintable(QStringLiteral("%1 for \"%2\": the tests keep %3")
                               .arg(name, search, expected.join(QLatin1Char(' ')))));
        }
    }
    // The searches really find something.
    QVERIFY(nonEmpty > 100);
}

void tst_ListNarrowing::checklistsListWhatTheTestsKeep()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(loadAwkwardLibrary(db));
    // A sermon whose book, preacher and series are missing: the tests read them as key 0.
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, strDisplayText) VALUES (99, 'Loose')")));

    const QList<std::pair<QString, Choose>> cases = {
        { QStringLiteral("book"), checklist({ true, 41 }, unused, unused, unused) },
        { QStringLiteral("book 0"), checklist({ true, 0 }, unused, unused, unused) },
        { QStringLiteral("preacher"), checklist(unused, { true, 2 }, unused, unused) },
        { QStringLiteral("preacher 0"), checklist(unused, { true, 0 }, unused, unused) },
        { QStringLiteral("series"), checklist(unused, unused, { true, 1 }, unused) },
        { QStringLiteral("topic"), checklist(unused, unused, unused, { true, 1 }) },
        { QStringLiteral("topic -1"), checklist(unused, unused, unused, { true, -1 }) },
        { QStringLiteral("book then topic: the topic decides"),
            checklist({ true, 40 }, unused, unused, { true, 2 }) },
        { QStringLiteral("book or preacher"),
            checklist({ true, 40 }, { true, 3 }, unused, unused) },
        { QStringLiteral("nothing chosen"), checklist(unused, unused, unused, unused) },
        { QStringLiteral("combination book + topic"),
            checklist({ true, 42 }, { false, -1 }, { false, -1 }, { true, 2 }, true) },
        { QStringLiteral("combination topic without its flag"),
            checklist({ false, -1 }, { false, -1 }, { false, -1 }, { false, 1 }, true) },
        { QStringLiteral("combination preacher + series"),
            checklist({ false, -1 }, { true, 1 }, { true, 1 }, { false, -1 }, true) },
        { QStringLiteral("combination, nothing chosen"),
            checklist({ false, -1 }, { false, -1 }, { false, -1 }, { false, -1 }, true) },
    };
    for (const auto &[name, choose] : cases) {
        const QStringList expected = keptByTheTests(choose);
        QVERIFY2(listed(choose) == expected,
            qPrintable(
                name + QStringLiteral(": the tests keep ") + expected.join(QLatin1Char(' '))));
    }
}

void tst_ListNarrowing::whatTheDatabaseIsAskedToTest()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(loadAwkwardLibrary(db));
    auto statementsOf = [](const Choose &choose) {
        StatementLog::clear();
        StatementLog::setRecording(true);
        listed(choose);
        StatementLog::setRecording(false);
        // The preachers' names aside, read once whatever the selection.
        QStringList sent = StatementLog::recorded();
        sent.removeIf(
            [](const QString &sql) { return sql.startsWith(SermonPreacherNames::everyNameSql()); });
        return sent;
    };

    // An AND search is tested in the database alone: no outline is read, no second statement.
    QStringList sent
        = statementsOf(textSearch(QStringLiteral("grace"), {}, QStringLiteral("bless"), 2));
    QCOMPARE(sent.size(), 1);
    QVERIFY2(sent.first().contains(QLatin1String("WHERE (")), qPrintable(sent.first()));
    QVERIFY(!sent.first().contains(QLatin1String(", strOutline FROM")));

    // A topic checklist needs no pair look-up.
    sent = statementsOf(checklist(unused, unused, unused, { true, 1 }));
    QCOMPARE(sent.size(), 1);
    QVERIFY(sent.first().contains(QLatin1String("EXISTS (SELECT 1 FROM tblSermonTopics")));

    // A search the database cannot repeat exactly (half of a surrogate pair) is the program's
    // alone; under OR that holds for the other field too, under AND the other is still asked.
    const QString half = QString(QChar(0xD83D));
    sent = statementsOf(textSearch(QStringLiteral("grace"), {}, half, 1));
    QVERIFY2(!sent.first().contains(QLatin1String("WHERE")), qPrintable(sent.first()));
    QVERIFY(sent.first().contains(QLatin1String(", strOutline FROM")));
    sent = statementsOf(textSearch(QStringLiteral("grace"), {}, half, 2));
    QVERIFY(sent.first().contains(QLatin1String("WHERE (")));
    const Choose halfOnly = textSearch({}, {}, half, 0);
    QCOMPARE(listed(halfOnly), keptByTheTests(halfOnly));
    QCOMPARE(listed(halfOnly).size(), 2);
}

void tst_ListNarrowing::postgresPatternIsPlainAscii()
{
    const QString kelvin = DbTextContains::postgresPattern(QStringLiteral("k."));
    QCOMPARE(kelvin, QStringLiteral("[\\u004b\\u006b\\u212a]\\u002e"));
    QVERIFY(DbTextContains::postgresPattern(QString(QChar(0xD83D))).isEmpty());
    QVERIFY(DbTextContains::postgresPattern(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
                .isEmpty());
    QVERIFY(DbTextContains::postgresPattern(QString(201, QLatin1Char('a'))).isEmpty());
    QVERIFY(DbTextContains::postgresPattern(QString()).isEmpty());
}

QTEST_MAIN(tst_ListNarrowing)
#include "tst_listnarrowing.moc"
