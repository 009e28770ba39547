#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

void CenterForm(QWidget *window)
{
    if (!window)
        return;
    QWidget *frame = window;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame = sub;
    QRect area;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(frame); sub && sub->mdiArea()) {
        area = sub->mdiArea()->viewport()->rect();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    const QSize size = frame->frameGeometry().size();
    frame->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}
