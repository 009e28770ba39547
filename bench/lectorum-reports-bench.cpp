// lectorum-reports-bench: how fast the reports' numbers come from a large library, each report
// (the program's own ReportQueries) beside a plain GROUP BY that counts the same thing in the
// simplest way, measured side by side in the same run, alternating which goes first; and the
// coverage heat map's drawing beside plain QPainter calls drawing as many cells and texts.
// The rows both sides return are compared. Prints figures; it never fails on timing.
//
//   lectorum-reports-bench [--size 100000] [--engines sqlite,postgres] [--repeat 5]
//                          [--data DIR] [--steps WORDS] [--print-sql]
//
// PostgreSQL needs LECTORUM_TEST_PG_DSN (tools/bench.sh --reports starts a private server).

#include "BenchLibrary.h"
#include "BenchMeasure.h"
#include "CoverageHeatMap.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "ReportQueries.h"
#include "SqlLiterals.h"
#include "StatementLog.h"
#include "clsConnect.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <set>

namespace {

// Print the statements the product sent (to read their plans).
bool g_printSql = false;

// The book of the chapter view and the year of "Not Preached Since".
constexpr qint32 ChapterBook = 45; // Romans
constexpr int SinceYear = 2025;
constexpr int ReuseYears = 3;

QString tab(const QList<QVariant> &values)
{
    QStringList cells;
    for (const QVariant &value : values)
        cells.append(value.toString());
    return cells.join(QLatin1Char('\t'));
}

// A day as yyyy-MM-dd, whether the engine hands back a date, a timestamp or text.
QString dayText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    const QDateTime moment = DateFromValue(value);
    return moment.isValid() ? moment.date().toString(Qt::ISODate) : value.toString().left(10);
}

// The rows of a plain query, each as its columns joined by tabs (dates as days).
QStringList plainRows(DbDatabase &db, const QString &sql, const QList<int> &dateColumns = {})
{
    DbError error;
    auto rs = db.openSnapshot(sql, error);
    QStringList rows;
    if (!rs) {
        std::fprintf(stderr, "baseline failed: %s\n", qPrintable(error.driverText));
        return rows;
    }
    for (; !rs->eof(); rs->moveNext()) {
        QStringList cells;
        for (int c = 0; c < rs->fieldCount(); ++c)
            cells.append(dateColumns.contains(c) ? dayText(rs->field(c))
                                                 : QString::number(NullToLong(rs->field(c))));
        rows.append(cells.join(QLatin1Char('\t')));
    }
    return rows;
}

// "same N" when both returned the same rows (in any order), else the first difference.
QString rowVerdict(QStringList product, QStringList baseline)
{
    std::sort(product.begin(), product.end());
    std::sort(baseline.begin(), baseline.end());
    if (product == baseline)
        return QStringLiteral("same %1").arg(product.size());
    for (qsizetype i = 0; i < std::min(product.size(), baseline.size()); ++i) {
        if (product.at(i) != baseline.at(i))
            return QStringLiteral("DIFFER at row %1: \"%2\" / \"%3\"")
                .arg(i + 1)
                .arg(product.at(i), baseline.at(i));
    }
    return QStringLiteral("DIFFER: %1 rows / %2 rows").arg(product.size()).arg(baseline.size());
}

// Runs the product and the baseline stepRepeat() times each, alternating which goes first, and
// prints one line with both, their ratio and whether they returned the same rows.
void compare(const QString &name, const std::function<QStringList()> &product,
    const std::function<QStringList()> &baseline)
{
    if (!stepWanted(name))
        return;
    BenchSeries productSeries;
    BenchSeries baselineSeries;
    QStringList productRows;
    QStringList baselineRows;
    for (int round = 0; round < stepRepeat(); ++round) {
        auto runProduct = [&] { productSeries.add(measureStep([&] { productRows = product(); })); };
        auto runBaseline
            = [&] { baselineSeries.add(measureStep([&] { baselineRows = baseline(); })); };
        if (round % 2 == 0) {
            runBaseline();
            runProduct();
        } else {
            runProduct();
            runBaseline();
        }
    }
    printSeriesRow(name, productSeries, &baselineSeries, rowVerdict(productRows, baselineRows));
    if (g_printSql) {
        StatementLog::clear();
        StatementLog::setRecording(true);
        product();
        StatementLog::setRecording(false);
        for (const QString &sql : StatementLog::recorded())
            printNote(QStringLiteral("sql: ") + sql);
    }
}

