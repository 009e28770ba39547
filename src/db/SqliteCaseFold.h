#pragma once

struct sqlite3;

// Letter case as the program disregards it (QString::compare with Qt::CaseInsensitive, Unicode
// simple case folding) as a function of SQLite's: lectorum_casefold(text). SQLite's own LOWER
// folds the 26 ASCII letters alone, so that a report on SQLite took "église" and "ÉGLISE" for
// two places where the occasion tracker and a server take them for one. Null stays Null.
namespace SqliteCaseFold {

inline constexpr char SqliteFunction[] = "lectorum_casefold";
bool addSqliteFunction(sqlite3 *handle);

} // namespace SqliteCaseFold
