#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class BareSqliteList;
class DataGrid;
class DbDatabase;
class frmSermon;
struct SermonQuery;

// The sermon list screen under measurement, with the database the baselines query.
struct ListRun
{
    frmSermon *screen;
    DataGrid *grid;
    DbDatabase *db;
    bool postgres;
};

// A baseline: its name and the rows it lists, in the form of a grid row.
struct Baseline
{
    QString name;
    std::function<QStringList()> rows;
};

// The baseline's per-row work matches a grid row: four cells joined by tabs.
QStringList walkRows(DbDatabase &db, const QString &sql);
QStringList walkKeys(DbDatabase &db, const QString &sql);
// The plain query behind the sermon list, with `where` as its filter.
QString baselineList(const QString &where);
// Two ways a plain query tests "contains, whatever the case": lower() and a substring search
// (which copies every text first), and LIKE (ILIKE on PostgreSQL), which folds ASCII letters
// only; the row check shows whether that made a difference on this library.
QString lowerContains(bool postgres, const QString &column, const QString &word);
QString likeContains(bool postgres, const QString &column, const QString &word);
int productList(const ListRun &run, const SermonQuery &query);

// Measures the product and each baseline stepRepeat() times, alternating which goes first,
// and prints one line per baseline. `before` runs untimed ahead of each product run; `result`
// reads the product's rows afterwards for the row check.
void compareSteps(const QString &name, const std::function<void()> &before,
    const std::function<void()> &product, const std::function<QStringList()> &result,
    const QList<Baseline> &baselines);
// A list the screen fills, against the plain query (and, on SQLite, the bare C API) listing
// the same rows.
void compareList(const ListRun &run, BareSqliteList *bare, const QString &name,
    const SermonQuery &query, const QString &where, const std::function<void()> &before = {},
    const QList<Baseline> &extra = {});
