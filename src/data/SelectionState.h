#pragma once

#include <QtGlobal>

// What is left of the values the screens once handed each other through program-wide
// variables: the key of the sermon chosen in the sermon list (read by the assignment screens
// and the tracker) and whether the series and sermon screens are open. Which sermons the
// sermon list shows travels as a value (SermonQuery); the outline the sermon screen and the
// notes window share lives in the shell (SharedOutline).
//
// There is one instance for the whole run, ProgramSelection(); a test starts afresh with
// `ProgramSelection() = SelectionState();`.
struct SelectionState
{
    // The sermon selected in the sermon list.
    qint32 glngCurrentSermonID = 0;
    qint16 gboolSermonScreenOpen = 0; // the sermon identification screen is open
};

SelectionState &ProgramSelection();
