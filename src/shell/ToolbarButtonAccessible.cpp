#include "ToolbarButtonAccessible.h"

#include "MainToolbar.h"

#include <QToolButton>

namespace {

QAccessibleInterface *toolbarButtonFactory(const QString &className, QObject *object)
{
    auto *button = qobject_cast<QToolButton *>(object);
    if (className == QLatin1String("QToolButton") && button
        && qobject_cast<MainToolbar *>(button->parentWidget())) {
        return new ToolbarButtonAccessible(button);
    }
    return nullptr;
}

} // namespace

ToolbarButtonAccessible::ToolbarButtonAccessible(QToolButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QToolButton *ToolbarButtonAccessible::button() const
{
    return static_cast<QToolButton *>(widget());
}

QAccessible::State ToolbarButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = button()->isChecked();
    state.pressed = button()->isDown();
    return state;
}

QStringList ToolbarButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled()) {
        names.prepend(pressAction());
    }
    return names;
}

void ToolbarButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction()) {
        if (button()->isEnabled()) {
            button()->click();
        }
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void ToolbarButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&toolbarButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
