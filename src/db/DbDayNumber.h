#pragma once

#include <QDate>
#include <QString>

// A date column as one integer yyyymmdd, computed by the database, so that grouped queries
// can count by year (the number / 10000), compare ranges and add whole years (+ years * 10000
// keeps month and day, and a day after it in a year without 29 February still compares
// later, exactly as QDate::addYears would have it). Null for Null, for text that is no date
// and for the zero date (30 December 1899, an empty date field).
namespace DbDayNumber {

// A day's number as the statements compute it, and the day of a number.
inline qint32 of(const QDate &date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}
inline QDate dateOf(qint32 dayNumber)
{
    return QDate(dayNumber / 10000, dayNumber / 100 % 100, dayNumber % 100);
}

// SQLite stores the program's ISO text ("1998-06-15" or "1998-06-15 19:30:00") and may hold
// US text ("6/15/1998 7:30:00 PM") written by older copies; both are read, as DateFromValue
// reads them.
QString sqliteSql(const QString &column);
// A server's native timestamp column, through standard EXTRACT.
QString serverSql(const QString &column);
// The same with month and day left out (yyyy0000), Null where serverSql is Null: for a
// query that reads only the year, one date part instead of three.
QString serverYearSql(const QString &column);
// A server's timestamp column as its date, Null where serverSql is Null: it orders as the day
// numbers do, at the cost of a cast.
QString serverDateSql(const QString &column);

} // namespace DbDayNumber
