#include "ReportQueries.h"

#include "BibleBookNames.h"
#include "DbDatabase.h"
#include "DbDayNumber.h"
#include "DbLargeGrouping.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "clsConnect.h"

#include <QCoreApplication>
#include <QHash>
#include <QLoggingCategory>
#include <functional>
#include <optional>

Q_LOGGING_CATEGORY(lcReports, "lectorum.reports")

namespace {

// The longest book (Psalms): the chapter view's rows run up to it.
constexpr int MostChapters = 150;

using Row = std::function<void(const DbSnapshot &)>;

// How the server plans a report's statement: the topics report groups every sermon's
// occasions, planned as DbLargeGrouping says, with this much sort memory (at the server's
// default of 4 MB, 100,000 sermons' groups go to temporary files on disk); the others as the
// session would.
enum class Plan { AsSession, LargeGrouping };
constexpr int GroupingMegabytes = 32;

// Runs one report statement, the WITH clause built for the program's open database.
bool run(const std::function<QString(const DbDatabase &)> &statement, const Row &row,
    DbError &error, Plan plan = Plan::AsSession)
{
    DbDatabase *db = ProgramConnection().openDatabase(error);
    if (!db) {
        return false;
    }
    std::optional<DbLargeGrouping> grouping;
    if (plan == Plan::LargeGrouping)
        grouping.emplace(*db, GroupingMegabytes);
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
    return number > 0 ? DbDayNumber::dateOf(number) : QDate();
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
            return QStringLiteral("WITH ")
                + filter.occasionsCte(db, {}, ReportFilter::Places::Skip, ReportFilter::Days::Years)
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
            // spread over the chapters they touch. SQLite reads those few apart, through the
            // same index (the unary plus keeps the chapter test off the Bible-order index,
            // which holds no dates), so that the book's occasions are read once as they come
            // rather than written out to be read a second time: a fifth of the view's time.
            // PostgreSQL reads the book's occasions once and keeps them, a tenth faster there.
            const QString across = db.isPostgres()
                ? QStringLiteral("across AS (SELECT * FROM occ WHERE bc < ec)")
                : filter.occasionsCte(db,
                    bookIs(bookID)
                        + QStringLiteral(" AND +s.intBeginChapter > 0 AND s.intEndChapter > "
                                         "s.intBeginChapter"),
                    ReportFilter::Places::Skip, ReportFilter::Days::Years,
                    QStringLiteral("across"));
            return QStringLiteral("WITH RECURSIVE ch(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM "
                                  "ch WHERE n < ")
                + SQLLong(MostChapters) + QStringLiteral("), ")
                + filter.occasionsCte(
                    db, bookIs(bookID), ReportFilter::Places::Skip, ReportFilter::Days::Years)
                + QStringLiteral(", ") + across
                + QStringLiteral(", x AS (SELECT bc AS n, dn, sid FROM occ WHERE bc = ec UNION "
                                 "ALL SELECT ch.n, a.dn, a.sid FROM across a JOIN ch ON ch.n "
                                 "BETWEEN a.bc AND a.ec) SELECT n, dn / 10000, ")
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
    // The names are read once, apart from the counts: joined to them, the same few names
    // came back on each of the thousands of rows (a year and a preacher each).
    QHash<qint32, QString> names;
    const bool namesRead = run(
        [&](const DbDatabase &) -> QString {
            return byPreacher ? QStringLiteral("SELECT lngPreacherID, strFirstName, strLastName "
                                               "FROM tblPreachers")
                              : QStringLiteral("SELECT lngTypeID, strTypeDesc, '' FROM tblType");
        },
        [&](const DbSnapshot &rs) {
            names.insert(NullToLong(rs.field(0)),
                QStringList { NullToText(rs.field(1)), NullToText(rs.field(2)) }
                    .join(QLatin1Char(' '))
                    .trimmed());
        },
        error);
    if (!namesRead) {
        return false;
    }
    const QString unnamed = byPreacher
        ? QCoreApplication::translate("ReportQueries", "(no preacher)")
        : QCoreApplication::translate("ReportQueries", "(no type)");
    return run(
        [&](const DbDatabase &db) -> QString {
            const QString key = byPreacher ? QStringLiteral("preacher") : QStringLiteral("stype");
            return QStringLiteral("WITH ")
                + filter.occasionsCte(db, {}, ReportFilter::Places::Skip, ReportFilter::Days::Years)
                + QStringLiteral(" SELECT dn / 10000 AS yr, ") + key + QStringLiteral(", ")
                + countSql(filter) + QStringLiteral(" FROM occ GROUP BY dn / 10000, ") + key
                + QStringLiteral(" ORDER BY 1, 2");
        },
        [&](const DbSnapshot &rs) {
            const qint32 key = NullToLong(rs.field(1));
            const QString name = names.value(key);
            counts.append({ NullToLong(rs.field(0)), key, name.isEmpty() ? unnamed : name,
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
            // A book never preached has no last day or place to show: that list only needs to
            // know which books were preached, and reads the occasions without days or places.
            // The other finds each book's last day from the days alone (on a server compared
            // as dates), and then the place among the occasions of the listed books on that
            // day: through the book and date index for the sermons' own dates, and by the day
            // for the further occasions. Carrying each occasion's place along with its day
            // took the server nearly twice as long as the days alone.
            const bool never = sinceYear <= 0;
            QString notSince = QStringLiteral("l.lastdn IS NULL");
            if (!never) {
                notSince += QStringLiteral(" OR l.lastdn < ")
                    + db.dayValueLiteral(QDate(sinceYear, 1, 1));
            }
            ReportFilter sermonsOnly = filter;
            sermonsOnly.from = sermonsOnly.to = QDate();
            sermonsOnly.location.clear();
            const QString sermons = sermonsOnly.sermonConditions();
            QString sql = QStringLiteral("WITH ")
                + filter.occasionsCte(db, {}, ReportFilter::Places::Skip,
                    never ? ReportFilter::Days::Years : ReportFilter::Days::Values)
                + QStringLiteral(", l AS (SELECT book, MAX(dn) AS lastdn FROM occ GROUP BY book), "
                                 "listed AS (SELECT b.lngBibleBookID AS book, b.strBibleBook AS "
                                 "name, l.lastdn FROM tblBibleBooks b LEFT JOIN l ON l.book = "
                                 "b.lngBibleBookID WHERE b.lngBibleBookID BETWEEN 1 AND 66 AND (")
                + notSince
                + QStringLiteral(")), c AS (SELECT s.lngBibleBookID AS book, COUNT(*) AS n FROM "
                                 "tblSermons s WHERE ")
                + sermons + QStringLiteral(" GROUP BY s.lngBibleBookID)");
            if (never) {
                return sql
                    + QStringLiteral(" SELECT listed.book, listed.name, NULL, NULL, COALESCE(c.n, "
                                     "0) FROM listed LEFT JOIN c ON c.book = listed.book ORDER "
                                     "BY listed.book");
            }
            const QString dayOfOccasion = db.dayValueSql(QStringLiteral("d.dtDatePreached"));
            return sql
                + QStringLiteral(", lastocc AS (SELECT listed.book, s.strLocation AS place FROM "
                                 "listed JOIN tblSermons s ON s.lngBibleBookID = listed.book AND ")
                + db.onDaySql(QStringLiteral("s.dtDatePreached"), QStringLiteral("listed.lastdn"))
                + QStringLiteral(" WHERE ") + sermons + QStringLiteral(" AND ")
                + filter.placeCondition(db, QStringLiteral("s.strLocation"))
                // Only the occasions on one of the last days are joined to their sermons.
                + QStringLiteral(" UNION ALL SELECT listed.book, d.strLocation FROM tblDateLoc d "
                                 "JOIN tblSermons s ON s.lngSermonID = d.lngSermonID JOIN listed "
                                 "ON listed.book = s.lngBibleBookID AND listed.lastdn = ")
                + dayOfOccasion + QStringLiteral(" WHERE ") + dayOfOccasion
                + QStringLiteral(" IN (SELECT lastdn FROM listed) AND ") + sermons
                + QStringLiteral(" AND ")
                + filter.placeCondition(db, QStringLiteral("d.strLocation"))
                + QStringLiteral("), lp AS (SELECT book, MIN(COALESCE(place, '')) AS place FROM "
                                 "lastocc GROUP BY book) SELECT listed.book, listed.name, ")
                + db.dayNumberOfValueSql(QStringLiteral("listed.lastdn"))
                + QStringLiteral(", lp.place, COALESCE(c.n, 0) FROM listed LEFT JOIN lp ON "
                                 "lp.book = listed.book LEFT JOIN c ON c.book = listed.book "
                                 "ORDER BY listed.book");
        },
        [&](const DbSnapshot &rs) {
            books.append({ NullToLong(rs.field(0)), BibleBookNames::shown(NullToText(rs.field(1))),
                dateOf(rs.field(2)), NullToText(rs.field(3)), NullToLong(rs.field(4)) });
        },
        error);
}

bool ReportQueries::cellSermons(const ReportFilter &filter, qint32 bookID, int chapter, int year,
    QList<Sermon> &sermons, DbError &error)
{
    sermons.clear();
    return run(
        [&](const DbDatabase &db) -> QString {
            QString sql = QStringLiteral("WITH ")
                + filter.occasionsCte(
                    db, bookIs(bookID), ReportFilter::Places::Read, ReportFilter::Days::Years)
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
// use with every other); which of two uses on one day comes first does not matter. Only
// illustrations are spread over their occasions: the occasions of "occ" belong to the chosen
// sermons already. The links are read as a table of their own: joined to occ, whose size
// PostgreSQL cannot foresee, their table was otherwise looked up through its index once for
// every occasion, a quarter of a million look-ups.
QString reuseCte(const DbDatabase &db, int years)
{
    if (years <= 0) {
        return QStringLiteral("reuse AS (SELECT 0 AS item WHERE 1 = 0)");
    }
    return QStringLiteral(
               "ill AS MATERIALIZED (SELECT lngSermonID, lngIllustrID FROM tblSermonIllustr), "
               "reuse AS (SELECT DISTINCT item FROM (SELECT k.lngIllustrID AS item, o.dn, "
               "LAG(o.dn) OVER (PARTITION BY k.lngIllustrID, ")
        + db.bytewiseSql(db.caselessSql(QStringLiteral("TRIM(o.place)")))
        + QStringLiteral(" ORDER BY o.dn) AS prevdn FROM ill k JOIN occ o ON o.sid = "
                         "k.lngSermonID WHERE TRIM(o.place) <> '') w WHERE dn <= ")
        + db.dayValuePlusYearsSql(QStringLiteral("prevdn"), years) + QLatin1Char(')');
}

} // namespace

bool ReportQueries::usage(
    const ReportFilter &filter, int reuseYears, QList<Usage> &rows, DbError &error)
{
    rows.clear();
    return run(
        [&](const DbDatabase &db) -> QString {
            // Each sermon's occasions are summed up once (how many, the first and last day), so
            // that an item's figures come from its links alone instead of from every link
            // spread over every occasion of its sermon. A sermon links to an item once (the
            // unique index SermonTopic, tblSermonIllustr's primary key), so an item's links
            // count its sermons. The places of an item's first and last day are then read from
            // the few occasions on one of those days, through their sermons' links: carrying
            // each occasion's place along with its day (a key of day and place) cost a fifth of
            // the time. The days are compared as dates on a server (DbDatabase::dayValueSql).
            return QStringLiteral("WITH ")
                + filter.occasionsCte(
                    db, {}, ReportFilter::Places::Read, ReportFilter::Days::Values)
                + QStringLiteral(
                    ", per AS (SELECT sid, COUNT(*) AS n, MIN(dn) AS firstdn, MAX(dn) AS lastdn "
                    "FROM occ GROUP BY sid), links AS (SELECT 0 AS kind, lngTopicID AS item, "
                    "lngSermonID AS sid FROM tblSermonTopics UNION ALL SELECT 1, lngIllustrID, "
                    "lngSermonID FROM tblSermonIllustr), agg AS (SELECT k.kind, k.item, COUNT(*) "
                    "AS nsermons, COALESCE(SUM(p.n), 0) AS ntimes, MIN(p.firstdn) AS firstdn, "
                    "MAX(p.lastdn) AS lastdn FROM links k LEFT JOIN per p ON p.sid = k.sid WHERE ")
                + (filter.choosesOccasions()
                        // Only a sermon preached then or there counts, and occ holds no other.
                        ? QStringLiteral("p.sid IS NOT NULL")
                        // A sermon with occasions in occ is one of the chosen; one without is
                        // looked up in a set of keys (built only then), not joined, so that the
                        // sermons' rows are read once, not once per link.
                        : QStringLiteral("(p.sid IS NOT NULL OR k.sid IN (SELECT s.lngSermonID "
                                         "FROM tblSermons s WHERE ")
                            + filter.sermonConditions() + QStringLiteral("))"))
                + QStringLiteral(
                    " GROUP BY k.kind, k.item), endocc AS (SELECT sid, dn, place FROM occ WHERE "
                    "dn IN (SELECT firstdn FROM agg UNION SELECT lastdn FROM agg)), endlinks AS "
                    "(SELECT 0 AS kind, t.lngTopicID AS item, o.dn, o.place FROM endocc o JOIN "
                    "tblSermonTopics t ON t.lngSermonID = o.sid UNION ALL SELECT 1, "
                    "i.lngIllustrID, o.dn, o.place FROM endocc o JOIN tblSermonIllustr i ON "
                    "i.lngSermonID = o.sid), ends AS (SELECT a.kind, a.item, MIN(CASE WHEN e.dn "
                    "= a.firstdn THEN COALESCE(e.place, '') END) AS firstplace, MIN(CASE WHEN "
                    "e.dn = a.lastdn THEN COALESCE(e.place, '') END) AS lastplace FROM endlinks e "
                    "JOIN agg a ON a.kind = e.kind AND a.item = e.item WHERE e.dn = a.firstdn OR "
                    "e.dn = a.lastdn GROUP BY a.kind, a.item), ")
                + reuseCte(db, reuseYears)
                + QStringLiteral(" SELECT agg.kind, agg.item, COALESCE(t.strTopic, i.strName), "
                                 "agg.nsermons, agg.ntimes, ")
                + db.dayNumberOfValueSql(QStringLiteral("agg.firstdn"))
                + QStringLiteral(", ends.firstplace, ")
                + db.dayNumberOfValueSql(QStringLiteral("agg.lastdn"))
                + QStringLiteral(
                    ", ends.lastplace, CASE WHEN r.item IS NULL THEN 0 ELSE 1 END FROM agg LEFT "
                    "JOIN ends ON ends.kind = agg.kind AND ends.item = agg.item LEFT JOIN "
                    "tblTopics t ON agg.kind = 0 AND t.lngTopicID = agg.item LEFT JOIN tblIllustr "
                    "i ON agg.kind = 1 AND i.lngIllustrID = agg.item LEFT JOIN reuse r ON "
                    "agg.kind = 1 AND r.item = agg.item ORDER BY agg.kind, 3, agg.item");
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
        error, Plan::LargeGrouping);
}

int ReportQueries::chapterCount(qint32 bookID)
{
    static constexpr int counts[66] = { 50, 40, 27, 36, 34, 24, 21, 4, 31, 24, 22, 25, 29, 36, 10,
        13, 10, 42, 150, 31, 12, 8, 66, 52, 5, 48, 12, 14, 3, 9, 1, 4, 7, 3, 3, 3, 2, 14, 4, 28, 16,
        24, 21, 28, 16, 16, 13, 6, 6, 4, 4, 5, 3, 6, 4, 3, 1, 13, 5, 5, 3, 5, 1, 1, 1, 22 };
    return bookID >= 1 && bookID <= 66 ? counts[bookID - 1] : 0;
}
