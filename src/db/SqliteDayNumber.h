#pragma once

#include <QString>

struct sqlite3;

// DbDayNumber's rule for a text date as a function of SQLite's: lectorum_daynumber(column)
// gives what DbDayNumber::sqliteSql's expression gives for the same value, Null included, in
// a fraction of the time: the reports count a quarter of a million dates, and the expression's
// patterns and substrings cost more than the rest of their queries together.
namespace SqliteDayNumber {

inline constexpr char SqliteFunction[] = "lectorum_daynumber";
bool addSqliteFunction(sqlite3 *handle);
// The function applied to `column`.
QString sql(const QString &column);

} // namespace SqliteDayNumber
