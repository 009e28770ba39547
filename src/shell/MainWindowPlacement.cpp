#include "MainWindowPlacement.h"

#include "clsConfig.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const QString Section = QStringLiteral("Window");

// The window manager settles a new window's frame in the first moments after it is shown;
// a move then is its own, not the user's.
constexpr qint64 FirstPlacementMs = 1500;

} // namespace

MainWindowPlacement::Place MainWindowPlacement::firstStart(
    const QRect &screen, const QRect &available)
{
    // A screen with fewer pixels than 1366×768 has no room to spare: the whole of it.
    if (qint64(screen.width()) * screen.height() < qint64(1366) * 768)
        return { available, true };
    const QSize size(available.width() * 9 / 10, available.height() * 9 / 10);
    const QPoint topLeft(available.x() + (available.width() - size.width()) / 2,
        available.y() + (available.height() - size.height()) / 2);
    return { QRect(topLeft, size), false };
}

MainWindowPlacement::Place MainWindowPlacement::choose(const std::optional<Place> &remembered,
    const QList<QRect> &screens, const QList<QRect> &available)
{
    if (remembered && remembered->geometry.width() > 0 && remembered->geometry.height() > 0) {
        // The title bar must be reachable: a strip along the top edge on some screen.
        const QRect &geometry = remembered->geometry;
        const QRect titleBar(geometry.x() + 40, geometry.y(), qMax(1, geometry.width() - 80), 20);
        for (const QRect &area : available) {
            if (area.intersected(titleBar).width() >= qMin(100, titleBar.width()))
                return *remembered;
        }
    }
    if (screens.isEmpty() || available.isEmpty())
        return { QRect(0, 0, 1024, 700), false };
    return firstStart(screens.first(), available.first());
}

std::optional<MainWindowPlacement::Place> MainWindowPlacement::remembered()
{
    clsConfig config;
    int values[4] = {};
    const char *const keys[4] = { "Left", "Top", "Width", "Height" };
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = config.GetConfig(Section, QString::fromLatin1(keys[i]), QString()).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const bool maximized
        = config.GetConfig(Section, QStringLiteral("Maximized"), QStringLiteral("0")).trimmed()
        == QLatin1String("1");
    return Place { QRect(values[0], values[1], values[2], values[3]), maximized };
}

MainWindowPlacement::MainWindowPlacement(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    QList<QRect> screens;
    QList<QRect> available;
    QList<QScreen *> all = QGuiApplication::screens();
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        all.removeAll(primary);
        all.prepend(primary);
    }
    for (const QScreen *screen : std::as_const(all)) {
        screens.append(screen->geometry());
        available.append(screen->availableGeometry());
    }
    const Place place = choose(remembered(), screens, available);
    m_window->setGeometry(place.geometry);
    if (place.maximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
    m_written = place;

    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &MainWindowPlacement::settled);
    m_window->installEventFilter(this);
}

bool MainWindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
            if (!m_sinceShown.isValid())
                m_sinceShown.start();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            // Written once the move or resize has ended, not at every step of a drag.
            if (m_window->isVisible())
                m_settle.start();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

MainWindowPlacement::Place MainWindowPlacement::current() const
{
    const bool maximized = m_window->isMaximized();
    return { maximized ? m_window->normalGeometry() : m_window->geometry(), maximized };
}

void MainWindowPlacement::settled()
{
    if (m_window->isMinimized() || m_window->isFullScreen())
        return;
    const Place place = current();
    if (place == m_written)
        return;
    if (m_sinceShown.isValid() && m_sinceShown.elapsed() < FirstPlacementMs) {
        m_written = place;
        return;
    }
    clsConfig config;
    const QRect &g = place.geometry;
    config.SaveConfig(Section, QStringLiteral("Left"), QString::number(g.x()));
    config.SaveConfig(Section, QStringLiteral("Top"), QString::number(g.y()));
    config.SaveConfig(Section, QStringLiteral("Width"), QString::number(g.width()));
    config.SaveConfig(Section, QStringLiteral("Height"), QString::number(g.height()));
    config.SaveConfig(Section, QStringLiteral("Maximized"),
        place.maximized ? QStringLiteral("1") : QStringLiteral("0"));
    m_written = place;
}
