#include "ReportQueries.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "clsConnect.h"

#include <QLoggingCategory>
#include <functional>

Q_LOGGING_CATEGORY(lcReports, "lectorum.reports")

namespace {

// The longest book (Psalms): the chapter view's rows run up to it.
constexpr int MostChapters = 150;

using Row = std::function<void(const DbSnapshot &)>;

// Runs one report statement, the WITH clause built for the program's open database.
bool run(
    const std::function<QString(const DbDatabase &)> &statement, const Row &row, DbError &error)
{
    DbDatabase *db = ProgramConnection().openDatabase(error);
    if (!db) {
        return false;
    }
    const QString sql = statement(*db);
    const std::unique_ptr<DbSnapshot> rs = db->openSnapshot(sql, error);
    if (!rs) {
        qCWarning(lcReports) << "report query failed:" << error.driverText;
        return false;
    }
    for (; !rs->eof(); rs->moveNext()) {
        row(*rs);
    }
    if (rs->lastError().isSet()) {
        error = rs->lastError();
        qCWarning(lcReports) << "report rows failed:" << error.driverText;
        return false;
    }
    return true;
}

QString countSql(const ReportFilter &filter)
{
    return filter.countSermonsOnce ? QStringLiteral("COUNT(DISTINCT sid)")
                                   : QStringLiteral("COUNT(*)");
}

QDate dateOf(const QVariant &value)
{
    const qint32 number = NullToLong(value);
    return number > 0 ? ReportFilter::dateOf(number) : QDate();
}

QString bookIs(qint32 bookID)
{
    return QStringLiteral("s.lngBibleBookID = ") + SQLLong(bookID);
}

} // namespace

bool ReportQueries::coverage(const ReportFilter &filter, QList<Cell> &cells, DbError &error)
{
    cells.clear();
    return run(
        [&](const DbDatabase &db) -> QString {
            return QStringLiteral("WITH ") + filter.occasionsCte(db, {}, ReportFilter::Places::Skip)
                + QStringLiteral(" SELECT book, dn / 10000, ") + countSql(filter)
                + QStringLiteral(" FROM occ GROUP BY book, dn / 10000 ORDER BY 1, 2");
        },
        [&](const DbSnapshot &rs) {
            cells.append(
                { NullToLong(rs.field(0)), NullToLong(rs.field(1)), NullToLong(rs.field(2)) });
        },
        error);
}

bool ReportQueries::chapters(
    const ReportFilter &filter, qint32 bookID, QList<Cell> &cells, DbError &error)
{
    cells.clear();
    return run(
        [&](const DbDatabase &db) -> QString {
            // Chapter 0 is the row of the references to the whole book. Most references lie
            // within one chapter and count there directly; only those across chapters are
            // spread over the chapters they touch.
            return QStringLiteral("WITH RECURSIVE ch(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM "
                                  "ch WHERE n < ")
                + SQLLong(MostChapters) + QStringLiteral("), ")
                + filter.occasionsCte(db, bookIs(bookID), ReportFilter::Places::Skip)
                + QStringLiteral(", x AS (SELECT bc AS n, dn, sid FROM occ WHERE bc = ec UNION "
                                 "ALL SELECT ch.n, occ.dn, occ.sid FROM occ JOIN ch ON ch.n "
                                 "BETWEEN occ.bc AND occ.ec WHERE occ.bc < occ.ec) SELECT n, "
                                 "dn / 10000, ")
                + countSql(filter) + QStringLiteral(" FROM x GROUP BY n, dn / 10000 ORDER BY 1, 2");
        },
        [&](const DbSnapshot &rs) {
            cells.append(
                { NullToLong(rs.field(0)), NullToLong(rs.field(1)), NullToLong(rs.field(2)) });
        },
        error);
}

bool ReportQueries::perYear(
    const ReportFilter &filter, Grouping grouping, QList<YearCount> &counts, DbError &error)
{
    counts.clear();
    const bool byPreacher = grouping == Grouping::Preacher;
    return run(
        [&](const DbDatabase &db) -> QString {
            const QString names = byPreacher
                ? QStringLiteral("p.strFirstName, p.strLastName FROM g LEFT JOIN tblPreachers p "
                                 "ON p.lngPreacherID = g.k")
                : QStringLiteral("t.strTypeDesc, '' FROM g LEFT JOIN tblType t ON t.lngTypeID "
                                 "= g.k");
            return QStringLiteral("WITH ") + filter.occasionsCte(db, {}, ReportFilter::Places::Skip)
                + QStringLiteral(", g AS (SELECT dn / 10000 AS yr, ")
                + (byPreacher ? QStringLiteral("preacher") : QStringLiteral("stype"))
                + QStringLiteral(" AS k, ") + countSql(filter)
                + QStringLiteral(" AS n FROM occ GROUP BY dn / 10000, ")
                + (byPreacher ? QStringLiteral("preacher") : QStringLiteral("stype"))
                + QStringLiteral(") SELECT g.yr, g.k, g.n, ") + names
                + QStringLiteral(" ORDER BY g.yr, g.k");
        },
        [&](const DbSnapshot &rs) {
            QString name = QStringList { NullToText(rs.field(3)), NullToText(rs.field(4)) }
                               .join(QLatin1Char(' '))
                               .trimmed();
            if (name.isEmpty()) {
                name = byPreacher ? QStringLiteral("(no preacher)") : QStringLiteral("(no type)");
            }
            counts.append({ NullToLong(rs.field(0)), NullToLong(rs.field(1)), name,
                NullToLong(rs.field(2)) });
        },
        error);
}

