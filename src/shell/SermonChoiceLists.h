#pragma once

#include <QString>
#include <qnamespace.h>

class QComboBox;

// The drop-down lists of the sermon and selection screens, each filled by walking its record
// class's list: when the first row exists the list is cleared, then one entry per row with
// the row's key as item data. A list filled by code shows no choice until one is made.
class SermonChoiceLists
{
public:
    enum class PreacherText { LastName, LastAndFirstName };

    // Series numbers (the key in decimal): the sermon screen labels the list "Series ID:".
    static void fillSeries(QComboBox *list);
    // The books as the interface names them (Spanish names with the Spanish interface); each
    // entry keeps the library's own name too, which is what a sermon's reference is made of.
    static void fillBibleBooks(QComboBox *list);
    static constexpr int StoredBookNameRole = Qt::UserRole + 1;
    // The library's name of the chosen book (the shown text for a list filled otherwise).
    static QString storedBookName(const QComboBox *list);
    // "Last, First" on the sermon screen; the last name alone on the checklist.
    static void fillPreachers(QComboBox *list, PreacherText text);
    static void fillTypes(QComboBox *list);
    static void fillTopics(QComboBox *list);
};
