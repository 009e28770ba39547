#pragma once

#include <QList>
#include <QString>

class QPlainTextEdit;

// Finding and replacing text in the outline box. Matches are found in the box's plain text
// (whose character positions are the document's), so the count, the next match and Replace
// All always agree on what a match is.
class OutlineSearch
{
public:
    struct Options
    {
        bool matchCase = false;
        bool wholeWord = false;
        bool wrap = true;
    };

    // The start of every match, left to right, matches not overlapping.
    static QList<qsizetype> matches(
        const QString &text, const QString &term, const Options &options);
    // Selects the next match after the selection (or the previous one before it); false when
    // there is none (with wrap, none anywhere). `wrapped` tells that the search went round.
    static bool findNext(QPlainTextEdit *box, const QString &term, const Options &options,
        bool backward, bool *wrapped = nullptr);
    // Replaces the selection when it is a match, then selects the next match; false when the
    // selection was no match (only the search moved on).
    static bool replaceOne(QPlainTextEdit *box, const QString &term, const QString &replacement,
        const Options &options);
    // Replaces every match as one step of undo; returns the number replaced.
    static int replaceAll(QPlainTextEdit *box, const QString &term, const QString &replacement,
        const Options &options);

private:
    static bool isMatchAt(
        const QString &text, qsizetype at, const QString &term, const Options &options);
};
