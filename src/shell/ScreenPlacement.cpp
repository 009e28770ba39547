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
    frame->move(area.x() + (area.width() - size.width()) / 2,
        area.y() + (area.height() - size.height()) / 2);
}

void KeepInWorkArea(QMdiSubWindow *frame)
{
    QMdiArea *area = frame ? frame->mdiArea() : nullptr;
    if (!area || !area->isVisible() || frame->isMaximized() || frame->isMinimized())
        return;
    QSize room = area->viewport()->size();
    const QRect wanted = frame->geometry();
    const QSize overflow(qMax(0, wanted.x() + wanted.width() - room.width()),
        qMax(0, wanted.y() + wanted.height() - room.height()));
    if (overflow.isNull())
        return;

    QWidget *window = area->window();
    const QScreen *screen = window->screen();
    if (screen
        && !(window->windowState()
            & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))) {
        const QRect desktop = screen->availableGeometry();
        const QRect outer = window->frameGeometry();
        const QSize decoration = outer.size() - window->size();
        const QSize largest = desktop.size() - decoration;
        const QSize grown
            = (window->size() + overflow).boundedTo(largest).expandedTo(window->size());
        if (grown != window->size()) {
            room += grown - window->size();
            window->resize(grown);
            // A window grown past the desktop's edge moves back onto it.
            const int left = qMax(desktop.left(),
                qMin(outer.left(),
                    desktop.left() + desktop.width() - grown.width() - decoration.width()));
            const int top = qMax(desktop.top(),
                qMin(outer.top(),
                    desktop.top() + desktop.height() - grown.height() - decoration.height()));
            if (left != outer.left() || top != outer.top())
                window->move(left, top);
        }
    }

    const QSize least = frame->minimumSizeHint().expandedTo(frame->minimumSize());
    const QSize size = frame->size().boundedTo(room).expandedTo(least);
    const int x = qBound(0, wanted.x(), qMax(0, room.width() - size.width()));
    const int y = qBound(0, wanted.y(), qMax(0, room.height() - size.height()));
    frame->setGeometry(x, y, size.width(), size.height());
}