bool ReportQueries::booksNotPreached(
    const ReportFilter &filter, int sinceYear, QList<BookHistory> &books, DbError &error)
{
    books.clear();
    return run(
        [&](const DbDatabase &db) -> QString {
            QString notSince = QStringLiteral("l.lastdn IS NULL");
            if (sinceYear > 0) {
                notSince += QStringLiteral(" OR l.lastdn < ") + SQLLong(qint64(sinceYear) * 10000);
            }
            ReportFilter sermonsOnly = filter;
            sermonsOnly.from = sermonsOnly.to = QDate();
            sermonsOnly.location.clear();
            return QStringLiteral("WITH ") + filter.occasionsCte(db)
                + QStringLiteral(", l AS (SELECT book, MAX(dn) AS lastdn FROM occ GROUP BY book), "
                                 "c AS (SELECT s.lngBibleBookID AS book, COUNT(*) AS n FROM "
                                 "tblSermons s WHERE ")
                + sermonsOnly.sermonConditions()
                + QStringLiteral(" GROUP BY s.lngBibleBookID) SELECT b.lngBibleBookID, "
                                 "b.strBibleBook, l.lastdn, (SELECT MIN(COALESCE(o.place, '')) "
                                 "FROM occ o WHERE o.book = l.book AND o.dn = l.lastdn), "
                                 "COALESCE(c.n, 0) FROM tblBibleBooks b LEFT JOIN l ON l.book = "
                                 "b.lngBibleBookID LEFT JOIN c ON c.book = b.lngBibleBookID "
                                 "WHERE b.lngBibleBookID BETWEEN 1 AND 66 AND (")
                + notSince + QStringLiteral(") ORDER BY b.lngBibleBookID");
        },
        [&](const DbSnapshot &rs) {
            books.append({ NullToLong(rs.field(0)), NullToText(rs.field(1)), dateOf(rs.field(2)),
                NullToText(rs.field(3)), NullToLong(rs.field(4)) });
        },
        error);
}

bool ReportQueries::cellSermons(const ReportFilter &filter, qint32 bookID, int chapter, int year,
    QList<Sermon> &sermons, DbError &error)
{
    sermons.clear();
    return run(
        [&](const DbDatabase &db) -> QString {
            QString sql = QStringLiteral("WITH ") + filter.occasionsCte(db, bookIs(bookID))
                + QStringLiteral(" SELECT DISTINCT occ.sid, t.strTitle FROM occ JOIN tblSermons "
                                 "t ON t.lngSermonID = occ.sid WHERE occ.dn >= ")
                + SQLLong(qint64(year) * 10000) + QStringLiteral(" AND occ.dn < ")
                + SQLLong(qint64(year + 1) * 10000);
            if (chapter >= 0) {
                sql += QStringLiteral(" AND ") + SQLLong(chapter)
                    + QStringLiteral(" BETWEEN occ.bc AND occ.ec");
            }
            return sql + QStringLiteral(" ORDER BY t.strTitle, occ.sid");
        },
        [&](const DbSnapshot &rs) {
            sermons.append({ NullToLong(rs.field(0)), NullToText(rs.field(1)) });
        },
        error);
}

bool ReportQueries::bookSermons(
    const ReportFilter &filter, qint32 bookID, QList<Sermon> &sermons, DbError &error)
{
    sermons.clear();
    return run(
        [&](const DbDatabase &) -> QString {
            return QStringLiteral("SELECT s.lngSermonID, s.strTitle FROM tblSermons s WHERE ")
                + filter.sermonConditions() + QStringLiteral(" AND ") + bookIs(bookID)
                + QStringLiteral(" ORDER BY s.intBeginChapter, s.intBeginVerse, s.lngSermonID");
        },
        [&](const DbSnapshot &rs) {
            sermons.append({ NullToLong(rs.field(0)), NullToText(rs.field(1)) });
        },
        error);
}

