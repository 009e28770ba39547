#pragma once

#include <QObject>

// Tells open screens that another screen changed a list they show: the sermon and series
// screens refill their preacher combos after a preacher is added, and so on. Screens emit
// after a successful insert, rename or delete and listen while they are open.
class ScreenEvents : public QObject
{
    Q_OBJECT
public:
    static ScreenEvents &instance();

Q_SIGNALS:
    void preachersChanged();
    void publishersChanged();
    void seriesChanged();
    void topicsChanged();
    void illustrationsChanged();
    void sermonsChanged();
    // An occasion (date and place a sermon was preached) was added, changed or deleted.
    void occasionsChanged();

private:
    ScreenEvents() = default;
};
