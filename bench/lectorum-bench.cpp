// lectorum-bench: how fast the program's own code paths are on large libraries, each beside
// baselines that do the same job with one plain SQL query (and, for SQLite lists, through
// SQLite's C API directly), measured side by side in the same run, each step several times.
// The rows each side listed are compared in order. Prints figures; it never fails on timing.
//
//   lectorum-bench [--sizes 1000,10000,100000] [--postgres-sizes LIST] [--engines sqlite,postgres]
//                  [--repeat 5] [--data DIR] [--no-keys] [--steps WORDS]
//
// PostgreSQL needs LECTORUM_TEST_PG_DSN (tools/bench.sh starts a private server).

#include "BareSqliteList.h"
#include "BenchLibrary.h"
#include "BenchListSteps.h"
#include "BenchMeasure.h"
#include "DataGrid.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "LibraryGenerator.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "SermonListFilter.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmMain.h"
#include "frmSermon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

void runKeys(const QString &mode, const TargetDatabase &target, int processes, int keysEach,
    BenchSeries &series)
{
    const QString worker = QCoreApplication::applicationDirPath() + QStringLiteral("/bench-worker");
    series.add(measureStep([&] {
        std::vector<std::unique_ptr<QProcess>> running;
        for (int i = 0; i < processes; ++i) {
            auto process = std::make_unique<QProcess>();
            process->start(
                worker, { mode, target.engineWord(), target.address(), QString::number(keysEach) });
            running.push_back(std::move(process));
        }
        for (auto &process : running)
            process->waitForFinished(600000);
    }));
}

void benchKeys(const TargetDatabase &target)
{
    // Key allocation from separate processes, as several copies of the program would.
    BenchLibrary::prepareKeyCounters(target);
    const int rounds = std::max(1, std::min(stepRepeat(), 3));
    for (int processes : { 1, 8 }) {
        const int keysEach = processes == 1 ? 2000 : 500;
        const int keys = processes * keysEach;
        BenchSeries product;
        BenchSeries plain;
        BenchSeries returning;
        for (int round = 0; round < rounds; ++round) {
            // A different one goes first each round.
            const QStringList order = round % 3 == 0
                ? QStringList { "plain", "returning", "allocator" }
                : round % 3 == 1 ? QStringList { "allocator", "plain", "returning" }
                                 : QStringList { "returning", "allocator", "plain" };
            for (const QString &mode : order)
                runKeys(mode, target, processes, keysEach,
                    mode == QLatin1String("plain")           ? plain
                        : mode == QLatin1String("returning") ? returning
                                                             : product);
        }
        const QString name = QStringLiteral("keys, %1 process%2 (%3 keys)")
                                 .arg(processes)
                                 .arg(processes == 1 ? "" : "es")
                                 .arg(keys);
        printSeriesRow(name + QStringLiteral(" / plain UPDATE"), product, &plain);
        printSeriesRow(name + QStringLiteral(" / UPDATE RETURNING"), product, &returning);
        auto rate = [keys](const BenchSeries &series) { return keys / (series.median() / 1000.0); };
        printNote(
            QStringLiteral("%1 keys/s; plain UPDATE %2/s; UPDATE ... RETURNING %3/s (medians)")
                .arg(rate(product), 0, 'f', 0)
                .arg(rate(plain), 0, 'f', 0)
                .arg(rate(returning), 0, 'f', 0));
    }
}

// The figures the steps pick their rows by: the library's preachers, the book of its last
// sermon, a topic that book's sermons use, and the last sermon.
struct LibraryProbe
{
    int preachers;
    int book;
    int topic;
    int someSermon;
};

LibraryProbe probeLibrary(DbDatabase &db)
{
    const int preachers
        = NullToLong(BenchLibrary::scalar(db, QStringLiteral("SELECT count(*) FROM tblPreachers")));
    const int book = NullToLong(BenchLibrary::scalar(db,
        QStringLiteral(
            "SELECT lngBibleBookID FROM tblSermons WHERE lngSermonID = (SELECT Max(lngSermonID) FROM tblSermons)")));
    // A topic that the chosen book's sermons use, so the combination finds rows too.
    const int topic = NullToLong(BenchLibrary::scalar(db,
        QStringLiteral(
            "SELECT Min(t.lngTopicID) FROM tblSermonTopics t JOIN tblSermons s ON s.lngSermonID = t.lngSermonID WHERE s.lngBibleBookID = %1")
            .arg(book)));
    const int someSermon = NullToLong(
        BenchLibrary::scalar(db, QStringLiteral("SELECT Max(lngSermonID) FROM tblSermons")));

    return { preachers, book, topic, someSermon };
}

