#include "ReportQueries.h"
#include "SqlLiterals.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QMap>
#include <QSet>
#include <QTest>

using TestEnvironment::Engine;

// The reports' grouped queries on both engines, each figure against a count made here by
// walking the small library below: occasions beside a sermon's own date, a whole-book and a
// cross-chapter reference, sermons without a date, a date with a time of day, places written
// with other case and blanks, and every filter.
class tst_ReportQueries : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { MsgBoxScript::setScripted(true); }
    void counts_data();
    void counts();
    void usageAndCells_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void usageAndCells();
};

namespace {

struct Occasion
{
    const char *date; // as stored
    const char *place;
};

struct Sermon
{
    int id, preacher, type, book, bc, bv, ec, ev;
    QList<Occasion> occasions; // the first is the sermon's own date ("" for none)
};

// 10 John 3:16-4:2 (cross-chapter) three times; 11 Romans (whole book) twice; 12 Genesis 1
// never preached; 13 John 1 once; 14 Psalm 23 only through an occasion; 15 John 4 at an
// evening service; 16 John 2 on the morning of sermon 10's last day, at a place that sorts
// first; 17 Revelation 1 twice at one church, its name written with other case beyond ASCII.
const QList<Sermon> &library()
{
    static const QList<Sermon> sermons = {
        { 10, 1, 1, 43, 3, 16, 4, 2,
            { { "2020-03-01", "Main Street" }, { "2020-11-01", " main street " },
                { "2021-05-05", "Elm Hall" } } },
        { 11, 2, 2, 45, 0, 0, 0, 0,
            { { "2021-02-02", "Elm Hall" }, { "2023-01-01", "Main Street" } } },
        { 12, 1, 2, 1, 1, 1, 1, 5, { { "", "Main Street" } } },
        { 13, 2, 1, 43, 1, 1, 1, 14, { { "2019-12-31", "Main Street" } } },
        { 14, 1, 1, 19, 23, 0, 0, 0, { { "", "" }, { "2022-06-01", "MAIN STREET" } } },
        { 15, 1, 1, 43, 4, 0, 0, 0, { { "2020-07-04 19:30:00", "Main Street" } } },
        { 16, 2, 2, 43, 2, 1, 2, 11, { { "2021-05-05 08:00:00", "Chapel" } } },
        { 17, 1, 2, 66, 1, 1, 1, 8,
            { { "2018-04-01", "\u00e9glise Saint-Jean" },
                { "2018-09-09", "\u00c9GLISE SAINT-JEAN" } } },
    };
    return sermons;
}

QString literal(const char *text)
{
    return *text ? SQLText(QString::fromUtf8(text)) : QStringLiteral("NULL");
}

bool loadLibrary(TestDatabase &db)
{
    QStringList sermons;
    QStringList occasions;
    int occasionKey = 1;
    for (const Sermon &s : library()) {
        sermons.append(QStringLiteral("(%1, %2, %3, %4, %5, %6, %7, %8, 'S%1', %9, %10)")
                           .arg(s.id)
                           .arg(s.preacher)
                           .arg(s.type)
                           .arg(s.book)
                           .arg(s.bc)
                           .arg(s.bv)
                           .arg(s.ec)
                           .arg(s.ev)
                           .arg(literal(s.occasions.at(0).date), literal(s.occasions.at(0).place)));
        for (qsizetype i = 1; i < s.occasions.size(); ++i) {
            occasions.append(
                QStringLiteral("(%1, %2, %3, %4)")
                    .arg(occasionKey++)
                    .arg(s.id)
                    .arg(literal(s.occasions.at(i).date), literal(s.occasions.at(i).place)));
        }
    }
    const QStringList statements = {
        QStringLiteral("INSERT INTO tblPreachers (lngPreacherID, strFirstName, strLastName, "
                       "lngStateID) VALUES (1, 'Daniel', 'Harper', 0), (2, 'Margaret', "
                       "'O''Connor', 0)"),
        QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, "
                       "lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, "
                       "intEndVerse, strTitle, dtDatePreached, strLocation) VALUES ")
            + sermons.join(QStringLiteral(", ")),
        QStringLiteral("INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, "
                       "strLocation) VALUES ")
            + occasions.join(QStringLiteral(", ")),
        QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES (1, 'GRACE'), "
                       "(2, 'HOPE')"),
        QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES (10, 1), "
                       "(13, 1), (12, 2)"),
        QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName) VALUES (7, 'Lost Sheep'), "
                       "(8, 'Prodigal')"),
        QStringLiteral("INSERT INTO tblSermonIllustr (lngSermonID, lngIllustrID) VALUES "
                       "(10, 7), (14, 7), (11, 8)"),
    };
    for (const QString &sql : statements) {
        if (!db.exec(sql)) {
            return false;
        }
    }
    return true;
}

