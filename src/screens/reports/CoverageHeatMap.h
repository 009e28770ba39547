#pragma once

#include <QHash>
#include <QList>
#include <QWidget>
#include <functional>

// A grid of counts: rows (the books in Bible order under their group names, or the chapters
// of one book) by columns (years), each cell shaded by its count and showing it. Hovering a
// cell shows the text the screen gives for it; clicking a cell with a count announces it.
// The same drawing serves the screen, the printer and the picture exports (paint()).
class CoverageHeatMap : public QWidget
{
    Q_OBJECT
public:
    struct Row
    {
        int key = 0; // a book key or a chapter number
        QString label;
        QString group; // shown where it changes; empty for none
    };

    explicit CoverageHeatMap(QWidget *parent = nullptr);

    void setData(
        const QList<Row> &rows, const QList<int> &years, const QHash<quint64, int> &counts);
    static quint64 cellKey(int row, int year)
    {
        return (quint64(quint32(row)) << 32) | quint32(year);
    }
    int count(int row, int year) const { return m_counts.value(cellKey(row, year)); }
    const QList<Row> &rows() const { return m_rows; }
    const QList<int> &years() const { return m_years; }

    // The text of a cell's tooltip (count and titles), asked for when the pointer rests.
    void setToolTipText(std::function<QString(int row, int year)> text)
    {
        m_toolTip = std::move(text);
    }

    // The whole map at its own size.
    QSize sizeHint() const override;
    // Draws the whole map into `target`, scaled down (never up) to fit, kept in proportion.
    void paint(QPainter &painter, const QRect &target) const;
    // The centre of a cell in widget coordinates (tests click it).
    QPoint cellCentre(int rowIndex, int yearIndex) const;

Q_SIGNALS:
    void cellClicked(int row, int year);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The row and column indexes under a point; false outside the cells.
    bool cellAt(const QPoint &point, int &rowIndex, int &yearIndex) const;
    void drawCell(QPainter &painter, const QRect &cell, int count) const;

    QList<Row> m_rows;
    QList<int> m_years;
    QHash<quint64, int> m_counts;
    int m_most = 0;
    std::function<QString(int, int)> m_toolTip;
};
