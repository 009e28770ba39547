#include "WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow *> shownWindows(QMdiArea *area, bool minimised)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && sub->isMinimized() == minimised) {
            windows.append(sub);
        }
    }
    return windows;
}

void tile(QMdiArea *area, bool horizontal)
{
    const QList<QMdiSubWindow *> windows = shownWindows(area, false);
    if (windows.isEmpty()) {
        return;
    }
    // Minimised windows keep their row at the bottom.
    QRect space = area->viewport()->rect();
    const QList<QMdiSubWindow *> icons = shownWindows(area, true);
    if (!icons.isEmpty()) {
        space.setBottom(space.bottom() - icons.first()->height());
    }
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *sub = windows[i];
        if (sub->isMaximized()) {
            sub->showNormal();
        }
        if (horizontal) {
            const int top = space.top() + space.height() * i / count;
            const int bottom = space.top() + space.height() * (i + 1) / count;
            sub->setGeometry(space.left(), top, space.width(), bottom - top);
        } else {
            const int left = space.left() + space.width() * i / count;
            const int right = space.left() + space.width() * (i + 1) / count;
            sub->setGeometry(left, space.top(), right - left, space.height());
        }
    }
}

void arrangeIcons(QMdiArea *area)
{
    const QRect space = area->viewport()->rect();
    int left = space.left();
    int bottom = space.bottom() + 1;
    for (QMdiSubWindow *sub : shownWindows(area, true)) {
        const QSize size = sub->size();
        if (left > space.left() && left + size.width() > space.right()) {
            left = space.left();
            bottom -= size.height();
        }
        sub->move(left, bottom - size.height());
        left += size.width();
    }
}

} // namespace

void WindowArrangement::Arrange(QMdiArea *area, int arrangement)
{
    if (!area) {
        return;
    }
    switch (arrangement) {
    case Cascade:
        area->cascadeSubWindows();
        break;
    case TileHorizontal:
        tile(area, true);
        break;
    case TileVertical:
        tile(area, false);
        break;
    case ArrangeIcons:
        arrangeIcons(area);
        break;
    default:
        break;
    }
}
