#pragma once

#include <QList>
#include <QStringList>

class QPainter;
class QRect;
class QSize;
class QTableWidget;
class QWidget;

// The list reports' table: its texts as rows (headings first) in the order shown, and a
// picture of every row (not only those scrolled into view) for the picture exports.
namespace ReportTableView {

QTableWidget *make(
    QWidget *parent, const char *name, const QString &accessible, const QStringList &headings);
QList<QStringList> rows(const QTableWidget *table);
QSize pictureSize(const QTableWidget *table);
void paint(const QTableWidget *table, QPainter &painter, const QRect &target);

} // namespace ReportTableView
