#pragma once

#include <QString>

// What is left of the values the screens once handed each other through program-wide
// variables: the key of the sermon chosen in the sermon list (read by the assignment screens
// and the tracker), the inputs and outputs of the screens' name look-ups, and the row counts
// of the grids that the sermon, series and date/location records keep in step. Which sermons
// the sermon list shows travels as a value (SermonQuery); the outline the sermon screen and
// the notes window share lives in the shell (SharedOutline).
//
// There is one instance for the whole run, ProgramSelection(). Every key starts at 0 and
// every text empty; a test starts afresh with `ProgramSelection() = SelectionState();`.
struct SelectionState
{
    // The sermon selected in the sermon list.
    qint32 glngCurrentSermonID = 0;
    // Data rows of the sermon list, and the list row of the selected sermon.
    qint32 glngListRows = 0;
    qint32 glngListRow = 0;
    // The occasion shown in the date/location tracker, and the tracker's data rows.
    qint32 glngDateLocID = 0;
    qint32 glngDateLocRows = 0;
    // Input and output of GetPreacher (last name; the series screen's also the first name).
    qint32 glngLookupPreacherID = 0;
    QString gstrLastName;
    // Inputs and outputs of the series screen's type and Bible-book look-ups.
    qint32 glngBibleBookID = 0;
    qint32 glngTypeID = 0;
    QString gstrTypeDesc;
    QString gstrBibleBook;
    QString gstrFirstName;

    // Program-wide values of the series and sermon screens, kept here with the others because
    // the series record updates the count and other screens test the flags.
    qint32 glngSeriesRows = 0; // data rows of the series grid
    qint16 gboolSeriesScreenOpen = 0; // the series screen is open
    qint16 gboolSermonScreenOpen = 0; // the sermon identification screen is open
};

SelectionState &ProgramSelection();
