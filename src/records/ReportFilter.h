#pragma once

#include <QDate>
#include <QString>

class DbDatabase;

// The choices every report shares: whose sermons, of which type and series, preached where
// and when. A key of 0 (or less), an empty place and an invalid date choose everything.
// Places compare as people write them (case and surrounding blanks do not count).
struct ReportFilter
{
    qint32 preacherID = 0;
    qint32 typeID = 0;
    qint32 seriesID = 0;
    QString location;
    QDate from;
    QDate to;
    // Count a sermon once in a cell or bar, however often it was preached there.
    bool countSermonsOnce = false;

    // The conditions on tblSermons (aliased `s`): preacher, type, series. "1 = 1" for none.
    QString sermonConditions() const;
    // The condition that a place (the column `place`) is the chosen one; "1 = 1" for none.
    QString placeCondition(const DbDatabase &db, const QString &place) const;
    // Whether only some occasions count (a date range or a place was chosen).
    bool choosesOccasions() const
    {
        return from.isValid() || to.isValid() || !location.trimmed().isEmpty();
    }

    // The common table `name` ("occ" unless given): one row per time a sermon was preached
    // that meets the filter, its own date and each of its further occasions (tblDateLoc),
    // dated ones only: sid (sermon), dn (the day as yyyymmdd), place, book, bc and ec (the
    // first and last chapter the reference touches; 0 and 0 for a whole book), preacher, type.
    // `sermonCondition`, when given, narrows the sermons further (one book). With
    // Places::Skip, place is Null unless a place was chosen: a report that shows no places
    // then reads the sermons' columns from the index SermonReport alone. With Days::Years,
    // for a report that reads only dn's year and compares it with whole years' bounds, dn
    // may leave month and day out (DbDatabase::yearNumberSql) unless dates were chosen. With
    // Days::Values, for a report that only compares days and takes the least or greatest, dn is
    // DbDatabase::dayValueSql's value, not the day number.
    enum class Places { Read, Skip };
    enum class Days { Exact, Years, Values };
    QString occasionsCte(const DbDatabase &db, const QString &sermonCondition = {},
        Places places = Places::Read, Days days = Days::Exact,
        const QString &name = QStringLiteral("occ")) const;
};
