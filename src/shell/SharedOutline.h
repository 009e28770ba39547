#pragma once

#include <QString>

// The one state two windows of the program truly share: the sermon screen and the notes
// window. `text` is the outline of the sermon shown: the sermon screen puts it here when it
// shows a sermon, the notes window opens with it and hands its own text back when it closes,
// and printing reads it while the notes window is closed. `searchedWords` are the words of
// the last outline search; the notes window selects their first match when it shows an
// outline. The text search empties them when it opens, and so does the sermon screen when it
// closes. One instance for the whole run; tests start afresh with
// `SharedOutline() = OutlineHandOver();`.
struct OutlineHandOver
{
    QString text;
    QString searchedWords;
};

OutlineHandOver &SharedOutline();
