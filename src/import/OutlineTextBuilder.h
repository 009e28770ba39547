#pragma once

#include <QString>
#include <QStringList>

// Builds an outline's plain text from a word processor's structure as its reader meets it:
// paragraphs become lines, list levels and headings leading tabs, a table row one line of
// tab-separated cells, footnotes lines at the end. Both document readers feed it.
class OutlineTextBuilder
{
public:
    void beginParagraph(int indent, bool heading);
    void addText(const QString &text);
    void endParagraph();

    void beginRow();
    void endCell();
    void endRow();

    // Paragraphs between these go to the footnotes; `mark` is their number in the text.
    void beginFootnote(const QString &mark);
    void endFootnote();

    bool tooLong() const { return m_tooLong; }
    QString firstHeading() const { return m_firstHeading; }
    QString firstLine() const { return m_firstLine; }
    QString text() const;

private:
    QStringList m_lines;
    QStringList m_footnotes;
    QStringList m_cells;
    QString m_paragraph;
    QString m_cell;
    QString m_firstHeading;
    QString m_firstLine;
    // The body's paragraph a note interrupted (an OpenDocument note sits inside one).
    QString m_heldParagraph;
    int m_heldIndent = 0;
    bool m_heldHeading = false;
    bool m_heldInParagraph = false;
    int m_indent = 0;
    int m_rowDepth = 0;
    int m_footnoteDepth = 0;
    bool m_heading = false;
    bool m_inParagraph = false;
    bool m_tooLong = false;
    qint64 m_chars = 0;
};
