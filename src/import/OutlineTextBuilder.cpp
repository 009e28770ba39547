#include "OutlineTextBuilder.h"

#include "ImportLimits.h"

void OutlineTextBuilder::beginParagraph(int indent, bool heading)
{
    m_paragraph.clear();
    m_indent = qBound(0, indent, 9);
    m_heading = heading;
    m_inParagraph = true;
}

void OutlineTextBuilder::addText(const QString &text)
{
    if (m_tooLong)
        return;
    m_chars += text.size();
    if (m_chars > ImportLimits::TextChars) {
        m_tooLong = true;
        return;
    }
    m_paragraph += text;
}

void OutlineTextBuilder::endParagraph()
{
    if (!m_inParagraph)
        return;
    m_inParagraph = false;
    const QString body = m_paragraph.trimmed();
    if (m_footnoteDepth > 0) {
        if (!body.isEmpty())
            m_footnotes.last()
                += (m_footnotes.last().endsWith(QLatin1Char(']')) ? u" " : u"\n") + body;
        return;
    }
    if (m_rowDepth > 0) {
        // A cell's paragraphs share its one place in the row.
        if (!body.isEmpty())
            m_cell += (m_cell.isEmpty() ? QString() : QStringLiteral(" ")) + body;
        return;
    }
    if (m_heading && m_firstHeading.isEmpty() && !body.isEmpty())
        m_firstHeading = body;
    if (m_firstLine.isEmpty() && !body.isEmpty())
        m_firstLine = body;
    m_lines.append(body.isEmpty() ? QString() : QString(m_indent, QLatin1Char('\t')) + body);
}

void OutlineTextBuilder::beginRow()
{
    if (m_rowDepth++ == 0) {
        m_cells.clear();
        m_cell.clear();
    }
}

void OutlineTextBuilder::endCell()
{
    if (m_rowDepth == 1) {
        m_cells.append(m_cell);
        m_cell.clear();
    }
}

void OutlineTextBuilder::endRow()
{
    if (m_rowDepth == 0 || --m_rowDepth > 0)
        return;
    const QString line = m_cells.join(QLatin1Char('\t'));
    if (!line.trimmed().isEmpty())
        m_lines.append(line);
    m_cells.clear();
}

void OutlineTextBuilder::beginFootnote(const QString &mark)
{
    if (m_footnoteDepth++ == 0) {
        m_footnotes.append(QLatin1Char('[') + mark + QLatin1Char(']'));
        m_heldParagraph = m_paragraph;
        m_heldIndent = m_indent;
        m_heldHeading = m_heading;
        m_heldInParagraph = m_inParagraph;
        m_inParagraph = false;
    }
}

void OutlineTextBuilder::endFootnote()
{
    if (m_footnoteDepth > 0 && --m_footnoteDepth == 0) {
        m_paragraph = m_heldParagraph;
        m_indent = m_heldIndent;
        m_heading = m_heldHeading;
        m_inParagraph = m_heldInParagraph;
    }
}

QString OutlineTextBuilder::text() const
{
    QStringList lines = m_lines;
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringList notes;
    for (const QString &note : m_footnotes) {
        if (note.contains(QLatin1Char(' ')) || note.contains(QLatin1Char('\n')))
            notes.append(note);
    }
    if (!notes.isEmpty()) {
        lines.append(QString());
        lines.append(notes);
    }
    return lines.join(QLatin1Char('\n'));
}
