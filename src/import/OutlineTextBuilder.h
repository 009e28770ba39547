#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Builds an outline's plain text from a word processor's structure as its reader meets it, by
// the plain-text outline convention (README, design notes): a paragraph is a line; a list item
// is one tab per nesting level below the first, its mark as printed, a blank and the text;
// headings start at the margin; a table's cells come one per line; footnotes come at the end
// under a line "Notes". Every document reader feeds it.
class OutlineTextBuilder
{
public:
    enum class Kind { Body, Heading, Title };

    // `level` is the list nesting (0 for the margin); `mark` the number or bullet as printed.
    void beginParagraph(int level, Kind kind = Kind::Body, const QString &mark = QString());
    void addText(const QString &text);
    // The mark as the document itself says it was printed, in place of the one worked out.
    void setMark(const QString &mark);
    // The reader passed over text of this paragraph that is not printed (hidden, deleted, a
    // comment): left with nothing else, the paragraph makes no blank line.
    void markHidden();
    void endParagraph();

    void beginRow();
    void endCell();
    void endRow();

    // Paragraphs between these go to the notes; `mark` is the note's number in the text.
    void beginFootnote(const QString &mark);
    void endFootnote();

    // Paragraphs inside the one being read (a text box anchored in it): they come in as lines
    // of their own right after it (after the next paragraph to end, for a reader that begins
    // a paragraph only at its end).
    void beginNested();
    void endNested();

    bool tooLong() const { return m_tooLong; }
    // A paragraph in a Title style, else the first heading; empty when there is neither.
    QString firstHeading() const { return m_title.isEmpty() ? m_firstHeading : m_title; }
    QString firstLine() const { return m_firstLine; }
    QString text() const;

private:
    struct Paragraph
    {
        QString text;
        QString mark;
        int level = 0;
        Kind kind = Kind::Body;
        bool open = false;
        bool hidden = false;
    };
    void appendLine(const QString &line);

    QStringList m_lines;
    QStringList m_deferred; // lines of text boxes, waiting for their paragraph's end
    QStringList m_footnotes;
    QString m_cell;
    QString m_firstHeading;
    QString m_title;
    QString m_firstLine;
    Paragraph m_paragraph;
    // The paragraphs a note or a text box interrupted.
    QList<Paragraph> m_held;
    int m_rowDepth = 0;
    int m_footnoteDepth = 0;
    int m_nestedDepth = 0;
    bool m_tooLong = false;
    qint64 m_chars = 0;
};