// The plain queries' building blocks: every time a sermon was preached, its own date and its
// further occasions, with the year read the simplest way the engine offers.
struct Plain
{
    bool postgres = false;

    QString year(const QString &column) const
    {
        return postgres ? QStringLiteral("CAST(EXTRACT(YEAR FROM %1) AS INTEGER)").arg(column)
                        : QStringLiteral("CAST(substr(%1, 1, 4) AS INTEGER)").arg(column);
    }
    // "t": sid, book, chapter, preacher, stype, dt, yr; `where` narrows the sermons.
    QString times(const QString &where = QStringLiteral("1 = 1")) const
    {
        const QString columns = QStringLiteral("s.lngSermonID AS sid, s.lngBibleBookID AS book, "
                                               "s.intBeginChapter AS chapter, s.lngPreacherID AS "
                                               "preacher, s.lngTypeID AS stype, ");
        return QStringLiteral("(SELECT ") + columns + QStringLiteral("s.dtDatePreached AS dt, ")
            + year(QStringLiteral("s.dtDatePreached"))
            + QStringLiteral(" AS yr FROM tblSermons s WHERE s.dtDatePreached IS NOT NULL AND ")
            + where + QStringLiteral(" UNION ALL SELECT ") + columns
            + QStringLiteral("d.dtDatePreached, ") + year(QStringLiteral("d.dtDatePreached"))
            + QStringLiteral(" FROM tblDateLoc d JOIN tblSermons s ON s.lngSermonID = "
                             "d.lngSermonID WHERE d.dtDatePreached IS NOT NULL AND ")
            + where + QStringLiteral(") t");
    }
};

QStringList cellRows(const QList<ReportQueries::Cell> &cells)
{
    QStringList rows;
    for (const ReportQueries::Cell &cell : cells)
        rows.append(tab({ cell.row, cell.year, cell.count }));
    return rows;
}

