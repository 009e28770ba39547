#include "ReferenceCommands.h"

#include "frmIllustr.h"
#include "frmMain.h"
#include "frmPreachers.h"
#include "frmPublishers.h"
#include "frmSeries.h"
#include "frmTopic.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// Brings the open screen of that name to the front, or opens a new one. A frame that has
// been closed but not yet deleted does not count as open.
template <typename Screen> void openOrActivate(frmMain &main, const QString &screenName)
{
    const QList<QMdiSubWindow *> frames = main.workArea()->subWindowList();
    for (QMdiSubWindow *frame : frames) {
        if (!frame->isHidden() && frame->widget() && frame->widget()->objectName() == screenName) {
            if (frame->isMinimized()) {
                frame->showNormal();
            }
            main.workArea()->setActiveSubWindow(frame);
            return;
        }
    }
    main.openScreen(new Screen);
}

} // namespace

void RegisterReferenceScreenCommands(frmMain &main)
{
    // The toolbar buttons grpPreacher, grpSeries and grpPublisher run these menu items.
    main.setCommand(QStringLiteral("mnuETopics"),
        [&main] { openOrActivate<frmTopic>(main, QStringLiteral("frmTopic")); });
    main.setCommand(QStringLiteral("mnuEIllustr"),
        [&main] { openOrActivate<frmIllustr>(main, QStringLiteral("frmIllustr")); });
    main.setCommand(QStringLiteral("mnuEPreacher"),
        [&main] { openOrActivate<frmPreachers>(main, QStringLiteral("frmPreachers")); });
    main.setCommand(QStringLiteral("mnuESeries"),
        [&main] { openOrActivate<frmSeries>(main, QStringLiteral("frmSeries")); });
    main.setCommand(QStringLiteral("mnuEPublisher"),
        [&main] { openOrActivate<frmPublishers>(main, QStringLiteral("frmPublishers")); });
}