// The occasions of the library that meet the filter, walked one by one.
template <typename Visit> void eachOccasion(const ReportFilter &filter, Visit visit)
{
    for (const Sermon &s : library()) {
        if ((filter.preacherID > 0 && s.preacher != filter.preacherID)
            || (filter.typeID > 0 && s.type != filter.typeID)) {
            continue;
        }
        for (const Occasion &o : s.occasions) {
            const QDate day = DateFromValue(QString::fromUtf8(o.date)).date();
            const bool placeOk = filter.location.isEmpty()
                || QString::fromUtf8(o.place).trimmed().compare(
                       filter.location, Qt::CaseInsensitive)
                    == 0;
            if (day.isValid() && placeOk && (!filter.from.isValid() || day >= filter.from)
                && (!filter.to.isValid() || day <= filter.to)) {
                visit(s, day, QString::fromUtf8(o.place));
            }
        }
    }
}

// row/year -> count, counting every time or each sermon once.
QMap<QPair<int, int>, int> expected(const ReportFilter &filter, int chaptersOf)
{
    QMap<QPair<int, int>, QSet<int>> sermons;
    QMap<QPair<int, int>, int> times;
    eachOccasion(filter, [&](const Sermon &s, const QDate &day, const QString &) {
        QList<int> rows { s.book };
        if (chaptersOf > 0) {
            if (s.book != chaptersOf) {
                return;
            }
            const int first = s.bc > 0 ? s.bc : 0;
            const int last = s.bc <= 0 ? 0 : qMax(s.bc, s.ec);
            rows.clear();
            for (int c = first; c <= last; ++c) {
                rows.append(c);
            }
        }
        for (const int row : rows) {
            times[{ row, day.year() }] += 1;
            sermons[{ row, day.year() }].insert(s.id);
        }
    });
    if (filter.countSermonsOnce) {
        for (auto it = sermons.cbegin(); it != sermons.cend(); ++it) {
            times[it.key()] = int(it.value().size());
        }
    }
    return times;
}

QMap<QPair<int, int>, int> asMap(const QList<ReportQueries::Cell> &cells)
{
    QMap<QPair<int, int>, int> map;
    for (const ReportQueries::Cell &cell : cells) {
        map[{ cell.row, cell.year }] = cell.count;
    }
    return map;
}

} // namespace

void tst_ReportQueries::counts_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<ReportFilter>("filter");
    const struct
    {
        const char *name;
        ReportFilter filter;
    } filters[] = {
        { "everything", {} },
        { "one preacher", { 1, 0, 0, {}, {}, {}, false } },
        { "one type", { 0, 2, 0, {}, {}, {}, false } },
        { "a place in other case", { 0, 0, 0, QStringLiteral("MAIN street"), {}, {}, false } },
        { "a place in other case beyond ASCII",
            { 0, 0, 0, QString::fromUtf8("\u00e9glise saint-jean"), {}, {}, false } },
        // John's last day there is also sermon 16's at a place that sorts before it.
        { "a place shared with another that day",
            { 0, 0, 0, QStringLiteral("ELM hall"), {}, {}, false } },
        { "a date range", { 0, 0, 0, {}, QDate(2020, 7, 4), QDate(2021, 5, 4), false } },
        { "each sermon once", { 0, 0, 0, {}, {}, {}, true } },
    };
    for (const char *prefix : { "sqlite/", "postgres/" }) {
        for (const auto &row : filters) {
            const int engine = prefix[0] == 's' ? int(Engine::SQLite) : int(Engine::PostgreSQL);
            QTest::newRow(qPrintable(QLatin1String(prefix) + QLatin1String(row.name)))
                << engine << row.filter;
        }
    }
}

