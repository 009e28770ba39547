#include "OutlineTextBuilder.h"

#include "ImportLimits.h"

#include <QCoreApplication>

void OutlineTextBuilder::beginParagraph(int level, Kind kind, const QString &mark)
{
    m_paragraph = Paragraph();
    // Headings start at the margin whatever their level: the outline's levels are its lists'.
    m_paragraph.level = kind == Kind::Body ? qBound(0, level, 9) : 0;
    m_paragraph.kind = kind;
    m_paragraph.mark = mark;
    m_paragraph.open = true;
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
    m_paragraph.text += text;
}

void OutlineTextBuilder::setMark(const QString &mark)
{
    if (m_paragraph.open)
        m_paragraph.mark = mark;
}

void OutlineTextBuilder::markHidden()
{
    if (m_paragraph.open)
        m_paragraph.hidden = true;
}

void OutlineTextBuilder::appendLine(const QString &line)
{
    (m_nestedDepth > 0 ? m_deferred : m_lines).append(line);
}

void OutlineTextBuilder::endParagraph()
{
    if (!m_paragraph.open)
        return;
    m_paragraph.open = false;
    const QString body = m_paragraph.text.trimmed();
    const QString mark = m_paragraph.mark.trimmed();
    if (m_footnoteDepth > 0) {
        if (!body.isEmpty())
            m_footnotes.last()
                += (m_footnotes.last().endsWith(QLatin1Char(']')) ? u" " : u"\n") + body;
        return;
    }
    // A cell's paragraphs share its one line.
    if (m_rowDepth > 0) {
        if (!body.isEmpty())
            m_cell += (m_cell.isEmpty() ? QString() : QStringLiteral(" ")) + body;
        return;
    }
    if (body.isEmpty() && mark.isEmpty()) {
        if (!m_paragraph.hidden)
            appendLine(QString());
    } else {
        if (m_paragraph.kind == Kind::Title && m_title.isEmpty())
            m_title = body;
        if (m_paragraph.kind != Kind::Body && m_firstHeading.isEmpty())
            m_firstHeading = body;
        if (m_firstLine.isEmpty() && !body.isEmpty())
            m_firstLine = body;
        QString line(m_paragraph.level, QLatin1Char('\t'));
        if (!mark.isEmpty())
            line += mark + (body.isEmpty() ? QString() : QStringLiteral(" "));
        appendLine(line + body);
    }
    if (m_nestedDepth == 0 && !m_deferred.isEmpty()) {
        m_lines.append(m_deferred);
        m_deferred.clear();
    }
}

void OutlineTextBuilder::beginRow()
{
    if (m_rowDepth++ == 0)
        m_cell.clear();
}

void OutlineTextBuilder::endCell()
{
    if (m_rowDepth == 1) {
        if (!m_cell.trimmed().isEmpty())
            appendLine(m_cell);
        m_cell.clear();
    }
}

void OutlineTextBuilder::endRow()
{
    if (m_rowDepth > 0)
        --m_rowDepth;
}

void OutlineTextBuilder::beginFootnote(const QString &mark)
{
    if (m_footnoteDepth++ == 0) {
        m_footnotes.append(QLatin1Char('[') + mark + QLatin1Char(']'));
        m_held.append(m_paragraph);
        m_paragraph = Paragraph();
    }
}

void OutlineTextBuilder::endFootnote()
{
    if (m_footnoteDepth > 0 && --m_footnoteDepth == 0 && !m_held.isEmpty())
        m_paragraph = m_held.takeLast();
}

void OutlineTextBuilder::beginNested()
{
    ++m_nestedDepth;
    m_held.append(m_paragraph);
    m_paragraph = Paragraph();
}

void OutlineTextBuilder::endNested()
{
    if (m_nestedDepth == 0 || m_held.isEmpty())
        return;
    --m_nestedDepth;
    // Its lines wait for the end of the paragraph it is anchored in (one read later, when the
    // reader hands a paragraph over only at its end).
    m_paragraph = m_held.takeLast();
}

QString OutlineTextBuilder::text() const
{
    QStringList lines = m_lines;
    lines.append(m_deferred);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    QStringList notes;
    for (const QString &note : m_footnotes) {
        if (note.contains(QLatin1Char(' ')) || note.contains(QLatin1Char('\n')))
            notes.append(note);
    }
    if (!notes.isEmpty()) {
        lines.append(QString());
        lines.append(QCoreApplication::translate("OutlineTextBuilder", "Notes"));
        lines.append(notes);
    }
    return lines.join(QLatin1Char('\n'));
}
