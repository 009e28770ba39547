#pragma once

#include "ScriptureTypes.h"

// A passage as plain text, the form it takes in an outline, on paper and in documents:
//   John 3:16–17
//   16 For God so loved the world, ... 17 For God didn't send ...
//   … and 12 more verses
//   WEB
// Paragraphs of the version start new lines; with `versePerLine` every verse does. A passage
// that could not be read gives its reading and the message.
class ScriptureText
{
public:
    static QString plain(const ScripturePassage &passage, bool versePerLine = false);
    // The verses alone, without reference or version lines.
    static QString verses(const ScripturePassage &passage, bool versePerLine = false);
    static QString moreLine(int moreVerses);
};
