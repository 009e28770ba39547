#pragma once

#include "OutlineLevels.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

// The preaching view's page: the heading (title and passage) and the outline's lines laid out
// once for a type size and a width, as rows of text from top to bottom. The view paints only
// the rows in sight, so a long outline pages as fast as a short one; tests read the rows to
// see what the view drew and where.
class PreachingLayout
{
public:
    enum class Kind { Title, Passage, Marker, Text };

    // One row as laid out: a line of wrapped text, or a point's marker.
    struct Row
    {
        Kind kind = Kind::Text;
        QString text;
        QRectF rect; // in page coordinates (y grows down from the page's top)
        int sourceLine = -1; // the outline line, -1 for the heading
        int level = -1;
    };

    PreachingLayout();
    ~PreachingLayout();

    // Lays out the page; `width` is the page's full width in pixels.
    void build(const QString &title, const QString &passage, const QList<OutlineLine> &lines,
        const QFont &font, qreal width);

    qreal height() const { return m_height; }
    // The text rows (markers excluded), in order; their tops never decrease.
    const std::vector<Row> &rows() const { return m_rows; }
    const std::vector<Row> &markers() const { return m_markers; }
    // The first text row whose bottom lies below `y`, rows().size() when none.
    std::size_t rowAt(qreal y) const;
    // The top of the first row of an outline line (0 for the heading or an unknown line).
    qreal topOfSourceLine(int sourceLine) const;

    // Paints the rows that meet [top, top + height) with the page's top at `origin`;
    // returns the rows painted (markers included) for the view's record of its last paint.
    std::vector<Row> paint(QPainter &painter, qreal top, qreal height, qreal originY) const;

    // The indent of one level and the margin around the text, in pixels for this font.
    qreal indentStep() const { return m_indent; }
    qreal margin() const { return m_margin; }

private:
    struct Block
    {
        std::unique_ptr<QTextLayout> layout;
        QRectF markerRect;
        QString marker;
        qreal top = 0;
        Kind kind = Kind::Text;
        int sourceLine = -1;
        int level = -1;
    };
    qreal addBlock(Kind kind, const QString &text, const QFont &font, qreal x, qreal top,
        qreal width, const OutlineLine *line);

    std::vector<Block> m_blocks;
    std::vector<Row> m_rows;
    std::vector<std::size_t> m_rowBlock; // the block each row belongs to
    std::vector<Row> m_markers;
    QFont m_font;
    qreal m_height = 0;
    qreal m_indent = 0;
    qreal m_margin = 0;
};