namespace {

// Illustrations used twice at one place with days within `years` of each other: the reuse
// period of the occasion tracker's question, compared the same way (by calendar day). If any
// two uses at a place lie that close, two uses next to each other in date order do, so each
// use is compared only with the one before it at that place (one sort, not a pairing of every
// use with every other).
QString reuseCte(int years)
{
    if (years <= 0) {
        return QStringLiteral("reuse AS (SELECT 0 AS item WHERE 1 = 0)");
    }
    return QStringLiteral("reuse AS (SELECT DISTINCT item FROM (SELECT item, dn, LAG(dn) OVER "
                          "(PARTITION BY item, LOWER(TRIM(place)) ORDER BY dn, occid) AS prevdn "
                          "FROM used WHERE kind = 1 AND dn IS NOT NULL AND TRIM(place) <> '') w "
                          "WHERE dn <= prevdn + ")
        + SQLLong(qint64(years) * 10000) + QLatin1Char(')');
}

} // namespace

bool ReportQueries::usage(
    const ReportFilter &filter, int reuseYears, QList<Usage> &rows, DbError &error)
{
    rows.clear();
    return run(
        [&](const DbDatabase &db) -> QString {
            // Without a date range or place, a sermon never preached still uses its topics.
            const QString preachedOnly
                = filter.choosesOccasions() ? QStringLiteral(" AND o.sid IS NOT NULL") : QString();
            return QStringLiteral("WITH ") + filter.occasionsCte(db)
                + QStringLiteral(
                    ", links AS (SELECT 0 AS kind, lngTopicID AS item, lngSermonID AS sid FROM "
                    "tblSermonTopics UNION ALL SELECT 1, lngIllustrID, lngSermonID FROM "
                    "tblSermonIllustr), used AS (SELECT k.kind, k.item, k.sid, o.occid, o.dn, "
                    "o.place FROM links k LEFT JOIN occ o ON o.sid = k.sid WHERE k.sid IN "
                    // A set of keys, not a join: the sermons' rows are read once, not once
                    // per link.
                    "(SELECT s.lngSermonID FROM tblSermons s WHERE ")
                + filter.sermonConditions() + QLatin1Char(')') + preachedOnly
                + QStringLiteral(
                    "), agg AS (SELECT kind, item, COUNT(DISTINCT sid) AS nsermons, COUNT(occid) "
                    "AS ntimes, MIN(dn) AS firstdn, MAX(dn) AS lastdn FROM used GROUP BY kind, "
                    "item), "
                    // The place of the first and last use: of several that day, the first by
                    // name (a use without a place first).
                    "ends AS (SELECT u.kind, u.item, MIN(CASE WHEN u.dn = a.firstdn THEN "
                    "COALESCE(u.place, '') END) AS firstplace, MIN(CASE WHEN u.dn = a.lastdn "
                    "THEN COALESCE(u.place, '') END) AS lastplace FROM used u JOIN agg a ON "
                    "a.kind = u.kind AND a.item = u.item WHERE u.dn = a.firstdn OR u.dn = "
                    "a.lastdn GROUP BY u.kind, u.item), ")
                + reuseCte(reuseYears)
                + QStringLiteral(
                    " SELECT agg.kind, agg.item, COALESCE(t.strTopic, i.strName), agg.nsermons, "
                    "agg.ntimes, agg.firstdn, e.firstplace, agg.lastdn, e.lastplace, CASE WHEN "
                    "r.item IS NULL THEN 0 ELSE 1 END FROM agg LEFT JOIN ends e ON e.kind = "
                    "agg.kind AND e.item = agg.item LEFT JOIN tblTopics t ON agg.kind = 0 AND "
                    "t.lngTopicID = agg.item LEFT JOIN tblIllustr i ON agg.kind = 1 AND "
                    "i.lngIllustrID = agg.item LEFT JOIN reuse r ON agg.kind = 1 AND r.item = "
                    "agg.item ORDER BY agg.kind, 3, agg.item");
        },
        [&](const DbSnapshot &rs) {
            Usage use;
            use.kind
                = NullToLong(rs.field(0)) == 1 ? Usage::Kind::Illustration : Usage::Kind::Topic;
            use.id = NullToLong(rs.field(1));
            use.name = NullToText(rs.field(2));
            use.sermons = NullToLong(rs.field(3));
            use.times = NullToLong(rs.field(4));
            use.first = dateOf(rs.field(5));
            use.firstPlace = NullToText(rs.field(6));
            use.last = dateOf(rs.field(7));
            use.lastPlace = NullToText(rs.field(8));
            use.reused = NullToLong(rs.field(9)) == 1;
            rows.append(use);
        },
        error);
}

int ReportQueries::chapterCount(qint32 bookID)
{
    static constexpr int counts[66] = { 50, 40, 27, 36, 34, 24, 21, 4, 31, 24, 22, 25, 29, 36, 10,
        13, 10, 42, 150, 31, 12, 8, 66, 52, 5, 48, 12, 14, 3, 9, 1, 4, 7, 3, 3, 3, 2, 14, 4, 28, 16,
        24, 21, 28, 16, 16, 13, 6, 6, 4, 4, 5, 3, 6, 4, 3, 1, 13, 5, 5, 3, 5, 1, 1, 1, 22 };
    return bookID >= 1 && bookID <= 66 ? counts[bookID - 1] : 0;
}
