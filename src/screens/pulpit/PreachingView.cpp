#include "PreachingView.h"

#include "PulpitSettings.h"
#include "clsConfig.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QToolBar>

namespace {

const QColor Amber(255, 176, 0);
const QColor Red(220, 30, 30);

} // namespace

PreachingView::PreachingView(const Content &content, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_content(content)
    , m_lines(OutlineLevels::parse(content.outline))
{
    setObjectName(QStringLiteral("frmPreach"));
    setWindowTitle(tr("Preach"));
    setAccessibleName(tr("Preaching view"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    clsConfig config;
    const PulpitSettings settings = PulpitSettings::read(config);
    m_points = settings.fontPoints;
    m_dark = settings.dark;
    m_targetMinutes = settings.targetMinutes;
    // The clock at the foot moves once a second; only the foot is painted again.
    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("tmrClock"));
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this,
        [this] { update(0, int(height() - footHeight()), width(), int(footHeight()) + 1); });
    m_clock->start();
    // The passage as lines of plain text, each wrapping on its own (verses or paragraphs).
    const QStringList scripture = content.scripture.split(QLatin1Char('\n'));
    for (int i = 0; i < scripture.size(); ++i) {
        if (!scripture.at(i).trimmed().isEmpty()) {
            OutlineLine line;
            line.sourceLine = i;
            line.body = scripture.at(i).trimmed();
            m_scriptureLines.append(line);
        }
    }
    buildPassageBar();
    relayout(content.startLine);
}

PreachingView::~PreachingView() = default;

QScreen *PreachingView::chooseScreen(const QString &savedName, const QWidget *programWindow)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        if (!savedName.isEmpty() && screen->name() == savedName) {
            return screen;
        }
    }
    QScreen *home = programWindow ? programWindow->screen() : QGuiApplication::primaryScreen();
    for (QScreen *screen : screens) {
        if (screen != home) {
            return screen;
        }
    }
    return home;
}

void PreachingView::showOn(QScreen *screen)
{
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
    activateWindow();
    setFocus();
}

qint64 PreachingView::elapsedSeconds() const
{
    return m_elapsed.isValid() ? m_elapsed.elapsed() / 1000 : 0;
}

PreachingView::TimerState PreachingView::timerState(qint64 seconds) const
{
    const qint64 target = qint64(m_targetMinutes) * 60;
    if (seconds > target) {
        return TimerState::Red;
    }
    return seconds >= target - 120 ? TimerState::Amber : TimerState::Normal;
}

qreal PreachingView::footHeight() const
{
    QFont small = font();
    small.setPointSizeF(qMax(12.0, m_points * 0.5));
    return QFontMetricsF(small).height() * 1.4;
}

qreal PreachingView::pageHeight() const
{
    return qMax<qreal>(1, height() - footHeight());
}

void PreachingView::relayout(int keepLine)
{
    QFont type = font();
    type.setPointSize(m_points);
    m_layout.build(m_content.title, m_content.passage,
        m_showingPassage ? m_scriptureLines : m_lines, type, qMax(200, width()));
    scrollTo(keepLine > 0 ? m_layout.topOfSourceLine(keepLine) : 0);
}

int PreachingView::topSourceLine() const
{
    const auto &rows = m_layout.rows();
    for (std::size_t i = m_layout.rowAt(m_top); i < rows.size(); ++i) {
        if (rows[i].sourceLine >= 0) {
            return rows[i].sourceLine;
        }
    }
    return m_lines.isEmpty() ? 0 : m_lines.constLast().sourceLine;
}

void PreachingView::scrollTo(qreal top)
{
    const qreal last = qMax<qreal>(0, m_layout.height() - pageHeight());
    m_top = qBound<qreal>(0, top, last);
    describeTop();
    update();
}

void PreachingView::describeTop()
{
    // A screen reader hears which page is shown and the text in sight, from its top; setting
    // either sends the change to it (QAccessible::NameChanged, DescriptionChanged).
    const QString name = m_showingPassage ? tr("Preaching view: passage") : tr("Preaching view");
    QStringList lines;
    qreal lineTop = -1;
    const qreal bottom = m_top + pageHeight();
    for (const PreachingLayout::Row &row : m_layout.rows()) {
        if (row.rect.bottom() <= m_top + 0.5 || row.rect.top() >= bottom - 0.5) {
            continue;
        }
        // A marker and its text stand on one height: one line.
        if (!lines.isEmpty() && qAbs(row.rect.top() - lineTop) < 0.5) {
            lines.last() += QLatin1Char(' ') + row.text;
        } else {
            lines.append(row.text);
        }
        lineTop = row.rect.top();
    }
    const QString text = lines.join(QLatin1Char('\n'));
    if (accessibleName() != name) {
        setAccessibleName(name);
    }
    if (accessibleDescription() != text) {
        setAccessibleDescription(text);
    }
}

