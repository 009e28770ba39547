#pragma once

#include <QAccessibleWidget>

class QToolButton;

// What assistive technology sees of a toolbar button. The buttons stay pressed or raised
// like a check box, and Qt offers such a button only a "toggle" action, which changes the
// pressed state without running anything. Here "press" runs the button's command exactly
// as a click does.
class ToolbarButtonAccessible : public QAccessibleWidget
{
public:
    explicit ToolbarButtonAccessible(QToolButton *button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Makes every button of the main window's toolbar use this interface (once per run).
    static void install();

private:
    QToolButton *button() const;
};
