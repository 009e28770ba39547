#include "SermonRelatedScreens.h"

#include "SqlLiterals.h"
#include "frmMain.h"

#include <QMdiArea>
#include <QVariant>

void SermonRelatedScreens::open(const QString &command, qint32 sermonID, const QString *title)
{
    frmMain *main = frmMain::instance();
    if (!main) {
        return;
    }
    main->runCommand(command);
    QWidget *target = main->workArea()->findChild<QWidget *>(command);
    if (!target) {
        return;
    }
    // Labels and panels alike take a "text" property.
    if (QWidget *label = target->findChild<QWidget *>(QStringLiteral("lblSermonID"))) {
        label->setProperty("text", SQLLong(sermonID));
    }
    if (title) {
        if (QWidget *panel = target->findChild<QWidget *>(QStringLiteral("pnlTitle"))) {
            panel->setProperty("text", *title);
        }
    }
}