// Show all, emptying the grid, and the checklists by book, topic and both.
void benchChecklists(
    const ListRun &run, BareSqliteList *bare, const SermonQuery &showAll, int book, int topic)
{
    auto emptyGrid = [&run] { run.grid->clearRows(); };
    auto fillAll = [&run, &showAll] { productList(run, showAll); };
    compareList(run, bare, QStringLiteral("show all, first fill"), showAll, QString(), emptyGrid);
    fillAll();
    compareList(run, bare, QStringLiteral("show all, refill"), showAll, QString());
    compareSteps(QStringLiteral("emptying the grid of the full list"), fillAll, emptyGrid, {}, {});

    SermonQuery byBook;
    byBook.kind = SermonQuery::Kind::Checklist;
    byBook.bibleBook = { true, book };
    const QString bookWhere = QStringLiteral("WHERE s.lngBibleBookID = %1").arg(book);
    compareList(
        run, nullptr, QStringLiteral("book checklist after show all"), byBook, bookWhere, fillAll);
    compareList(run, nullptr, QStringLiteral("book checklist after itself"), byBook, bookWhere);
    const QString topicWhere = QStringLiteral(
        "EXISTS (SELECT 1 FROM tblSermonTopics t WHERE t.lngSermonID = s.lngSermonID AND t.lngTopicID = %1)")
                                   .arg(topic);
    SermonQuery byTopic;
    byTopic.kind = SermonQuery::Kind::Checklist;
    byTopic.topic = { true, topic };
    compareList(run, nullptr, QStringLiteral("topic checklist"), byTopic,
        QStringLiteral("WHERE ") + topicWhere);
    SermonQuery combination;
    combination.kind = SermonQuery::Kind::Checklist;
    combination.combination = true;
    combination.bibleBook = { true, book };
    combination.preacher = { true, -1 };
    combination.series = { true, -1 };
    combination.topic = { true, topic };
    compareList(run, nullptr, QStringLiteral("book + topic combination"), combination,
        QStringLiteral("WHERE s.lngBibleBookID = %1 AND ").arg(book) + topicWhere);
}