void PreachingView::buildPassageBar()
{
    m_bar = new QToolBar(this);
    m_bar->setObjectName(QStringLiteral("tbrPreach"));
    m_bar->setAccessibleName(tr("Preaching view tools"));
    m_bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_passageAction = m_bar->addAction(tr("Passage"));
    m_passageAction->setObjectName(QStringLiteral("mnuPreachPassage"));
    m_passageAction->setCheckable(true);
    m_passageAction->setToolTip(tr("Show the passage instead of the outline (P)"));
    connect(m_passageAction, &QAction::triggered, this, &PreachingView::showPassage);
    // The keys stay with the view: a click on the bar must not take them away.
    for (QWidget *button : m_bar->findChildren<QWidget *>()) {
        button->setFocusPolicy(Qt::NoFocus);
    }
    m_bar->setFocusPolicy(Qt::NoFocus);
    colourPassageBar();
}

void PreachingView::placePassageBar()
{
    if (!m_bar) {
        return;
    }
    m_bar->adjustSize();
    const qreal foot = footHeight();
    m_bar->move(qMax(0, (width() - m_bar->width()) / 2),
        int(height() - foot + qMax<qreal>(0, (foot - m_bar->height()) / 2)));
    m_bar->setVisible(!m_blank);
}

void PreachingView::colourPassageBar()
{
    // The view's own colours: the foot's band and text.
    QPalette colours = m_bar->palette();
    const QColor band = m_dark ? QColor(24, 24, 24) : QColor(232, 232, 232);
    const QColor ink = m_dark ? QColor(200, 200, 200) : QColor(60, 60, 60);
    for (const QPalette::ColorRole role : { QPalette::Window, QPalette::Button }) {
        colours.setColor(role, band);
    }
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::ButtonText }) {
        colours.setColor(role, ink);
    }
    m_bar->setPalette(colours);
    m_bar->setAutoFillBackground(true);
    QFont small = font();
    small.setPointSizeF(qMax(12.0, m_points * 0.4));
    m_bar->setFont(small);
    placePassageBar();
}

void PreachingView::showPassage(bool on)
{
    if (on == m_showingPassage) {
        return;
    }
    if (on) {
        m_outlineLine = topSourceLine();
    }
    m_showingPassage = on;
    m_passageAction->setChecked(on);
    relayout(on ? 0 : m_outlineLine);
}

void PreachingView::stepRows(int rows)
{
    const auto &all = m_layout.rows();
    if (all.empty()) {
        return;
    }
    // The row at the top; rows on one height (a marker beside its text) move together.
    std::size_t i = qMin(m_layout.rowAt(m_top), all.size() - 1);
    const qreal current = all[i].rect.top();
    if (rows > 0) {
        while (i < all.size() && all[i].rect.top() <= qMax(current, m_top) + 0.5) {
            ++i;
        }
        scrollTo(i < all.size() ? all[i].rect.top() : m_layout.height());
    } else {
        while (i > 0 && all[i - 1].rect.top() >= qMin(current, m_top) - 0.5) {
            --i;
        }
        // Back to the first row shows the page from its top, heading and all.
        scrollTo(i > 1 ? all[i - 1].rect.top() : 0);
    }
}

void PreachingView::page(int direction)
{
    const auto &rows = m_layout.rows();
    if (direction > 0) {
        // The new page starts with the first row that was not wholly in sight.
        const qreal bottom = m_top + pageHeight();
        std::size_t i = m_layout.rowAt(m_top);
        while (i < rows.size() && rows[i].rect.bottom() <= bottom + 0.5) {
            ++i;
        }
        if (i < rows.size() && rows[i].rect.top() > m_top + 0.5) {
            scrollTo(rows[i].rect.top());
        } else {
            scrollTo(m_top + pageHeight());
        }
    } else {
        // Back by a page, landing on a row's top so that no row is cut in half.
        const std::size_t i = m_layout.rowAt(m_top - pageHeight());
        const qreal top = i > 0 && i < rows.size() ? rows[i].rect.top() : 0;
        scrollTo(
            top < m_top - pageHeight() + 0.5 && i + 1 < rows.size() ? rows[i + 1].rect.top() : top);
    }
}

