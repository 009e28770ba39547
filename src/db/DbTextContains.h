#pragma once

#include <QString>

struct sqlite3;

// The text search's substring rule as the database itself can test it: the field holds text
// and contains the search text, letters compared without regard to case exactly as
// QStringMatcher with Qt::CaseInsensitive compares them (Unicode simple case folding, one
// UTF-16 unit at a time). The sermon list fill lets the database leave out rows this way; it
// must never leave out a row the program's own test would keep, so each engine's expression
// is exact or not offered at all.
namespace DbTextContains {

// The SQL function added to every SQLite connection: lectorum_contains(field, text) is 1 when
// the field is non-empty text and either the text is empty or the field contains it.
inline constexpr char SqliteFunction[] = "lectorum_contains";
bool addSqliteFunction(sqlite3 *handle);

// A PostgreSQL regular expression (for the case-sensitive ~ operator) that matches where the
// case-insensitive search finds `text`: every character becomes the class of all characters
// that fold to the same letter, written as \uXXXX escapes, so the expression is plain ASCII
// and means the same under any locale. Empty when the text cannot be put that way (a
// surrogate or NUL in it, or a text so long the expression would be unwieldy); the caller
// then leaves the test to the program.
QString postgresPattern(const QString &text);

} // namespace DbTextContains
