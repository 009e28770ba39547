#pragma once

#include <QList>
#include <QString>

// The levels a preacher's outline shows by its own markers, derived from the plain text each
// time it is shown (nothing is stored beside the outline). A line that begins with "I." (a
// Roman numeral), "A." (a capital), "1." (a number), "a." (a small letter), "-" or "*" is a
// point of level 0 to 4; "a)", "(a)", "1.2" and the bullets an import brings in ("•", "◦",
// "▪", "–") are markers too. An outline whose marked lines are indented with tabs (the
// plain-text outline convention, README: one tab per nesting level, as the import writes
// lists) takes each marked line's level from its tabs instead. A line without a marker
// continues the point above it (its text hangs under that point's text); a blank line ends a
// section, and the next line starts one.
struct OutlineLine
{
    int sourceLine = 0; // 0-based line number in the outline text
    int level = -1; // 0..4 for a point; -1 for plain text outside any point
    QString marker; // "II.", "b.", "-" ... empty for a continuation or plain line
    QString body; // the text after the marker and its spaces
    bool sectionStart = false;
    bool continuation = false; // hangs under the point above
};

class OutlineLevels
{
public:
    static constexpr int Levels = 5;

    // The outline's non-blank lines in order.
    static QList<OutlineLine> parse(const QString &text);
    // The level of a marker (without trailing spaces), -1 when it is none.
    static int markerLevel(const QString &marker);
};
