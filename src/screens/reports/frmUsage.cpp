#include "frmUsage.h"

#include "LibrarySettings.h"
#include "ProgramGlobals.h"
#include "ReportChoices.h"
#include "ReportQueries.h"
#include "ReportTableItem.h"
#include "ReportTableView.h"
#include "clsConfig.h"

#include <QTableWidget>

frmUsage::frmUsage(QWidget *parent)
    : ReportScreen(QStringLiteral("frmUsage"), tr("Topics and Illustrations"), parent)
{
    grdUsage = ReportTableView::make(this, "grdUsage", tr("Topics and illustrations"),
        { tr("Kind"), tr("Name"), tr("Sermons"), tr("Times Preached"), tr("First Used"),
            tr("Where"), tr("Last Used"), tr("Where"), tr("Reused at One Place") });
    setView(grdUsage);
    refresh();
}

bool frmUsage::load(bool &any, DbError &error)
{
    const int years = LibrarySettings::reusePeriodYears(ProgramConfig());
    QList<ReportQueries::Usage> uses;
    const bool ok = ReportQueries::usage(choices()->filter(), years, uses, error);
    grdUsage->setSortingEnabled(false);
    grdUsage->setRowCount(int(uses.size()));
    for (int r = 0; r < uses.size(); ++r) {
        const ReportQueries::Usage &use = uses.at(r);
        const bool topic = use.kind == ReportQueries::Usage::Kind::Topic;
        const QString reused
            = use.reused ? tr("Yes, within %n year(s)", nullptr, years) : QString();
        grdUsage->setItem(
            r, 0, new ReportTableItem(topic ? tr("Topic") : tr("Illustration"), topic ? 0 : 1));
        grdUsage->setItem(r, 1, new QTableWidgetItem(use.name));
        grdUsage->setItem(r, 2, ReportTableItem::number(use.sermons));
        grdUsage->setItem(r, 3, ReportTableItem::number(use.times));
        grdUsage->setItem(r, 4, ReportTableItem::date(use.first));
        grdUsage->setItem(r, 5, new QTableWidgetItem(use.firstPlace));
        grdUsage->setItem(r, 6, ReportTableItem::date(use.last));
        grdUsage->setItem(r, 7, new QTableWidgetItem(use.lastPlace));
        grdUsage->setItem(r, 8, new QTableWidgetItem(reused));
    }
    grdUsage->setSortingEnabled(true);
    any = !uses.isEmpty();
    return ok;
}

QList<QStringList> frmUsage::table() const
{
    return ReportTableView::rows(grdUsage);
}

QSize frmUsage::pictureSize() const
{
    return ReportTableView::pictureSize(grdUsage);
}

void frmUsage::paintPicture(QPainter &painter, const QRect &target) const
{
    ReportTableView::paint(grdUsage, painter, target);
}
