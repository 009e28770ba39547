#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// Value rules of the record classes that the literal functions of the data layer do not
// cover.

// A 16-bit column (chapter, verse) read like NullToLong: 0 for Null, for no leading digits
// and for a number that does not fit 16 bits.
qint16 NullToInteger(const QVariant &value);

// The leading decimal number of a text, fraction included ("2100.5 AD" reads 2100.5,
// "19x" 19, "-3" -3); 0 when the text does not start with one. Leading blanks are skipped.
double LeadingNumber(const QString &text);

// A date as the lists show it: "M/d/yyyy", followed by the time ("h:mm:ss AP") only when it
// is not midnight; empty text for no date. With the Spanish interface "d/M/yyyy" and
// "H:mm:ss".
QString DateText(const QDateTime &value);

// A moment named in a message ("a backup of 6/15/1998 2:05 PM"): the date and the time to the
// minute, whatever the time; "d/M/yyyy H:mm" with the Spanish interface.
QString MomentText(const QDateTime &value);

// A date in a list or table cell: "M/d/yyyy", "d/M/yyyy" with the Spanish interface; empty
// for no date.
QString DayText(const QDate &value);

// A date property in SQL: its literal, or Null for no date.
QString DateLiteral(const QDateTime &value);

// A date column read back: no date for Null, empty text or anything that is not a date.
QDateTime DateField(const QVariant &value);
