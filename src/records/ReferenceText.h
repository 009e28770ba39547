#pragma once

#include <QString>
#include <QtGlobal>

// The Bible reference as the sermon list shows it, composed from the book's name and the
// chapter and verse fields when the user has not typed one (the sermon screen), and for every
// sermon an import writes, so imported and typed sermons read, sort and search alike:
//   "John 3:16"        beginning and end are the same verse;
//   "John 3:16-18"     the passage ends in the same chapter;
//   "John 3:16 - 4:2"  anything else, also with empty ending fields ("John 3:16 - :").
// Chapters and verses are compared by their numeric value; the texts are used trimmed.
// Pure: no widgets, no database; any input gives some text.
QString ReferenceText(const QString &book, const QString &beginChapter, const QString &beginVerse,
    const QString &endChapter, const QString &endVerse);

// The numeric value of a typed chapter or verse: its leading (signed) digits after any blanks,
// 0 when there are none or when the number does not fit 32 bits.
qint32 ReferenceNumber(const QString &text);