void benchTextSearches(const ListRun &run)
{
    DbDatabase &db = *run.db;
    const bool postgres = run.postgres;
    // Text searches: the product's list against the same list with lower() + substring search
    // and with LIKE; the small lists come after a small one, so no grid of 100,000 rows is
    // emptied inside them.
    auto textSearch = [](const QString &title, const QString &outline, bool andLogic) {
        SermonQuery query;
        query.kind = SermonQuery::Kind::TextSearch;
        query.combination = !title.isEmpty();
        query.title = { !title.isEmpty(), title.isEmpty() ? SearchSentinel : title };
        query.outline = { true, outline };
        query.bigIdea = { false, SearchSentinel };
        query.allFieldsMatch = andLogic;
        return query;
    };
    auto searchBaselines
        = [&](const std::function<QString(bool, const QString &, const QString &)> &contains,
              const QString &title, const QString &outline, const QString &logic) {
              const QString where = QStringLiteral("WHERE ")
                  + (title.isEmpty()
                          ? QString()
                          : contains(postgres, QStringLiteral("s.strTitle"), title) + logic)
                  + contains(postgres, QStringLiteral("s.strOutline"), outline);
              return where;
          };
    auto compareSearch
        = [&](const QString &name, const QString &title, const QString &outline, bool andLogic) {
              const QString logic = andLogic ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
              const QString lowerWhere = searchBaselines(lowerContains, title, outline, logic);
              const QString likeWhere = searchBaselines(likeContains, title, outline, logic);
              compareList(run, nullptr, name, textSearch(title, outline, andLogic), lowerWhere, {},
                  { { postgres ? QStringLiteral("ILIKE") : QStringLiteral("LIKE"),
                      [&db, likeWhere] { return walkRows(db, baselineList(likeWhere)); } } });
          };
    const QString common = QLatin1String(LibraryGenerator::CommonWord);
    const QString rare = QLatin1String(LibraryGenerator::RareWord);
    const QString absent = QLatin1String(LibraryGenerator::AbsentWord);
    compareSearch(QStringLiteral("text search OR title/outline"), QStringLiteral("Grace"),
        QStringLiteral("Mercy"), false);
    compareSearch(QStringLiteral("text search AND title/outline"), QStringLiteral("Grace"),
        QStringLiteral("Mercy"), true);
    compareSearch(QStringLiteral("outline search, common word"), QString(), common, false);
    compareSearch(QStringLiteral("outline search, rare word"), QString(), rare, false);
    compareSearch(QStringLiteral("outline search, absent word"), QString(), absent, false);

    // The database's text test alone, over every outline.
    for (const QString &word : { common, rare, absent }) {
        auto keysWhere = [](const QString &condition) {
            return QStringLiteral(
                "SELECT lngSermonID FROM tblSermons WHERE %1 ORDER BY lngSermonID")
                .arg(condition);
        };
        const QString own = keysWhere(db.textContainsSql(QStringLiteral("strOutline"), word));
        const QString lower
            = keysWhere(lowerContains(postgres, QStringLiteral("strOutline"), word));
        const QString like = keysWhere(likeContains(postgres, QStringLiteral("strOutline"), word));
        QStringList ownKeys;
        compareSteps(
            QStringLiteral("outline test alone, \"%1\"").arg(word), {},
            [&] { ownKeys = walkKeys(db, own); }, [&] { return ownKeys; },
            { { QStringLiteral("lower()"), [&] { return walkKeys(db, lower); } },
                { postgres ? QStringLiteral("ILIKE") : QStringLiteral("LIKE"),
                    [&] { return walkKeys(db, like); } } });
    }
}

// Passage searches, and opening one sermon.
void benchPassagesAndOpening(const ListRun &run, int someSermon)
{
    DbDatabase &db = *run.db;
    frmSermon *screen = run.screen;
    // Passage search (Checklist > By Passage): the plain query on the chapter and verse columns
    // lists the same rows on the generated library, whose sermons each lie within one chapter.
    auto byPassage = [](const char *reference) {
        return SermonQuery::byPassage(QString::fromUtf8(reference));
    };
    compareList(run, nullptr, QStringLiteral("passage Romans 5"), byPassage("Romans 5"),
        QStringLiteral(
            "WHERE s.lngBibleBookID = 45 AND s.intBeginChapter <= 5 AND s.intEndChapter >= 5"));
    compareList(run, nullptr, QStringLiteral("passage John 3:16-21"), byPassage("John 3:16-21"),
        QStringLiteral(
            "WHERE s.lngBibleBookID = 43 AND (s.intBeginChapter < 3 OR (s.intBeginChapter = 3 "
            "AND s.intBeginVerse <= 21)) AND (s.intEndChapter > 3 OR (s.intEndChapter = 3 "
            "AND s.intEndVerse >= 16))"));
    compareList(run, nullptr, QStringLiteral("passage Matthew; Mark; Luke; John; Acts"),
        byPassage("Matthew; Mark; Luke; John; Acts"),
        QStringLiteral("WHERE s.lngBibleBookID BETWEEN 40 AND 44"));

    // Opening one sermon: the screen's load of the chosen row, a hundred times.
    constexpr int opens = 100;
    compareSteps(QStringLiteral("open one sermon (x%1)").arg(opens), {},
        [&] {
            for (int i = 0; i < opens; ++i) {
                screen->showSermon(someSermon - i % 50);
            }
        },
        {},
        { { QStringLiteral("query"), [&] {
               QStringList rows;
               for (int i = 0; i < opens; ++i)
                   rows += walkRows(db,
                       QStringLiteral(
                           "SELECT lngSermonID, strDisplayText, strTitle, strBigIdea, strOutline FROM tblSermons WHERE lngSermonID = %1")
                           .arg(someSermon - i % 50));
               return rows;
           } } });
}

