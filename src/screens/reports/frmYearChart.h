#pragma once

#include "ReportQueries.h"
#include "ReportScreen.h"

class QChart;
class QChartView;
class QComboBox;

// Reports > Sermons per Year: a bar per year of how often sermons were preached (their own
// dates and their occasions), each bar stacked by preacher or by type.
class frmYearChart : public ReportScreen
{
    Q_OBJECT
public:
    explicit frmYearChart(QWidget *parent = nullptr);

    void groupBy(ReportQueries::Grouping grouping);
    const QList<ReportQueries::YearCount> &counts() const { return m_counts; }
    QChartView *chartView() const { return m_view; }

    QList<QStringList> table() const override;

protected:
    bool load(bool &any, DbError &error) override;
    void paintPicture(QPainter &painter, const QRect &target) const override;
    QSize pictureSize() const override { return { 1000, 600 }; }
    bool printsLandscape() const override { return true; }

private:
    void drawChart();

    QComboBox *cboGroup = nullptr;
    QChartView *m_view = nullptr;
    QList<ReportQueries::YearCount> m_counts;
};
