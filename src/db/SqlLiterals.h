#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// The rules that turn values into SQL literal text, and fields back into values. They never
// fail: anything unusable becomes "Null" (writing) or 0 / "" / no date (reading).

// Every occurrence of `find` replaced, scanning left to right without rescanning the
// replacement.
QString ReplaceAll(const QString &text, const QString &find, const QString &replacement);

// 'text' with single quotes doubled and surrounding blanks removed; Null when blank.
QString SQLText(const QString &value);
// 'text' with single quotes doubled, exactly as given: blanks kept, never Null (look-ups by
// a typed login id or password, search texts).
QString SQLQuoted(const QString &value);

// 'yyyy-MM-dd' or 'yyyy-MM-dd hh:mm:ss' (when the time of day is not midnight); Null for
// anything that is not a date, for a year outside 1 to 9999, and for the zero date
// (30 December 1899, an empty date field).
// ISO text reads the same whatever the regional settings of the copy that wrote it.
QString SQLDate(const QVariant &value);

// Decimal digits with a leading "-" when negative.
QString SQLLong(qint64 value);

// 0 for Null, otherwise the leading (signed) digits of the value's text; 0 when there are
// none or when the number does not fit 32 bits.
qint32 NullToLong(const QVariant &value);
// "" for Null, otherwise the value's text without leading and trailing blanks.
QString NullToText(const QVariant &value);

// Reads a date the way the program stores or shows one: a native date value, ISO text
// ("1998-06-15", "1998-06-15 19:30:00", "1998-06-15T19:30:00") or US text ("6/15/1998",
// "06/15/1998 7:30:00 PM"). Invalid when it is none of these.
QDateTime DateFromValue(const QVariant &value);

// Only the blank (code 32) is trimmed: tabs and line breaks are part of the text.
QString TrimBlanks(const QString &text);
