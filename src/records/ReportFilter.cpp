#include "ReportFilter.h"

#include "DbDatabase.h"
#include "DbDayNumber.h"
#include "SqlLiterals.h"

#include <QStringList>

QString ReportFilter::sermonConditions() const
{
    // Every book passes this test, so no index should answer it: through the book index SQLite
    // would visit every sermon in book order and look each one's occasions up, where reading the
    // occasions in their own order and each sermon by its key costs a third less. The unary
    // plus (a no-op on both engines) keeps the test off the index.
    QStringList conditions { QStringLiteral("+s.lngBibleBookID BETWEEN 1 AND 66") };
    auto key = [&conditions](const char *column, qint32 value) {
        if (value > 0) {
            conditions.append(QStringLiteral("s.") + QLatin1String(column) + QStringLiteral(" = ")
                + SQLLong(value));
        }
    };
    key("lngPreacherID", preacherID);
    key("lngTypeID", typeID);
    key("lngSeriesID", seriesID);
    return conditions.join(QStringLiteral(" AND "));
}

QString ReportFilter::placeCondition(const DbDatabase &db, const QString &place) const
{
    if (location.trimmed().isEmpty())
        return QStringLiteral("1 = 1");
    return db.caselessSql(QStringLiteral("TRIM(") + place + QLatin1Char(')'))
        + QStringLiteral(" = ") + db.caselessSql(SQLText(location));
}

QString ReportFilter::occasionsCte(const DbDatabase &db, const QString &sermonCondition,
    Places places, Days days, const QString &name) const
{
    const bool yearsOnly = days == Days::Years && !from.isValid() && !to.isValid();
    auto dayOf = [&db, days, yearsOnly](const QString &column) {
        if (days == Days::Values)
            return db.dayValueSql(column);
        return yearsOnly ? db.yearNumberSql(column) : db.dayNumberSql(column);
    };
    auto dayLiteral = [&db, days](const QDate &day) {
        return days == Days::Values ? db.dayValueLiteral(day) : SQLLong(DbDayNumber::of(day));
    };
    QStringList occasionConditions { QStringLiteral("dn IS NOT NULL") };
    if (from.isValid())
        occasionConditions.append(QStringLiteral("dn >= ") + dayLiteral(from));
    if (to.isValid())
        occasionConditions.append(QStringLiteral("dn <= ") + dayLiteral(to));
    if (!location.trimmed().isEmpty())
        occasionConditions.append(placeCondition(db, QStringLiteral("place")));
    const bool readPlaces = places == Places::Read || !location.trimmed().isEmpty();
    auto place = [readPlaces](const char *alias) {
        return readPlaces ? QLatin1String(alias) + QStringLiteral(".strLocation")
                          : QStringLiteral("CAST(NULL AS VARCHAR(1))");
    };
    const QString sermons = sermonCondition.isEmpty()
        ? sermonConditions()
        : sermonConditions() + QStringLiteral(" AND ") + sermonCondition;
    // The chapters a reference touches, read as BiblePassage::fromSermonColumns reads them: a
    // beginning chapter of 0 is the whole book; an ending chapter of 0, or one before the
    // beginning, is the beginning chapter.
    const QString bc
        = QStringLiteral("CASE WHEN s.intBeginChapter > 0 THEN s.intBeginChapter ELSE 0 END");
    const QString ec = QStringLiteral(
        "CASE WHEN s.intBeginChapter <= 0 THEN 0 WHEN s.intEndChapter > s.intBeginChapter "
        "THEN s.intEndChapter ELSE s.intBeginChapter END");
    const QString sermonColumns = QStringLiteral(", s.lngBibleBookID AS book, ") + bc
        + QStringLiteral(" AS bc, ") + ec
        + QStringLiteral(" AS ec, s.lngPreacherID AS preacher, s.lngTypeID AS stype");
    const QString own = QStringLiteral("SELECT s.lngSermonID AS sid, ")
        + dayOf(QStringLiteral("s.dtDatePreached")) + QStringLiteral(" AS dn, ") + place("s")
        + QStringLiteral(" AS place") + sermonColumns
        + QStringLiteral(" FROM tblSermons s WHERE s.dtDatePreached IS NOT NULL AND ") + sermons;
    const QString further = QStringLiteral("SELECT s.lngSermonID, ")
        + dayOf(QStringLiteral("d.dtDatePreached")) + QStringLiteral(", ") + place("d")
        + sermonColumns
        + QStringLiteral(" FROM tblDateLoc d JOIN tblSermons s ON s.lngSermonID = d.lngSermonID "
                         "WHERE d.dtDatePreached IS NOT NULL AND ")
        + sermons;
    // SQLite would otherwise merge the day number's expression into every place that reads
    // dn (the filter, the grouping, the output) and parse each date several times; a LIMIT
    // keeps the union a subquery of its own, so each date is parsed once. PostgreSQL
    // computes it once either way, and a fence there would cost it its parallel scan.
    const QString once = db.isPostgres() ? QString() : QStringLiteral(" LIMIT -1 OFFSET 0");
    return name + QStringLiteral(" AS (SELECT * FROM (") + own + QStringLiteral(" UNION ALL ")
        + further + once + QStringLiteral(") a WHERE ")
        + occasionConditions.join(QStringLiteral(" AND ")) + QLatin1Char(')');
}
