#pragma once

#include "RecordValues.h"

#include <QDate>
#include <QTableWidgetItem>

// A table cell that shows its text but sorts by a number or a date (as yyyymmdd), so that
// "10" follows "9" and 1/5/2020 follows 12/1/2019.
class ReportTableItem : public QTableWidgetItem
{
public:
    ReportTableItem(const QString &text, qint64 sortKey)
        : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, sortKey);
    }
    static ReportTableItem *number(int value)
    {
        return new ReportTableItem(QString::number(value), value);
    }
    static ReportTableItem *date(const QDate &date)
    {
        return new ReportTableItem(DayText(date),
            date.isValid() ? date.year() * 10000 + date.month() * 100 + date.day() : 0);
    }
    bool operator<(const QTableWidgetItem &other) const override
    {
        return data(Qt::UserRole).toLongLong() < other.data(Qt::UserRole).toLongLong();
    }
};