void benchReports(DbDatabase &db, QList<ReportQueries::Cell> &coverageCells)
{
    const Plain plain { db.isPostgres() };
    const ReportFilter everything;
    DbError error;
    compare(
        QStringLiteral("coverage (books x years)"),
        [&] {
            ReportQueries::coverage(everything, coverageCells, error);
            return cellRows(coverageCells);
        },
        [&] {
            return plainRows(db,
                QStringLiteral("SELECT book, yr, COUNT(*) FROM ") + plain.times()
                    + QStringLiteral(" GROUP BY book, yr"));
        });
    compare(
        QStringLiteral("chapters of Romans x years"),
        [&] {
            QList<ReportQueries::Cell> cells;
            ReportQueries::chapters(everything, ChapterBook, cells, error);
            return cellRows(cells);
        },
        [&] {
            // Every generated reference lies within one chapter.
            return plainRows(db,
                QStringLiteral("SELECT chapter, yr, COUNT(*) FROM ")
                    + plain.times(QStringLiteral("s.lngBibleBookID = %1").arg(ChapterBook))
                    + QStringLiteral(" GROUP BY chapter, yr"));
        });
    for (const bool byPreacher : { true, false }) {
        const QString column = byPreacher ? QStringLiteral("preacher") : QStringLiteral("stype");
        compare(
            QStringLiteral("per year by ") + (byPreacher ? "preacher" : "type"),
            [&] {
                QList<ReportQueries::YearCount> counts;
                ReportQueries::perYear(everything,
                    byPreacher ? ReportQueries::Grouping::Preacher : ReportQueries::Grouping::Type,
                    counts, error);
                QStringList rows;
                for (const ReportQueries::YearCount &count : counts)
                    rows.append(tab({ count.year, count.groupID, count.count }));
                return rows;
            },
            [&] {
                return plainRows(db,
                    QStringLiteral("SELECT yr, %1, COUNT(*) FROM ").arg(column) + plain.times()
                        + QStringLiteral(" GROUP BY yr, %1").arg(column));
            });
    }
    compare(
        QStringLiteral("topics and illustrations"),
        [&] {
            QList<ReportQueries::Usage> uses;
            ReportQueries::usage(everything, ReuseYears, uses, error);
            QStringList rows;
            for (const ReportQueries::Usage &use : uses)
                rows.append(tab({ use.kind == ReportQueries::Usage::Kind::Illustration ? 1 : 0,
                    use.id, use.sermons, use.times, use.first.toString(Qt::ISODate),
                    use.last.toString(Qt::ISODate) }));
            return rows;
        },
        [&] {
            return plainRows(db,
                QStringLiteral("SELECT k.kind, k.item, COUNT(DISTINCT k.sid), COUNT(t.dt), "
                               "MIN(t.dt), MAX(t.dt) FROM (SELECT 0 AS kind, lngTopicID AS item, "
                               "lngSermonID AS sid FROM tblSermonTopics UNION ALL SELECT 1, "
                               "lngIllustrID, lngSermonID FROM tblSermonIllustr) k LEFT JOIN ")
                    + plain.times() + QStringLiteral(" ON t.sid = k.sid GROUP BY k.kind, k.item"),
                { 4, 5 });
        });
    // Since the last year of the dates, every book is listed and each one's last place read.
    for (const int since : { 0, SinceYear, SinceYear + 1 }) {
        compare(
            since == 0 ? QStringLiteral("books never preached")
                       : QStringLiteral("books not preached since %1").arg(since),
            [&] {
                QList<ReportQueries::BookHistory> books;
                ReportQueries::booksNotPreached(everything, since, books, error);
                QStringList rows;
                for (const ReportQueries::BookHistory &book : books)
                    rows.append(tab({ book.bookID, book.last.toString(Qt::ISODate) }));
                return rows;
            },
            [&] {
                const QString having = since == 0
                    ? QStringLiteral("MAX(t.yr) IS NULL")
                    : QStringLiteral("MAX(t.yr) IS NULL OR MAX(t.yr) < %1").arg(since);
                return plainRows(db,
                    QStringLiteral("SELECT b.lngBibleBookID, MAX(t.dt) FROM tblBibleBooks b LEFT "
                                   "JOIN ")
                        + plain.times()
                        + QStringLiteral(" ON t.book = b.lngBibleBookID WHERE b.lngBibleBookID "
                                         "BETWEEN 1 AND 66 GROUP BY b.lngBibleBookID HAVING ")
                        + having,
                    { 1 });
            });
    }
}

