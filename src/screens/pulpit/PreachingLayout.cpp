#include "PreachingLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

PreachingLayout::PreachingLayout() = default;
PreachingLayout::~PreachingLayout() = default;

qreal PreachingLayout::addBlock(Kind kind, const QString &text, const QFont &font, qreal x,
    qreal top, qreal width, const OutlineLine *line)
{
    Block block;
    block.kind = kind;
    block.top = top;
    block.sourceLine = line ? line->sourceLine : -1;
    block.level = line ? line->level : -1;
    block.layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    block.layout->setTextOption(option);
    block.layout->setCacheEnabled(true);
    block.layout->beginLayout();
    qreal y = 0;
    for (QTextLine part = block.layout->createLine(); part.isValid();
         part = block.layout->createLine()) {
        part.setLineWidth(qMax<qreal>(width, 10));
        part.setPosition(QPointF(0, y));
        y += part.height();
    }
    block.layout->endLayout();
    block.layout->setPosition(QPointF(x, top));
    const std::size_t index = m_blocks.size();
    for (int i = 0; i < block.layout->lineCount(); ++i) {
        const QTextLine part = block.layout->lineAt(i);
        Row row;
        row.kind = kind;
        row.text = text.mid(part.textStart(), part.textLength()).trimmed();
        row.rect = QRectF(x, top + part.y(), part.naturalTextWidth(), part.height());
        row.sourceLine = block.sourceLine;
        row.level = block.level;
        m_rows.push_back(row);
        m_rowBlock.push_back(index);
    }
    m_blocks.push_back(std::move(block));
    return y;
}

void PreachingLayout::build(const QString &title, const QString &passage,
    const QList<OutlineLine> &lines, const QFont &font, qreal width)
{
    m_blocks.clear();
    m_rows.clear();
    m_rowBlock.clear();
    m_markers.clear();
    m_font = font;
    const QFontMetricsF metrics(font);
    m_margin = metrics.height();
    m_indent = metrics.horizontalAdvance(QStringLiteral("MMM"));
    const qreal textWidth = width - 2 * m_margin;
    qreal y = m_margin / 2;

    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPointSizeF(font.pointSizeF() * 1.15);
    if (!title.trimmed().isEmpty()) {
        y += addBlock(Kind::Title, title.trimmed(), titleFont, m_margin, y, textWidth, nullptr);
    }
    QFont passageFont = font;
    passageFont.setItalic(true);
    if (!passage.trimmed().isEmpty()) {
        y += addBlock(
            Kind::Passage, passage.trimmed(), passageFont, m_margin, y, textWidth, nullptr);
    }
    if (!m_blocks.empty()) {
        y += m_margin;
    }
    for (const OutlineLine &line : lines) {
        if (line.sectionStart) {
            y += metrics.height() * 0.6;
        }
        const qreal levelX = m_margin + qMax(0, line.level) * m_indent;
        // A point's text hangs: wrapped rows and continuations line up after the marker.
        const qreal bodyX = line.level >= 0 ? levelX + m_indent : m_margin;
        if (!line.marker.isEmpty()) {
            Row marker;
            marker.kind = Kind::Marker;
            marker.text = line.marker;
            marker.rect
                = QRectF(levelX, y, metrics.horizontalAdvance(line.marker), metrics.height());
            marker.sourceLine = line.sourceLine;
            marker.level = line.level;
            m_markers.push_back(marker);
        }
        y += addBlock(Kind::Text, line.body, font, bodyX, y, width - m_margin - bodyX, &line);
    }
    m_height = y + m_margin;
}

std::size_t PreachingLayout::rowAt(qreal y) const
{
    const auto found = std::upper_bound(m_rows.begin(), m_rows.end(), y,
        [](qreal value, const Row &row) { return value < row.rect.bottom(); });
    return std::size_t(found - m_rows.begin());
}

qreal PreachingLayout::topOfSourceLine(int sourceLine) const
{
    for (const Row &row : m_rows) {
        if (row.sourceLine >= sourceLine && sourceLine >= 0) {
            return row.rect.top();
        }
    }
    return 0;
}

std::vector<PreachingLayout::Row> PreachingLayout::paint(
    QPainter &painter, qreal top, qreal height, qreal originY) const
{
    std::vector<Row> painted;
    const qreal bottom = top + height;
    std::size_t lastBlock = m_blocks.size();
    for (std::size_t i = rowAt(top); i < m_rows.size() && m_rows[i].rect.top() < bottom; ++i) {
        painted.push_back(m_rows[i]);
        const std::size_t b = m_rowBlock[i];
        if (b == lastBlock) {
            continue;
        }
        lastBlock = b;
        // Only the rows of this block that are in sight are drawn.
        const Block &block = m_blocks[b];
        const QPointF at(0, originY - top);
        for (int l = 0; l < block.layout->lineCount(); ++l) {
            const QTextLine part = block.layout->lineAt(l);
            const qreal y = block.top + part.y();
            if (y + part.height() > top && y < bottom) {
                part.draw(&painter, block.layout->position() + at);
            }
        }
    }
    // Markers are few per screen; a binary search finds the first in sight.
    const auto first = std::lower_bound(m_markers.begin(), m_markers.end(), top,
        [](const Row &row, qreal value) { return row.rect.bottom() < value; });
    painter.setFont(m_font);
    for (auto it = first; it != m_markers.end() && it->rect.top() < bottom; ++it) {
        const QRectF place = it->rect.translated(0, originY - top);
        const qreal ascent = QFontMetricsF(m_font).ascent();
        painter.drawText(QPointF(place.left(), place.top() + ascent), it->text);
        painted.push_back(*it);
    }
    return painted;
}
