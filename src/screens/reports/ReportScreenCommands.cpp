#include "ReportCommands.h"

#include "frmBookHistory.h"
#include "frmCoverage.h"
#include "frmMain.h"
#include "frmUsage.h"
#include "frmYearChart.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>

namespace {

// Reports only read, so several may stay open beside a sermon being edited; each kind once.
void openReport(frmMain &main, const QString &name, const std::function<QWidget *()> &make)
{
    for (QMdiSubWindow *frame : main.workArea()->subWindowList()) {
        if (frame->widget() && frame->widget()->objectName() == name) {
            if (frame->isMinimized()) {
                frame->showNormal();
            }
            main.workArea()->setActiveSubWindow(frame);
            return;
        }
    }
    main.openScreen(make());
}

} // namespace

void RegisterReportScreenCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuRCoverage"), [&main] {
        openReport(main, QStringLiteral("frmCoverage"), [] { return new frmCoverage; });
    });
    main.setCommand(QStringLiteral("mnuRPerYear"), [&main] {
        openReport(main, QStringLiteral("frmYearChart"), [] { return new frmYearChart; });
    });
    main.setCommand(QStringLiteral("mnuRUsage"),
        [&main] { openReport(main, QStringLiteral("frmUsage"), [] { return new frmUsage; }); });
    main.setCommand(QStringLiteral("mnuRNever"), [&main] {
        openReport(main, QStringLiteral("frmNeverPreached"),
            [] { return new frmBookHistory(frmBookHistory::Kind::NeverPreached); });
    });
    main.setCommand(QStringLiteral("mnuRSince"), [&main] {
        openReport(main, QStringLiteral("frmNotPreachedSince"),
            [] { return new frmBookHistory(frmBookHistory::Kind::NotSince); });
    });
}
