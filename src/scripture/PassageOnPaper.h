#pragma once

#include "BiblePassage.h"
#include "ScriptureTypes.h"

#include <QString>

// A sermon's passage in the chosen Bible version, read at once, for what leaves the screen:
// the printed outline, an exported document, the preaching view. It follows the settings
// (version, verse per line, "Passage in print and export"), not whichever window happens to
// show them, so it works whether or not the notes window is open.
namespace PassageOnPaper {

// The passage as read from the chosen version (its message when it cannot be read).
ScripturePassage read(const BiblePassage &passage);
// The passage as plain text when the user asked for it in print and export; "" when not, or
// when the passage is not valid or cannot be read.
QString forPrint(const BiblePassage &passage);

} // namespace PassageOnPaper
