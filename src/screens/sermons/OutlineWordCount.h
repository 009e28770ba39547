#pragma once

#include <QString>

// The words of an outline and the time they take to speak, for the line under the notes
// window's outline: "N words, about M min". A word is a run of characters between spaces
// holding at least one letter or digit; the outline's own markers at the start of a line
// ("II.", "b.", "3.", "-", "*") are not spoken and not counted.
class OutlineWordCount
{
public:
    static int words(const QString &text);
    // Whole minutes at `wordsPerMinute`, at least 1 for any words at all.
    static int minutes(int words, int wordsPerMinute);
    static QString caption(int words, int wordsPerMinute);
};