void benchLibrary(const TargetDatabase &target, int size, bool keys)
{
    clsConnect connection;
    if (!target.open(connection)) {
        std::printf("cannot open %s\n", qPrintable(target.describe()));
        return;
    }
    setProgramConnection(&connection);
    DbDatabase &db = *connection.DBObject();
    const bool postgres = db.isPostgres();
    const LibraryProbe probe = probeLibrary(db);

    frmMain main;
    RegisterScreenCommands(main);
    auto *screen = new frmSermon;
    main.openScreen(screen);
    ListRun run { screen, screen->findChild<DataGrid *>(QStringLiteral("grdSermons")), &db,
        postgres };
    std::unique_ptr<BareSqliteList> bare;
    if (!postgres)
        bare = std::make_unique<BareSqliteList>(target.file);
    const SermonQuery showAll = SermonQuery::everything();
    // The screen's own opening fill warms the caches the baselines' first runs would warm.
    productList(run, showAll);
    walkRows(db, baselineList(QString()));
    if (bare)
        bare->rows(baselineList(QString()));

    printFigureHeading(
        QStringLiteral("%1, %2 sermons, %3 preachers; each step %4 times, median [lowest-highest]")
            .arg(target.describe())
            .arg(size)
            .arg(probe.preachers)
            .arg(stepRepeat()));
    if (postgres) {
        printNote(QStringLiteral("server: fsync=%1, synchronous_commit=%2")
                      .arg(BenchLibrary::scalar(db, QStringLiteral("SHOW fsync")).toString(),
                          BenchLibrary::scalar(db, QStringLiteral("SHOW synchronous_commit"))
                              .toString()));
    }
    if (bare && !bare->problem().isEmpty())
        printNote(QStringLiteral("bare C API baseline: ") + bare->problem());

    benchChecklists(run, bare.get(), showAll, probe.book, probe.topic);
    benchTextSearches(run);
    benchPassagesAndOpening(run, probe.someSermon);

    bare.reset();
    screen->close();
    setProgramConnection(nullptr);
    connection.DataClose();
    if (keys)
        benchKeys(target);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("sizes"), QStringLiteral("Library sizes."),
        QStringLiteral("list"), QStringLiteral("1000,10000,100000") });
    addLibraryOptions(parser);
    parser.addOption({ QStringLiteral("postgres-sizes"),
        QStringLiteral("Library sizes on PostgreSQL (default: --sizes)."),
        QStringLiteral("list") });
    parser.addOption(
        { QStringLiteral("no-keys"), QStringLiteral("Skip the key-allocation steps.") });
    parser.process(app);
    readLibraryOptions(parser);

    UserInterface::install(&QtUserInterface::instance());
    MsgBoxScript::setScripted(true); // "Number of Records found = N" is answered at once

    std::printf(
        "Lectorum benchmark: times in ms, median [lowest-highest] of the runs; ratio = product median /\n"
        "baseline median; stmts = statements through the engine layer in one run; peak = the process's\n"
        "resident high-water mark; rows = whether both sides listed the same rows in the same order.\n");
    const QStringList engines = parser.value(QStringLiteral("engines")).split(QLatin1Char(','));
    for (const QString &engineText : engines) {
        const QString engine = engineText.trimmed();
        const QString sizes
            = engine == QLatin1String("postgres") && parser.isSet(QStringLiteral("postgres-sizes"))
            ? parser.value(QStringLiteral("postgres-sizes"))
            : parser.value(QStringLiteral("sizes"));
        const QStringList sizeList = sizes.split(QLatin1Char(','));
        for (const QString &sizeText : sizeList) {
            const int size = sizeText.toInt();
            TargetDatabase target;
            if (!BenchLibrary::prepare(
                    engine, size, parser.value(QStringLiteral("data")), target)) {
                std::printf("\n%s, %d sermons: skipped (%s)\n", qPrintable(engine), size,
                    qPrintable(target.problem));
                continue;
            }
            // Keys do not depend on the library's size: measured once per engine.
            benchLibrary(target, size,
                !parser.isSet(QStringLiteral("no-keys")) && sizeText == sizeList.last());
            MsgBoxScript::clear();
        }
    }
    return 0;
}
