#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
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

namespace {

constexpr const char *ScrolledContentsName = "scrScreenContents";

// Moves the screen's own layout onto a page inside a scroll area that becomes the screen's
// only child, so that a screen larger than the room it gets scrolls instead of hiding its
// controls. The screen stays the frame's widget, and every control stays its descendant, so
// nothing that looks a control up by name or walks up to the screen notices the change.
bool scrollContents(QWidget *screen)
{
    if (screen->findChild<QScrollArea *>(
            QLatin1String(ScrolledContentsName), Qt::FindDirectChildrenOnly))
        return true;
    QLayout *own = screen->layout();
    if (!own)
        return false;
    const QSize natural = screen->sizeHint();
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pagScreenContents"));
    page->setLayout(own); // takes the layout from the screen, and its widgets with it
    auto *scroll = new QScrollArea(screen);
    scroll->setObjectName(QLatin1String(ScrolledContentsName));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    auto *outer = new QVBoxLayout(screen);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    screen->resize(natural);
    return true;
}

} // namespace

void KeepInWorkArea(QMdiSubWindow *frame)
{
    QMdiArea *area = frame ? frame->mdiArea() : nullptr;
    if (!area || !area->isVisible() || frame->isMaximized() || frame->isMinimized())
        return;
    const QSize room = area->viewport()->size();
    QRect wanted = frame->geometry();
    if (QRect(QPoint(0, 0), room).contains(wanted))
        return;
    // Larger than the room in either direction: the frame takes the room there is and its
    // contents scroll (a screen without a layout of its own keeps its least size).
    QWidget *screen = frame->widget();
    const QSize decoration = frame->size() - (screen ? screen->size() : frame->size());
    if (screen && (wanted.width() > room.width() || wanted.height() > room.height())
        && scrollContents(screen)) {
        screen->setMinimumSize(0, 0);
        frame->setMinimumSize(0, 0);
        wanted.setSize((screen->size() + decoration).boundedTo(room));
    }
    const QSize least = frame->minimumSizeHint().expandedTo(frame->minimumSize());
    const QSize size = wanted.size().boundedTo(room).expandedTo(least);
    const int x = qBound(0, wanted.x(), qMax(0, room.width() - size.width()));
    const int y = qBound(0, wanted.y(), qMax(0, room.height() - size.height()));
    frame->setGeometry(x, y, size.width(), size.height());
}
