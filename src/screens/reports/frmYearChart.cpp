#include "frmYearChart.h"

#include "ReportChoices.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QStackedBarSeries>
#include <QValueAxis>

frmYearChart::frmYearChart(QWidget *parent)
    : ReportScreen(QStringLiteral("frmYearChart"), tr("Sermons per Year"), parent)
{
    cboGroup = new QComboBox(this);
    cboGroup->setObjectName(QStringLiteral("cboGroup"));
    cboGroup->setAccessibleName(tr("Stack by"));
    cboGroup->addItem(tr("Preacher"), int(ReportQueries::Grouping::Preacher));
    cboGroup->addItem(tr("Type"), int(ReportQueries::Grouping::Type));
    auto *caption = new QLabel(tr("&Stack by:"), this);
    caption->setObjectName(QStringLiteral("lblGroup"));
    caption->setBuddy(cboGroup);
    ownRow()->addWidget(caption);
    ownRow()->addWidget(cboGroup);
    ownRow()->addStretch();

    m_view = new QChartView(new QChart, this);
    m_view->setObjectName(QStringLiteral("chtYears"));
    m_view->setAccessibleName(tr("Sermons per year"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(600, 360);
    setView(m_view);
    connect(cboGroup, &QComboBox::currentIndexChanged, this, &ReportScreen::refresh);
    refresh();
}

void frmYearChart::groupBy(ReportQueries::Grouping grouping)
{
    cboGroup->setCurrentIndex(cboGroup->findData(int(grouping)));
}

bool frmYearChart::load(bool &any, DbError &error)
{
    const auto grouping = ReportQueries::Grouping(cboGroup->currentData().toInt());
    const bool ok = ReportQueries::perYear(choices()->filter(), grouping, m_counts, error);
    if (!ok) {
        m_counts.clear();
    }
    drawChart();
    any = !m_counts.isEmpty();
    return ok;
}

void frmYearChart::drawChart()
{
    QChart *chart = m_view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    QList<int> years;
    QMap<QString, QMap<int, int>> byGroup; // group name, year, count
    int most = 0;
    QMap<int, int> totals;
    for (const ReportQueries::YearCount &count : m_counts) {
        if (years.isEmpty() || years.last() != count.year) {
            years.append(count.year);
        }
        byGroup[count.group][count.year] += count.count;
        most = qMax(most, totals[count.year] += count.count);
    }
    auto *series = new QStackedBarSeries;
    for (auto group = byGroup.cbegin(); group != byGroup.cend(); ++group) {
        auto *set = new QBarSet(group.key());
        for (const int year : years) {
            *set << group.value().value(year);
        }
        series->append(set);
    }
    chart->addSeries(series);
    auto *yearAxis = new QBarCategoryAxis;
    for (const int year : years) {
        yearAxis->append(QString::number(year));
    }
    auto *countAxis = new QValueAxis;
    countAxis->setRange(0, qMax(1, most));
    countAxis->setLabelFormat(QStringLiteral("%d"));
    // Whole numbers only: a tick between two counts would repeat a label.
    countAxis->setTickType(QValueAxis::TicksDynamic);
    countAxis->setTickAnchor(0);
    countAxis->setTickInterval(qMax(1, (most + 9) / 10));
    countAxis->setTitleText(
        choices()->filter().countSermonsOnce ? tr("Sermons") : tr("Times preached"));
    chart->addAxis(yearAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(yearAxis);
    series->attachAxis(countAxis);
    chart->setTitle(tr("Sermons per Year"));
    chart->legend()->setAlignment(Qt::AlignRight);
}

QList<QStringList> frmYearChart::table() const
{
    QList<QStringList> rows { { tr("Year"), cboGroup->currentText(),
        choices()->filter().countSermonsOnce ? tr("Sermons") : tr("Times Preached") } };
    for (const ReportQueries::YearCount &count : m_counts) {
        rows.append({ QString::number(count.year), count.group, QString::number(count.count) });
    }
    return rows;
}

void frmYearChart::paintPicture(QPainter &painter, const QRect &target) const
{
    // The chart is laid out afresh at the picture's size (the screen may not be shown at all),
    // then given back to the view.
    QChart *chart = m_view->chart();
    const QRectF shown = chart->geometry();
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(pictureSize())));
    chart->scene()->render(&painter, QRectF(target), chart->geometry());
    chart->setGeometry(shown);
}
