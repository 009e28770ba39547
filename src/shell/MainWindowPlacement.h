#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <optional>

class QWidget;

// Where the main window stands on the desktop. On a first start it takes most of the screen it
// opens on: nine tenths of the available area, centred, or the whole of it (maximised) on a
// screen with fewer pixels than 1366×768. Afterwards it opens where the user left it: its size,
// place and maximised state are written to the "Window" section of the settings once a move or
// resize has ended (never at exit), and a remembered place on no present screen gives way to
// the first-start one.
//
//   [Window]
//   Left=68  Top=38  Width=1229  Height=664   the normal (not maximised) geometry
//   Maximized=0
class MainWindowPlacement : public QObject
{
    Q_OBJECT
public:
    struct Place
    {
        QRect geometry;
        bool maximized = false;
        bool operator==(const Place &other) const = default;
    };

    static constexpr int SettleMs = 600;

    // The first-start place on a screen of size `screen` whose free area is `available`.
    static Place firstStart(const QRect &screen, const QRect &available);
    // The remembered place when its title bar lies on one of the screens' available areas,
    // else the first start's on the primary screen (the first of the lists).
    static Place choose(const std::optional<Place> &remembered, const QList<QRect> &screens,
        const QList<QRect> &available);

    // Places `window` (before it is shown) and from then on writes where the user puts it.
    explicit MainWindowPlacement(QWidget *window);

    static std::optional<Place> remembered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void settled();
    Place current() const;

    QWidget *m_window;
    QTimer m_settle;
    QElapsedTimer m_sinceShown;
    Place m_written;
};