// The heat map of the coverage report, painted offscreen, beside plain QPainter calls that
// fill and outline as many cells and draw as many texts.
void benchHeatMap(DbDatabase &db, const QList<ReportQueries::Cell> &cells)
{
    if (!stepWanted(QStringLiteral("heat map")) || cells.isEmpty())
        return;
    // The 66 books under their names, grouped in parts as the screen groups them.
    QList<CoverageHeatMap::Row> rows;
    DbError error;
    auto books = db.openSnapshot(QStringLiteral("SELECT lngBibleBookID, strBibleBook FROM "
                                                "tblBibleBooks WHERE lngBibleBookID BETWEEN 1 AND "
                                                "66 ORDER BY lngBibleBookID"),
        error);
    for (; books && !books->eof(); books->moveNext()) {
        const qint32 key = NullToLong(books->field(0));
        rows.append({ key, NullToText(books->field(1)), QStringLiteral("Part %1").arg(key / 9) });
    }
    std::set<int> yearSet;
    QHash<quint64, int> counts;
    for (const ReportQueries::Cell &cell : cells) {
        yearSet.insert(cell.year);
        counts.insert(CoverageHeatMap::cellKey(cell.row, cell.year), cell.count);
    }
    const QList<int> years(yearSet.begin(), yearSet.end());
    CoverageHeatMap map;
    map.setData(rows, years, counts);
    const QSize size = map.sizeHint();
    auto draw = [&](const std::function<void(QPainter &)> &paint) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(painter);
    };
    const int cellWidth = 40;
    const int cellHeight = 16;
    const int left = size.width() - cellWidth * int(years.size()) - 1;
    compare(
        QStringLiteral("heat map draw (%1 x %2 cells)").arg(rows.size()).arg(years.size()),
        [&] {
            draw([&](QPainter &painter) { map.paint(painter, QRect(QPoint(0, 0), size)); });
            return QStringList();
        },
        [&] {
            draw([&](QPainter &painter) {
                for (qsizetype c = 0; c < years.size(); ++c)
                    painter.drawText(QRect(left + int(c) * cellWidth, 0, cellWidth, 20),
                        Qt::AlignCenter, QString::number(years.at(c)));
                for (qsizetype r = 0; r < rows.size(); ++r) {
                    const int top = 20 + int(r) * cellHeight;
                    painter.drawText(
                        QRect(0, top, left, cellHeight), Qt::AlignLeft, rows.at(r).label);
                    for (qsizetype c = 0; c < years.size(); ++c) {
                        const QRect cell(left + int(c) * cellWidth, top, cellWidth, cellHeight);
                        painter.fillRect(cell, QColor(120, 160, 255));
                        painter.drawRect(cell);
                        painter.drawText(cell, Qt::AlignCenter,
                            QString::number(counts.value(
                                CoverageHeatMap::cellKey(rows.at(r).key, years.at(c)))));
                    }
                }
            });
            return QStringList();
        });
}

void benchLibrary(const TargetDatabase &target, int size, bool drawMap)
{
    clsConnect connection;
    if (!target.open(connection)) {
        std::printf("cannot open %s\n", qPrintable(target.describe()));
        return;
    }
    setProgramConnection(&connection);
    DbDatabase &db = *connection.DBObject();
    auto count = [&db](const char *table) {
        return NullToLong(BenchLibrary::scalar(
            db, QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)));
    };
    printFigureHeading(QStringLiteral("%1, %2 sermons, %3 further occasions, %4 topic and %5 "
                                      "illustration links; each step %6 times, median "
                                      "[lowest-highest]")
                           .arg(target.describe())
                           .arg(size)
                           .arg(count("tblDateLoc"))
                           .arg(count("tblSermonTopics"))
                           .arg(count("tblSermonIllustr"))
                           .arg(stepRepeat()));
    QList<ReportQueries::Cell> coverageCells;
    benchReports(db, coverageCells);
    if (drawMap)
        benchHeatMap(db, coverageCells);
    setProgramConnection(nullptr);
    connection.DataClose();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("size"), QStringLiteral("Sermons in the library."),
        QStringLiteral("n"), QStringLiteral("100000") });
    addLibraryOptions(parser);
    parser.addOption({ QStringLiteral("print-sql"),
        QStringLiteral("Print the statements of each report (to read their plans).") });
    parser.process(app);
    g_printSql = parser.isSet(QStringLiteral("print-sql"));
    readLibraryOptions(parser);
    const int size = parser.value(QStringLiteral("size")).toInt();

    std::printf(
        "Lectorum reports benchmark: times in ms, median [lowest-highest] of the runs; the product\n"
        "is ReportQueries (the heat map: CoverageHeatMap::paint into a QImage), the baseline a plain\n"
        "GROUP BY counting the same thing (plain QPainter calls); ratio = product / baseline median;\n"
        "rows = whether both returned the same rows.\n");
    bool drawMap = true;
    for (const QString &engineText :
        parser.value(QStringLiteral("engines")).split(QLatin1Char(','))) {
        const QString engine = engineText.trimmed();
        TargetDatabase target;
        if (!BenchLibrary::prepare(engine, size, parser.value(QStringLiteral("data")), target)) {
            std::printf("\n%s, %d sermons: skipped (%s)\n", qPrintable(engine), size,
                qPrintable(target.problem));
            continue;
        }
        // The drawing does not depend on the engine: measured once.
        benchLibrary(target, size, drawMap);
        drawMap = false;
    }
    return 0;
}
