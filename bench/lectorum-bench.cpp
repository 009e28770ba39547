// lectorum-bench: how fast the program's own code paths are on large libraries, each beside
// a baseline that does the same job with one plain SQL query, measured in the same run.
// Prints figures; it never fails on timing.
//
//   lectorum-bench [--sizes 1000,10000,100000] [--engines sqlite,postgres] [--data DIR] [--no-keys]
//
// PostgreSQL needs LECTORUM_TEST_PG_DSN (tools/bench.sh starts a private server).

#include "BenchLibrary.h"
#include "BenchMeasure.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "SermonListFilter.h"
#include "SelectionState.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmMain.h"
#include "frmSermon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QProcess>
#include <cstdio>

namespace {

// The baseline's per-row work matches a grid row: four cells joined by tabs.
int walkRows(DbDatabase &db, const QString &sql)
{
    DbError error;
    auto rows = db.openSnapshot(sql, error);
    if (!rows) {
        std::fprintf(stderr, "baseline failed: %s\n", qPrintable(error.driverText));
        return 0;
    }
    QStringList grid;
    for (; !rows->eof(); rows->moveNext()) {
        const QString bigIdea = NullToText(rows->field(3));
        grid.append(NullToText(rows->field(0)) + QLatin1Char('\t') + NullToText(rows->field(1))
            + QLatin1Char('\t') + NullToText(rows->field(2)) + QLatin1Char('\t')
            + (bigIdea.isEmpty() ? NullToText(rows->field(4)) + QLatin1Char(' ') : bigIdea));
    }
    return int(grid.size());
}

QString baselineList(const QString &where)
{
    return QStringLiteral("SELECT s.lngSermonID, s.strDisplayText, p.strLastName, s.strBigIdea, s.strTitle "
                          "FROM tblSermons s LEFT JOIN tblPreachers p ON p.lngPreacherID = s.lngPreacherID ")
        + where
        + QStringLiteral(" ORDER BY s.lngBibleBookID, s.intBeginChapter, s.intBeginVerse, s.strDisplayText");
}

QString containsSql(bool postgres, const QString &column, const QString &word)
{
    return postgres ? QStringLiteral("strpos(lower(%1), '%2') > 0").arg(column, word)
                    : QStringLiteral("instr(lower(%1), '%2') > 0").arg(column, word);
}

struct Run
{
    frmSermon *screen;
    DbDatabase *db;
    bool postgres;
};

int productList(const Run &run, const std::function<void(SelectionState &)> &choose)
{
    SelectionState &selection = ProgramSelection();
    selection.InitializeGlobals();
    choose(selection);
    run.screen->LoadSermonList();
    return int(ProgramSelection().glngListRows);
}

void runKeys(const QString &mode, const TargetDatabase &target, int processes, int keysEach, BenchFigure &figure)
{
    const QString worker = QCoreApplication::applicationDirPath() + QStringLiteral("/bench-worker");
    figure = measureStep([&] {
        std::vector<std::unique_ptr<QProcess>> running;
        for (int i = 0; i < processes; ++i) {
            auto process = std::make_unique<QProcess>();
            process->start(worker, {mode, target.engineWord(), target.address(), QString::number(keysEach)});
            running.push_back(std::move(process));
        }
        for (auto &process : running)
            process->waitForFinished(600000);
    });
}

void benchLibrary(const TargetDatabase &target, int size, bool keys)
{
    clsConnect connection;
    target.configure(connection);
    if (!connection.DataInit() || !connection.DataOpen()) {
        std::printf("cannot open %s\n", qPrintable(target.describe()));
        return;
    }
    setProgramConnection(&connection);
    DbDatabase &db = *connection.DBObject();
    const bool postgres = db.isPostgres();
    const int preachers = NullToLong(BenchLibrary::scalar(db, QStringLiteral("SELECT count(*) FROM tblPreachers")));
    const int book = NullToLong(BenchLibrary::scalar(db, QStringLiteral("SELECT lngBibleBookID FROM tblSermons WHERE lngSermonID = (SELECT Max(lngSermonID) FROM tblSermons)")));
    // A topic that the chosen book's sermons use, so the combination finds rows too.
    const int topic = NullToLong(BenchLibrary::scalar(db, QStringLiteral("SELECT Min(t.lngTopicID) FROM tblSermonTopics t JOIN tblSermons s ON s.lngSermonID = t.lngSermonID WHERE s.lngBibleBookID = %1").arg(book)));
    const int someSermon = NullToLong(BenchLibrary::scalar(db, QStringLiteral("SELECT Max(lngSermonID) FROM tblSermons")));

    frmMain main;
    RegisterScreenCommands(main);
    auto *screen = new frmSermon;
    main.openScreen(screen);
    Run run{screen, &db, postgres};
    // The screen's own opening fill warms the caches the baseline's first run would warm.
    productList(run, [](SelectionState &s) { s.gboolShowAll = 1; });
    walkRows(db, baselineList(QString()));

    printFigureHeading(QStringLiteral("%1, %2 sermons, %3 preachers").arg(target.describe()).arg(size).arg(preachers));
    auto compare = [&](const QString &name, const std::function<void(SelectionState &)> &choose, const QString &where) {
        int productRows = 0;
        int baselineRows = 0;
        const BenchFigure baseline = measureStep([&] { baselineRows = walkRows(db, baselineList(where)); });
        const BenchFigure product = measureStep([&] { productRows = productList(run, choose); });
        printFigureRow(QStringLiteral("%1 (%2)").arg(name).arg(productRows), product, baseline);
        if (productRows != baselineRows)
            std::printf("  !! %s: the screen listed %d rows, the baseline %d\n", qPrintable(name), productRows, baselineRows);
    };

    compare(QStringLiteral("show all"), [](SelectionState &s) { s.gboolShowAll = 1; }, QString());
    compare(QStringLiteral("book checklist"),
        [book](SelectionState &s) {
            s.gboolByBibleBook = 1;
            s.glngBibleBookID = book;
        },
        QStringLiteral("WHERE s.lngBibleBookID = %1").arg(book));
    const QString topicWhere = QStringLiteral("EXISTS (SELECT 1 FROM tblSermonTopics t WHERE t.lngSermonID = s.lngSermonID AND t.lngTopicID = %1)").arg(topic);
    compare(QStringLiteral("topic checklist"),
        [topic](SelectionState &s) {
            s.gboolByTopic = 1;
            s.glngTopicID = topic;
        },
        QStringLiteral("WHERE ") + topicWhere);
    compare(QStringLiteral("book + topic combination"),
        [book, topic](SelectionState &s) {
            s.gboolByBibleBook = s.gboolByPreacher = s.gboolBySeries = s.gboolByTopic = 1;
            s.gboolCombination = 1;
            s.glngBibleBookID = book;
            s.glngPreacherID = -1;
            s.glngSeriesID = -1;
            s.glngTopicID = topic;
        },
        QStringLiteral("WHERE s.lngBibleBookID = %1 AND ").arg(book) + topicWhere);
    auto textSearch = [](bool andLogic) {
        return [andLogic](SelectionState &s) {
            s.gboolTextSearch = 1;
            s.gboolSearchOutline = s.gboolSearchBigIdea = s.gboolSearchTitle = 1;
            s.gboolCombination = 1;
            s.gstrSearchTitle = QStringLiteral("Grace");
            s.gstrSearchOutline = QStringLiteral("Mercy");
            s.gstrSearchBigIdea = SearchSentinel;
            s.gboolAndLogic = andLogic ? 1 : 0;
        };
    };
    const QString titleHas = containsSql(postgres, QStringLiteral("s.strTitle"), QStringLiteral("grace"));
    const QString outlineHas = containsSql(postgres, QStringLiteral("s.strOutline"), QStringLiteral("mercy"));
    compare(QStringLiteral("text search OR title/outline"), textSearch(false),
        QStringLiteral("WHERE ") + titleHas + QStringLiteral(" OR ") + outlineHas);
    compare(QStringLiteral("text search AND title/outline"), textSearch(true),
        QStringLiteral("WHERE ") + titleHas + QStringLiteral(" AND ") + outlineHas);

    // Opening one sermon: the screen's load of the chosen row, a hundred times.
    constexpr int opens = 100;
    const BenchFigure openBaseline = measureStep([&] {
        for (int i = 0; i < opens; ++i)
            walkRows(db, QStringLiteral("SELECT lngSermonID, strDisplayText, strTitle, strBigIdea, strOutline FROM tblSermons WHERE lngSermonID = %1").arg(someSermon - i % 50));
    });
    const BenchFigure openProduct = measureStep([&] {
        for (int i = 0; i < opens; ++i) {
            ProgramSelection().glngCurrentSermonID = someSermon - i % 50;
            screen->FormShow();
        }
    });
    printFigureRow(QStringLiteral("open one sermon (x%1)").arg(opens), openProduct, openBaseline);

    screen->close();
    setProgramConnection(nullptr);
    connection.DataClose();

    if (!keys)
        return;
    // Key allocation from separate processes, as several copies of the program would.
    BenchLibrary::prepareKeyCounters(target);
    for (int processes : {1, 8}) {
        const int keysEach = processes == 1 ? 2000 : 500;
        BenchFigure product;
        BenchFigure baseline;
        runKeys(QStringLiteral("plain"), target, processes, keysEach, baseline);
        runKeys(QStringLiteral("allocator"), target, processes, keysEach, product);
        printFigureRow(QStringLiteral("keys, %1 process%2 (%3 keys)").arg(processes).arg(processes == 1 ? "" : "es").arg(processes * keysEach), product, baseline);
        std::printf("  %-34s %11.0f keys/s (baseline %.0f updates/s)\n", "", processes * keysEach / (product.milliseconds / 1000.0),
            processes * keysEach / (baseline.milliseconds / 1000.0));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("sizes"), QStringLiteral("Library sizes."), QStringLiteral("list"), QStringLiteral("1000,10000,100000")});
    parser.addOption({QStringLiteral("engines"), QStringLiteral("sqlite, postgres or both."), QStringLiteral("list"), QStringLiteral("sqlite,postgres")});
    parser.addOption({QStringLiteral("data"), QStringLiteral("Folder for the generated libraries."), QStringLiteral("dir"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-data")});
    parser.addOption({QStringLiteral("no-keys"), QStringLiteral("Skip the key-allocation steps.")});
    parser.process(app);

    UserInterface::install(&QtUserInterface::instance());
    MsgBoxScript::setScripted(true); // "Number of Records found = N" is answered at once
    QDir().mkpath(parser.value(QStringLiteral("data")));

    std::printf("Lectorum benchmark: times in ms, ratio = product / baseline, statements through the engine layer,\n"
                "peak = the process's resident high-water mark during the step.\n");
    const QStringList engines = parser.value(QStringLiteral("engines")).split(QLatin1Char(','));
    for (const QString &sizeText : parser.value(QStringLiteral("sizes")).split(QLatin1Char(','))) {
        const int size = sizeText.toInt();
        for (const QString &engine : engines) {
            TargetDatabase target;
            if (!BenchLibrary::prepare(engine.trimmed(), size, parser.value(QStringLiteral("data")), target)) {
                std::printf("\n%s, %d sermons: skipped (%s)\n", qPrintable(engine), size, qPrintable(target.problem));
                continue;
            }
            benchLibrary(target, size, !parser.isSet(QStringLiteral("no-keys")));
            MsgBoxScript::clear();
        }
    }
    return 0;
}
