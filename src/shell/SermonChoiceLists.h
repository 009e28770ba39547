#pragma once

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
    static void fillBibleBooks(QComboBox *list);
    // "Last, First" on the sermon screen; the last name alone on the checklist.
    static void fillPreachers(QComboBox *list, PreacherText text);
    static void fillTypes(QComboBox *list);
    static void fillTopics(QComboBox *list);
};
