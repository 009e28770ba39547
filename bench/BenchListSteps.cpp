#include "BenchListSteps.h"

#include "BareSqliteList.h"
#include "BenchMeasure.h"
#include "DataGrid.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SermonQuery.h"
#include "SqlLiterals.h"
#include "frmSermon.h"

#include <algorithm>
#include <cstdio>

namespace {

// The big idea, or the title and a blank when there is none: the fourth cell of a list row.
QString bigIdeaOrTitle(const QString &bigIdea, const QString &title)
{
    return bigIdea.isEmpty() || bigIdea == QLatin1String(" ") ? title + QLatin1Char(' ') : bigIdea;
}

// "same N" when both listed the same rows in the same order, else where they part.
QString rowVerdict(const QStringList &product, const QStringList &baseline)
{
    const qsizetype common = std::min(product.size(), baseline.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (product.at(i) != baseline.at(i))
            return QStringLiteral("DIFFER at row %1: \"%2\" / \"%3\"")
                .arg(i + 1)
                .arg(product.at(i).left(60), baseline.at(i).left(60));
    }
    if (product.size() != baseline.size())
        return QStringLiteral("DIFFER: %1 rows / %2 rows").arg(product.size()).arg(baseline.size());
    return QStringLiteral("same %1").arg(product.size());
}

// The list rows the screen shows, as the baselines build them.
QStringList gridRows(DataGrid *grid)
{
    QStringList rows;
    // Row 0 holds the headings; the last row is the blank row for a new sermon.
    for (int row = 1; row < grid->rows() - 1; ++row) {
        rows.append(grid->text(row, 0) + QLatin1Char('\t') + grid->text(row, 1) + QLatin1Char('\t')
            + grid->text(row, 2) + QLatin1Char('\t') + grid->text(row, 3));
    }
    return rows;
}

} // namespace

// The baseline's per-row work matches a grid row: four cells joined by tabs.
QStringList walkRows(DbDatabase &db, const QString &sql)
{
    DbError error;
    auto rows = db.openSnapshot(sql, error);
    QStringList grid;
    if (!rows) {
        std::fprintf(stderr, "baseline failed: %s\n", qPrintable(error.driverText));
        return grid;
    }
    for (; !rows->eof(); rows->moveNext()) {
        grid.append(NullToText(rows->field(0)) + QLatin1Char('\t') + NullToText(rows->field(1))
            + QLatin1Char('\t') + NullToText(rows->field(2)) + QLatin1Char('\t')
            + bigIdeaOrTitle(NullToText(rows->field(3)), NullToText(rows->field(4))));
    }
    return grid;
}

QStringList walkKeys(DbDatabase &db, const QString &sql)
{
    DbError error;
    auto rows = db.openSnapshot(sql, error);
    QStringList keys;
    for (; rows && !rows->eof(); rows->moveNext())
        keys.append(NullToText(rows->field(0)));
    return keys;
}

QString baselineList(const QString &where)
{
    return QStringLiteral(
               "SELECT s.lngSermonID, s.strDisplayText, p.strLastName, s.strBigIdea, s.strTitle "
               "FROM tblSermons s LEFT JOIN tblPreachers p ON p.lngPreacherID = s.lngPreacherID ")
        + where
        + QStringLiteral(
            " ORDER BY s.lngBibleBookID, s.intBeginChapter, s.intBeginVerse, s.strDisplayText, "
            "s.lngSermonID");
}

// Two ways a plain query tests "contains, whatever the case": lower() and a substring search
// (which copies every text first), and LIKE (ILIKE on PostgreSQL), which folds ASCII letters
// only; the row check below shows whether that made a difference on this library.
QString lowerContains(bool postgres, const QString &column, const QString &word)
{
    return postgres ? QStringLiteral("strpos(lower(%1), '%2') > 0").arg(column, word.toLower())
                    : QStringLiteral("instr(lower(%1), '%2') > 0").arg(column, word.toLower());
}

QString likeContains(bool postgres, const QString &column, const QString &word)
{
    return QStringLiteral("%1 %2 '%%3%'")
        .arg(column, postgres ? QStringLiteral("ILIKE") : QStringLiteral("LIKE"), word);
}

int productList(const ListRun &run, const SermonQuery &query)
{
    run.screen->LoadSermonList(query);
    return int(run.screen->listRows());
}

// Measures the product and each baseline stepRepeat() times, alternating which goes first, and
// prints one line per baseline. `before` runs untimed ahead of each product run; `result`
// reads the product's rows afterwards for the row check.
void compareSteps(const QString &name, const std::function<void()> &before,
    const std::function<void()> &product, const std::function<QStringList()> &result,
    const QList<Baseline> &baselines)
{
    if (!stepWanted(name))
        return;
    BenchSeries productSeries;
    std::vector<BenchSeries> baselineSeries(size_t(baselines.size()));
    std::vector<QStringList> baselineRows(size_t(baselines.size()));
    for (int round = 0; round < stepRepeat(); ++round) {
        auto runBaselines = [&] {
            for (qsizetype i = 0; i < baselines.size(); ++i) {
                baselineRows[size_t(i)].clear();
                baselineSeries[size_t(i)].add(
                    measureStep([&] { baselineRows[size_t(i)] = baselines.at(i).rows(); }));
            }
        };
        auto runProduct = [&] {
            if (before)
                before();
            productSeries.add(measureStep(product));
        };
        if (round % 2 == 0) {
            runBaselines();
            runProduct();
        } else {
            runProduct();
            runBaselines();
        }
    }
    if (baselines.isEmpty()) {
        printSeriesRow(name, productSeries, nullptr);
        return;
    }
    const QStringList productRows = result ? result() : QStringList();
    for (qsizetype i = 0; i < baselines.size(); ++i) {
        printSeriesRow(name + QStringLiteral(" / ") + baselines.at(i).name, productSeries,
            &baselineSeries[size_t(i)],
            result ? rowVerdict(productRows, baselineRows[size_t(i)]) : QString());
    }
}

// A list the screen fills, against the plain query (and, on SQLite, the bare C API) listing
// the same rows.
void compareList(const ListRun &run, BareSqliteList *bare, const QString &name,
    const SermonQuery &query, const QString &where, const std::function<void()> &before,
    const QList<Baseline> &extra)
{
    QList<Baseline> baselines { { QStringLiteral("query"),
        [&] { return walkRows(*run.db, baselineList(where)); } } };
    baselines += extra;
    if (bare)
        baselines.append(
            { QStringLiteral("bare C API"), [&] { return bare->rows(baselineList(where)); } });
    compareSteps(
        name, before, [&] { productList(run, query); }, [&] { return gridRows(run.grid); },
        baselines);
}