void tst_ReportQueries::counts()
{
    QFETCH(int, engine);
    QFETCH(ReportFilter, filter);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));
    DbError error;

    QList<ReportQueries::Cell> cells;
    QVERIFY2(ReportQueries::coverage(filter, cells, error), qPrintable(error.driverText));
    QCOMPARE(asMap(cells), expected(filter, 0));
    QVERIFY2(ReportQueries::chapters(filter, 43, cells, error), qPrintable(error.driverText));
    QCOMPARE(asMap(cells), expected(filter, 43));
    QVERIFY2(ReportQueries::chapters(filter, 45, cells, error), qPrintable(error.driverText));
    QCOMPARE(asMap(cells), expected(filter, 45));

    // Per year, by preacher and by type: the pieces add up to the coverage of the year.
    QMap<int, int> perYear;
    const QMap<QPair<int, int>, int> byBook = expected(filter, 0);
    for (auto it = byBook.cbegin(); it != byBook.cend(); ++it) {
        perYear[it.key().second] += filter.countSermonsOnce ? 0 : it.value();
    }
    if (filter.countSermonsOnce) {
        QMap<int, QSet<int>> sermons;
        eachOccasion(filter, [&](const Sermon &s, const QDate &day, const QString &) {
            sermons[day.year()].insert(s.id);
        });
        for (auto it = sermons.cbegin(); it != sermons.cend(); ++it) {
            perYear[it.key()] = int(it.value().size());
        }
    }
    for (const auto grouping :
        { ReportQueries::Grouping::Preacher, ReportQueries::Grouping::Type }) {
        QList<ReportQueries::YearCount> counts;
        QVERIFY2(
            ReportQueries::perYear(filter, grouping, counts, error), qPrintable(error.driverText));
        QMap<int, int> sums;
        for (const ReportQueries::YearCount &count : counts) {
            sums[count.year] += count.count;
            QVERIFY(!count.group.isEmpty());
        }
        if (!filter.countSermonsOnce) {
            QCOMPARE(sums, perYear);
        }
    }

    // Books never preached, and not since 2021: the last day and its place (of several that
    // day, the first by name).
    for (const int since : { 0, 2021, 2030 }) {
        QMap<int, QDate> last;
        QMap<int, QString> lastPlace;
        eachOccasion(filter, [&](const Sermon &s, const QDate &day, const QString &typed) {
            const QString place = typed.trimmed(); // as the library stores it
            if (!last.contains(s.book) || day > last.value(s.book)
                || (day == last.value(s.book) && place < lastPlace.value(s.book))) {
                lastPlace[s.book] = place;
            }
            last[s.book] = qMax(last.value(s.book), day);
        });
        QList<int> wanted;
        for (int book = 1; book <= 66; ++book) {
            if (!last.contains(book) || (since > 0 && last.value(book).year() < since)) {
                wanted.append(book);
            }
        }
        QList<ReportQueries::BookHistory> books;
        QVERIFY2(ReportQueries::booksNotPreached(filter, since, books, error),
            qPrintable(error.driverText));
        QList<int> got;
        for (const ReportQueries::BookHistory &book : books) {
            got.append(book.bookID);
            QCOMPARE(book.last, last.value(book.bookID));
            QCOMPARE(book.lastPlace, since > 0 ? lastPlace.value(book.bookID) : QString());
        }
        QCOMPARE(got, wanted);
    }
}

