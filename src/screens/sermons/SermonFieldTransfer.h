#pragma once

#include <QString>
#include <QtGlobal>

class DbSnapshot;
class QComboBox;
class clsSermon;
struct SermonScreenWidgets;

// Moves a sermon between the fields of the sermon identification screen and its row or its
// record. Fields show a column's value followed by one blank (a column without a value shows
// a single blank), so every emptiness test accepts both the empty text and one blank.
class SermonFieldTransfer
{
public:
    // The text boxes from a row of "Select * FROM tblSermons ..." (the date as mm/dd/yyyy).
    static void showRow(const SermonScreenWidgets &widgets, const DbSnapshot &row);
    // The four drop-down lists on the row's keys (no entry for a key the list lacks).
    static void selectChoices(const SermonScreenWidgets &widgets, const DbSnapshot &row);
    // Every field empty, no entry chosen.
    static void clear(const SermonScreenWidgets &widgets);
    // Fields into the record (all but the outline). Empty chapter and verse boxes become
    // "0" first; an invalid date is no date; a list without a choice gives key 0.
    static void move(const SermonScreenWidgets &widgets, clsSermon &sermon);

    static bool isBlank(const QString &text);
    // A chapter or verse as a 16-bit number: its leading digits, 0 when they do not fit.
    static qint16 chapterOrVerse(const QString &text);
    static qint32 chosenKey(const QComboBox *list);
    static void selectByKey(QComboBox *list, qint32 key);
};
