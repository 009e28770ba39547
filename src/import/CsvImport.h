#pragma once

#include "CsvColumns.h"
#include "ImportReview.h"

#include <QList>
#include <QString>
#include <QStringList>

class ImportNames;

// A list of sermons read from a CSV file into review rows, one per record after the headings,
// by the fields the user matched to its columns. The rows then go through the same review,
// statuses and writer as outline files.
namespace CsvImport {

struct Sheet
{
    QString path;
    QStringList headings;
    QList<QStringList> records; // without the headings
    QString error; // why the file could not be read; empty when it was
};

// Reads and splits the file (separator found from its first line).
Sheet read(const QString &path);
Sheet fromText(const QString &path, const QString &text);

// "2019-05-05", "2019-05-05 19:30:00", and the forms outline files name dates in.
bool parseDate(const QString &text, QDate &date, QTime &time);

// One row per record. Names are kept as written; keys come from `names` where the library
// has them (the rest are made on import, when the user agrees). Rows have no status yet.
QList<ImportRow> rows(const Sheet &sheet, const QList<CsvField> &columns,
    const ImportReview &review, const ImportNames &names, const ImportReview::Defaults &defaults);

} // namespace CsvImport