void tst_ReportQueries::usageAndCells()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));
    DbError error;

    QList<ReportQueries::Usage> uses;
    QVERIFY2(ReportQueries::usage({}, 3, uses, error), qPrintable(error.driverText));
    QCOMPARE(uses.size(), 4);
    // GRACE: sermons 10 (three times) and 13 (once); HOPE only on the undated sermon 12.
    QCOMPARE(uses.at(0).name, QStringLiteral("GRACE"));
    QCOMPARE(uses.at(0).sermons, 2);
    QCOMPARE(uses.at(0).times, 4);
    QCOMPARE(uses.at(0).first, QDate(2019, 12, 31));
    QCOMPARE(uses.at(0).firstPlace, QStringLiteral("Main Street"));
    QCOMPARE(uses.at(0).last, QDate(2021, 5, 5));
    QCOMPARE(uses.at(0).lastPlace, QStringLiteral("Elm Hall"));
    QCOMPARE(uses.at(1).name, QStringLiteral("HOPE"));
    QCOMPARE(uses.at(1).sermons, 1);
    QCOMPARE(uses.at(1).times, 0);
    QVERIFY(!uses.at(1).first.isValid());
    // Lost Sheep was heard at Main Street in 2020 and again there in 2022 (within 3 years,
    // not within 1); Prodigal at two different places.
    QCOMPARE(uses.at(2).name, QStringLiteral("Lost Sheep"));
    QCOMPARE(uses.at(2).kind, ReportQueries::Usage::Kind::Illustration);
    QVERIFY(uses.at(2).reused);
    QCOMPARE(uses.at(3).name, QStringLiteral("Prodigal"));
    QVERIFY(!uses.at(3).reused);
    QVERIFY2(ReportQueries::usage({}, 1, uses, error), qPrintable(error.driverText));
    QVERIFY(uses.at(2).reused); // 2020-03-01 and 2020-11-01 at Main Street
    ReportFilter place;
    place.location = QStringLiteral("Elm Hall");
    QVERIFY2(ReportQueries::usage(place, 3, uses, error), qPrintable(error.driverText));
    QCOMPARE(uses.size(), 3); // HOPE's sermon was never preached there
    QCOMPARE(uses.at(0).times, 1);
    // Mustard Seed was heard twice in 2018 at one church, written "église" and "ÉGLISE".
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName) VALUES "
                                   "(9, 'Mustard Seed')")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblSermonIllustr (lngSermonID, lngIllustrID) "
                                   "VALUES (17, 9)")));
    QVERIFY2(ReportQueries::usage({}, 1, uses, error), qPrintable(error.driverText));
    QCOMPARE(uses.at(3).name, QStringLiteral("Mustard Seed"));
    QVERIFY(uses.at(3).reused);

    // The sermons behind cells: a whole year of John, one chapter, the whole-book row.
    const struct
    {
        int book, chapter, year;
        QList<qint32> keys;
    } cases[] = {
        { 43, -1, 2020, { 10, 15 } },
        { 43, 4, 2020, { 10, 15 } },
        { 43, 3, 2020, { 10 } },
        { 43, 3, 2019, {} },
        { 45, 0, 2023, { 11 } },
        { 45, 1, 2023, {} },
    };
    for (const auto &c : cases) {
        QList<ReportQueries::Sermon> sermons;
        QVERIFY2(ReportQueries::cellSermons({}, c.book, c.chapter, c.year, sermons, error),
            qPrintable(error.driverText));
        QList<qint32> keys;
        for (const ReportQueries::Sermon &sermon : sermons) {
            keys.append(sermon.sermonID);
        }
        QCOMPARE(keys, c.keys);
    }
    QList<ReportQueries::Sermon> sermons;
    QVERIFY(ReportQueries::bookSermons({}, 1, sermons, error));
    QCOMPARE(sermons.size(), 1);
    QCOMPARE(sermons.at(0).sermonID, 12);

    // The place of an item's first and last use when several uses share that day, in one
    // sermon or across sermons: the first by name, a use without a place before any.
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, strLocation) VALUES "
        "(90, 13, '2019-12-31', NULL), (91, 11, '2023-01-01', 'Chapel'), "
        "(92, 14, '2020-03-01', 'Annex')")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES "
                                   "(3, 'PEACE'), (4, 'JOY')")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES "
                                   "(11, 3), (13, 3), (10, 4), (14, 4)")));
    ReportFilter to2020;
    to2020.to = QDate(2020, 12, 31);
    const struct
    {
        const char *topic;
        ReportFilter filter;
        int times;
        QDate first;
        const char *firstPlace;
        QDate last;
        const char *lastPlace;
    } ends[] = {
        { "PEACE", {}, 5, { 2019, 12, 31 }, "", { 2023, 1, 1 }, "Chapel" },
        { "JOY", {}, 5, { 2020, 3, 1 }, "Annex", { 2022, 6, 1 }, "MAIN STREET" },
        { "JOY", to2020, 3, { 2020, 3, 1 }, "Annex", { 2020, 11, 1 }, "main street" },
    };
    for (const auto &e : ends) {
        QVERIFY2(ReportQueries::usage(e.filter, 3, uses, error), qPrintable(error.driverText));
        const auto use = std::find_if(uses.cbegin(), uses.cend(),
            [&e](const auto &u) { return u.name == QLatin1String(e.topic); });
        QVERIFY2(use != uses.cend(), e.topic);
        QCOMPARE(use->times, e.times);
        QCOMPARE(use->first, e.first);
        QCOMPARE(use->firstPlace, QString::fromUtf8(e.firstPlace));
        QCOMPARE(use->last, e.last);
        QCOMPARE(use->lastPlace, QString::fromUtf8(e.lastPlace));
    }
}

QTEST_GUILESS_MAIN(tst_ReportQueries)
#include "tst_reportqueries.moc"
