#include "ReportTableView.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableWidget>

namespace {

constexpr int RowHeight = 18;
constexpr int ColumnWidth = 110;

} // namespace

QTableWidget *ReportTableView::make(
    QWidget *parent, const char *name, const QString &accessible, const QStringList &headings)
{
    auto *table = new QTableWidget(0, int(headings.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessible);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // The rows come in the report's own order (Bible order, topics by name); sorting starts
    // from that order rather than the header's default descending one.
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    return table;
}

QList<QStringList> ReportTableView::rows(const QTableWidget *table)
{
    QList<QStringList> rows;
    QStringList headings;
    for (int c = 0; c < table->columnCount(); ++c) {
        headings.append(table->horizontalHeaderItem(c)->text());
    }
    rows.append(headings);
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem *item = table->item(r, c);
            cells.append(item ? item->text() : QString());
        }
        rows.append(cells);
    }
    return rows;
}

QSize ReportTableView::pictureSize(const QTableWidget *table)
{
    return { ColumnWidth * table->columnCount() + 1, RowHeight * (table->rowCount() + 1) + 1 };
}

void ReportTableView::paint(const QTableWidget *table, QPainter &painter, const QRect &target)
{
    const QSize natural = pictureSize(table);
    const qreal scale = qMin(1.0,
        qMin(qreal(target.width()) / natural.width(), qreal(target.height()) / natural.height()));
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    const QList<QStringList> texts = rows(table);
    for (qsizetype r = 0; r < texts.size(); ++r) {
        QFont font = painter.font();
        font.setBold(r == 0);
        painter.setFont(font);
        for (qsizetype c = 0; c < texts.at(r).size(); ++c) {
            const QRect cell(int(c) * ColumnWidth, int(r) * RowHeight, ColumnWidth, RowHeight);
            painter.setPen(QColor(200, 200, 200));
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            painter.drawText(
                cell.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, texts.at(r).at(c));
        }
    }
    painter.restore();
}
