#include "CoverageHeatMap.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int GroupWidth = 80;
constexpr int LabelWidth = 120;
constexpr int CellWidth = 40;
constexpr int CellHeight = 16;
constexpr int HeaderHeight = 20;

} // namespace

CoverageHeatMap::CoverageHeatMap(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("heatMap"));
    setAccessibleName(tr("Scripture coverage"));
    setMouseTracking(true);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void CoverageHeatMap::setData(
    const QList<Row> &rows, const QList<int> &years, const QHash<quint64, int> &counts)
{
    m_rows = rows;
    m_years = years;
    m_counts = counts;
    m_most = 0;
    for (const int count : counts) {
        m_most = qMax(m_most, count);
    }
    resize(sizeHint());
    updateGeometry();
    update();
}

QSize CoverageHeatMap::sizeHint() const
{
    return { GroupWidth + LabelWidth + CellWidth * int(m_years.size()) + 1,
        HeaderHeight + CellHeight * int(m_rows.size()) + 1 };
}

QPoint CoverageHeatMap::cellCentre(int rowIndex, int yearIndex) const
{
    return { GroupWidth + LabelWidth + yearIndex * CellWidth + CellWidth / 2,
        HeaderHeight + rowIndex * CellHeight + CellHeight / 2 };
}

bool CoverageHeatMap::cellAt(const QPoint &point, int &rowIndex, int &yearIndex) const
{
    const int x = point.x() - GroupWidth - LabelWidth;
    const int y = point.y() - HeaderHeight;
    if (x < 0 || y < 0) {
        return false;
    }
    yearIndex = x / CellWidth;
    rowIndex = y / CellHeight;
    return yearIndex < m_years.size() && rowIndex < m_rows.size();
}

void CoverageHeatMap::drawCell(QPainter &painter, const QRect &cell, int count) const
{
    // White for none, deepening blue toward the largest count; dark cells get light digits.
    const float share = m_most > 0 ? float(count) / float(m_most) : 0.0F;
    const QColor fill = count == 0
        ? QColor(Qt::white)
        : QColor::fromRgbF(1.0F - 0.85F * share, 1.0F - 0.6F * share, 1.0F, 1.0F);
    painter.fillRect(cell, fill);
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(cell);
    if (count > 0) {
        painter.setPen(share > 0.55 ? Qt::white : Qt::black);
        painter.drawText(cell, Qt::AlignCenter, QString::number(count));
    }
}

void CoverageHeatMap::paint(QPainter &painter, const QRect &target) const
{
    const QSize natural = sizeHint();
    const qreal scale = qMin(1.0,
        qMin(qreal(target.width()) / natural.width(), qreal(target.height()) / natural.height()));
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    QFont font = painter.font();
    font.setPointSizeF(7.5);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (qsizetype c = 0; c < m_years.size(); ++c) {
        painter.drawText(
            QRect(GroupWidth + LabelWidth + int(c) * CellWidth, 0, CellWidth, HeaderHeight),
            Qt::AlignCenter, QString::number(m_years.at(c)));
    }
    QString group;
    for (qsizetype r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows.at(r);
        const int top = HeaderHeight + int(r) * CellHeight;
        if (row.group != group) {
            group = row.group;
            painter.setPen(Qt::black);
            QFont bold = font;
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(
                QRect(2, top, GroupWidth - 4, CellHeight), Qt::AlignLeft | Qt::AlignVCenter, group);
            painter.setFont(font);
            painter.drawLine(0, top, natural.width(), top);
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(GroupWidth, top, LabelWidth - 4, CellHeight),
            Qt::AlignLeft | Qt::AlignVCenter, row.label);
        for (qsizetype c = 0; c < m_years.size(); ++c) {
            drawCell(painter,
                QRect(GroupWidth + LabelWidth + int(c) * CellWidth, top, CellWidth, CellHeight),
                count(row.key, m_years.at(c)));
        }
    }
    painter.restore();
}

void CoverageHeatMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, QRect(QPoint(0, 0), sizeHint()));
}

bool CoverageHeatMap::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        int rowIndex = 0;
        int yearIndex = 0;
        if (m_toolTip && cellAt(help->pos(), rowIndex, yearIndex)) {
            QToolTip::showText(
                help->globalPos(), m_toolTip(m_rows.at(rowIndex).key, m_years.at(yearIndex)), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void CoverageHeatMap::mouseReleaseEvent(QMouseEvent *event)
{
    int rowIndex = 0;
    int yearIndex = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->pos(), rowIndex, yearIndex)
        && count(m_rows.at(rowIndex).key, m_years.at(yearIndex)) > 0) {
        Q_EMIT cellClicked(m_rows.at(rowIndex).key, m_years.at(yearIndex));
    }
}
