#pragma once

#include "ReportFilter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

// The choices above every report: preacher, type, series, place, a date range and whether a
// sermon preached several times counts once. Any change is announced with changed().
class ReportChoices : public QWidget
{
    Q_OBJECT
public:
    explicit ReportChoices(QWidget *parent = nullptr);

    ReportFilter filter() const;
    // Sets the choices as code (tests, reopening): one changed() at the end.
    void setFilter(const ReportFilter &filter);

Q_SIGNALS:
    void changed();

private:
    QComboBox *cboPreacher = nullptr;
    QComboBox *cboType = nullptr;
    QComboBox *cboSeries = nullptr;
    QLineEdit *txtLocation = nullptr;
    QDateEdit *dtpFrom = nullptr;
    QDateEdit *dtpTo = nullptr;
    QCheckBox *chkOnce = nullptr;
    bool m_loading = false;
};