void PreachingView::setPoints(int points)
{
    points = qBound(PulpitSettings::MinFontPoints, points, PulpitSettings::MaxFontPoints);
    if (points == m_points) {
        return;
    }
    const int keep = topSourceLine();
    m_points = points;
    clsConfig config;
    PulpitSettings::write(config, "FontPoints", QString::number(points));
    colourPassageBar();
    relayout(keep);
}

bool PreachingView::sizeKey(const QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        setPoints(m_points + qMax(2, m_points / 8));
        return true;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        setPoints(m_points - qMax(2, m_points / 8));
        return true;
    case Qt::Key_0:
        setPoints(PulpitSettings::DefaultFontPoints);
        return true;
    default:
        return false;
    }
}

void PreachingView::moveToNextScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2) {
        return;
    }
    QScreen *next = screens.at((screens.indexOf(screen()) + 1) % screens.size());
    clsConfig config;
    PulpitSettings::write(config, "Screen", next->name());
    showOn(next);
}

void PreachingView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (!m_elapsed.isValid()) {
        m_elapsed.start();
    }
    if (sizeKey(event)) {
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        page(1);
        break;
    case Qt::Key_PageUp:
        page(-1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        stepRows(1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        stepRows(-1);
        break;
    case Qt::Key_Home:
        scrollTo(0);
        break;
    case Qt::Key_End:
        scrollTo(m_layout.height());
        break;
    case Qt::Key_B:
    case Qt::Key_Period:
        m_blank = !m_blank;
        placePassageBar();
        update();
        break;
    case Qt::Key_P:
        showPassage(!m_showingPassage);
        break;
    case Qt::Key_D: {
        m_dark = !m_dark;
        clsConfig config;
        PulpitSettings::write(config, "Dark", m_dark ? QStringLiteral("1") : QStringLiteral("0"));
        colourPassageBar();
        update();
        break;
    }
    case Qt::Key_S:
        moveToNextScreen();
        break;
    default:
        // Every other key is ignored: the view never changes the outline.
        break;
    }
    event->accept();
}

void PreachingView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placePassageBar();
    relayout(topSourceLine());
}

void PreachingView::closeEvent(QCloseEvent *event)
{
    if (!m_left) {
        m_left = true;
        // The notes window goes back to the outline line, also when the passage was shown.
        Q_EMIT leaving(m_showingPassage ? m_outlineLine : topSourceLine());
    }
    event->accept();
}

void PreachingView::paintFoot(QPainter &painter)
{
    const qreal foot = footHeight();
    const QRectF band(0, height() - foot, width(), foot);
    painter.fillRect(band, m_dark ? QColor(24, 24, 24) : QColor(232, 232, 232));
    QFont small = font();
    small.setPointSizeF(qMax(12.0, m_points * 0.5));
    painter.setFont(small);
    painter.setPen(m_dark ? QColor(200, 200, 200) : QColor(60, 60, 60));
    const QRectF inner = band.adjusted(m_layout.margin(), 0, -m_layout.margin(), 0);
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter,
        QTime::currentTime().toString(QStringLiteral("h:mm")));
    const qint64 s = elapsedSeconds();
    const TimerState state = timerState(s);
    if (state != TimerState::Normal) {
        painter.setPen(state == TimerState::Red ? Red : Amber);
    }
    painter.drawText(inner, Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0')));
}

void PreachingView::paintEvent(QPaintEvent *)
{
    QElapsedTimer timing;
    timing.start();
    QPainter painter(this);
    if (m_blank) {
        painter.fillRect(rect(), Qt::black);
        m_painted.clear();
        m_lastPaintMs = double(timing.nsecsElapsed()) / 1e6;
        return;
    }
    const QColor paper = m_dark ? Qt::black : Qt::white;
    const QColor ink = m_dark ? QColor(235, 235, 235) : Qt::black;
    const qreal page = pageHeight();
    painter.fillRect(QRectF(0, 0, width(), page), paper);
    painter.setPen(ink);
    painter.setClipRect(QRectF(0, 0, width(), page));
    m_painted = m_layout.paint(painter, m_top, page, 0);
    for (PreachingLayout::Row &row : m_painted) {
        row.rect.translate(0, -m_top);
    }
    painter.setClipping(false);
    paintFoot(painter);
    m_lastPaintMs = double(timing.nsecsElapsed()) / 1e6;
}
