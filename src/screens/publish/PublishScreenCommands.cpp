#include "PublishCommands.h"

#include "DataGrid.h"
#include "frmMain.h"
#include "frmPublish.h"

#include <QMdiArea>

namespace {

// The keys of the sermon list's rows when the sermon screen is open (its last row is the
// blank one for a new sermon).
QList<qint32> currentList(frmMain &main)
{
    QList<qint32> keys;
    auto *screen = main.workArea()->findChild<QWidget *>(QStringLiteral("frmSermon"));
    const auto *grid
        = screen ? screen->findChild<DataGrid *>(QStringLiteral("grdSermons")) : nullptr;
    if (!grid)
        return keys;
    for (int row = 1; row < grid->rows(); ++row) {
        const qint32 key = grid->key(row);
        if (key != DataGrid::NoKey && key != 0)
            keys.append(key);
    }
    return keys;
}

void mnuFPublishSite_Click(frmMain &main)
{
    auto *screen = new frmPublish(currentList(main), &main);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->open();
}

} // namespace

void RegisterPublishScreenCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuFPublishSite"), [&main] { mnuFPublishSite_Click(main); });
}
