#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a column of a list of sermons holds, as the column-matching step names it.
enum class CsvField {
    Ignore,
    Key, // the sermon's number in the library the list came from
    Title,
    Passage,
    Date,
    Preacher,
    Type,
    Series,
    BigIdea,
    Location,
    Outline,
    Topics
};

// Matching a file's headings to the fields of a sermon. The sermon list that File > Export
// writes is recognised by its headings and needs no matching.
namespace CsvColumns {

// The fields in the order the matching step offers them (Ignore first).
QList<CsvField> fields();
QString name(CsvField field);

// The headings of the exported sermon list, in its order (in English).
QStringList exportHeadings();
// Whether the headings are those of the exported list in one of the program's languages.
bool isExportedList(const QStringList &headings);

// A first guess for each heading (by name and the usual other names: "Scripture", "Speaker",
// "Preached", the Spanish ones: "Referencia bíblica", "Fecha"); a field is given to one column
// at most.
QList<CsvField> guess(const QStringList &headings);

// Topics in one field: "; " between them, as the export writes them.
QStringList splitTopics(const QString &text);

} // namespace CsvColumns
