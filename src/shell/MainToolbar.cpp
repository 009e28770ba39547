#include "MainToolbar.h"

#include "ToolbarButtonAccessible.h"
#include "ToolbarPictures.h"
#include "Twips.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

namespace {

struct ButtonInfo
{
    const char *name;
    const char *tip;
    int tipWidth; // twips
};

// Left to right; the position is also the button's tooltip number.
constexpr ButtonInfo Buttons[MainToolbar::ButtonCount] = {
    { "grpCut", QT_TRANSLATE_NOOP("MainToolbar", "Cut"), 500 },
    { "grpCopy", QT_TRANSLATE_NOOP("MainToolbar", "Copy"), 500 },
    { "grpPaste", QT_TRANSLATE_NOOP("MainToolbar", "Paste"), 500 },
    { "grpSearch", QT_TRANSLATE_NOOP("MainToolbar", "Search Text"), 1200 },
    { "grpCheck", QT_TRANSLATE_NOOP("MainToolbar", "Selection Criteria"), 1400 },
    { "grpNewSermon", QT_TRANSLATE_NOOP("MainToolbar", "Add New Sermon"), 1400 },
    { "grpGlobe", QT_TRANSLATE_NOOP("MainToolbar", "Display All Sermons"), 1500 },
    { "grpNotes", QT_TRANSLATE_NOOP("MainToolbar", "Sermon Notes"), 1300 },
    { "grpSaveNotes", QT_TRANSLATE_NOOP("MainToolbar", "Save Sermon Notes"), 1600 },
    { "grpPreacher", QT_TRANSLATE_NOOP("MainToolbar", "Preacher Screen"), 1455 },
    { "grpSeries", QT_TRANSLATE_NOOP("MainToolbar", "Sermon Series Screen"), 1700 },
    { "grpPublisher", QT_TRANSLATE_NOOP("MainToolbar", "Publisher Screen"), 1455 },
    { "grpHelp", QT_TRANSLATE_NOOP("MainToolbar", "Help"), 500 },
    { "grpPreach", QT_TRANSLATE_NOOP("MainToolbar", "Preach"), 700 },
};

constexpr int PanelHeight = 555;
constexpr int ButtonSize = 435;
constexpr int ButtonTop = 60;

} // namespace

MainToolbar::MainToolbar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlToolbar"));
    setAccessibleName(tr("Toolbar"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedHeight(TwipsToPixels(PanelHeight));
    setMouseTracking(true);
    ToolbarButtonAccessible::install();

    m_tip = new QLineEdit(this);
    m_tip->setObjectName(QStringLiteral("txtToolTip"));
    m_tip->setAccessibleName(tr("Tooltip"));
    m_tip->setReadOnly(true);
    m_tip->setFocusPolicy(Qt::NoFocus);
    // The box sits over the button it describes; the mouse still rests on the button.
    m_tip->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette tipPalette = m_tip->palette();
    tipPalette.setColor(QPalette::Base, QColor(255, 255, 192));
    tipPalette.setColor(QPalette::Text, Qt::black);
    m_tip->setPalette(tipPalette);
    m_tip->setFixedHeight(m_tip->fontMetrics().height() + 6);
    m_tip->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(TimerInterval);
    connect(m_timer, &QTimer::timeout, this, &MainToolbar::ShowToolTip);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(60), TwipsToPixels(ButtonTop), TwipsToPixels(60), 0);
    layout->setSpacing(TwipsToPixels(30));
    const int side = TwipsToPixels(ButtonSize);
    for (int i = 0; i < ButtonCount; ++i) {
        const int number = i + 1;
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(Buttons[i].name));
        button->setAccessibleName(tipText(number));
        button->setCheckable(true);
        button->setAutoRaise(false);
        // Reached with Tab and pressed with the space bar; a mouse click leaves the focus
        // where it was, in the field that Cut, Copy and Paste work on.
        button->setFocusPolicy(Qt::TabFocus);
        button->setFixedSize(side, side);
        button->setIcon(ToolbarPictures::picture(number));
        button->setIconSize(QSize(side - 8, side - 8));
        button->setMouseTracking(true);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this,
            [this, number](bool pressed) { buttonClicked(number, pressed); });
        layout->addWidget(button, 0, Qt::AlignTop);
        // Groups: clipboard, finding, sermons, reference screens, help, the pulpit.
        if (number == 3 || number == 5 || number == 9 || number == 12 || number == 13) {
            layout->addSpacing(TwipsToPixels(120));
        }
        m_buttons[i] = button;
    }
    layout->addStretch(1);
    button(8)->hide();
    button(9)->hide();
}

QToolButton *MainToolbar::button(int number) const
{
    return (number >= 1 && number <= ButtonCount) ? m_buttons[number - 1] : nullptr;
}

QToolButton *MainToolbar::button(const QString &name) const
{
    for (QToolButton *b : m_buttons) {
        if (b->objectName() == name) {
            return b;
        }
    }
    return nullptr;
}

QString MainToolbar::buttonName(int number)
{
    return (number >= 1 && number <= ButtonCount) ? QString::fromLatin1(Buttons[number - 1].name)
                                                  : QString();
}

QString MainToolbar::tipText(int number)
{
    return (number >= 1 && number <= ButtonCount) ? tr(Buttons[number - 1].tip) : QString();
}

int MainToolbar::tipWidthTwips(int number)
{
    return (number >= 1 && number <= ButtonCount) ? Buttons[number - 1].tipWidth : 0;
}

void MainToolbar::hoverButton(int number)
{
    m_hoverButton = number;
    // Moving on within a button does not put the tooltip off again.
    if (!m_timer->isActive()) {
        m_timer->start();
    }
}

void MainToolbar::ShowToolTip()
{
    const QToolButton *under = button(m_hoverButton);
    if (!under) {
        return;
    }
    const QString text = tipText(m_hoverButton);
    int width = TwipsToPixels(tipWidthTwips(m_hoverButton));
    // A translated tip gets the room its words need; the English ones keep their widths.
    if (text != QString::fromLatin1(Buttons[m_hoverButton - 1].tip)) {
        width = qMax(width, QFontMetrics(font()).horizontalAdvance(text) + 12);
    }
    // The widths were measured for a small system font: where this desktop's font is wider
    // the text gets a smaller size instead of being cut off.
    QFont font = this->font();
    const int room = width - 10;
    for (qreal size = font.pointSizeF();
         size > 6 && QFontMetrics(font).horizontalAdvance(text) > room;) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    m_tip->setFont(font);
    m_tip->setText(text);
    m_tip->setGeometry(under->x(), under->y() + TwipsToPixels(2), width, m_tip->height());
    m_tip->setCursorPosition(0);
    m_tip->show();
    m_tip->raise();
}

void MainToolbar::hideToolTip()
{
    m_tip->hide();
    m_timer->stop();
}

void MainToolbar::buttonClicked(int number, bool pressed)
{
    hideToolTip();
    // Cut, Copy and Paste act on the click that presses the button, never on the one that
    // raises it again.
    if (number <= 3 && !pressed) {
        return;
    }
    Q_EMIT commandRequested(buttonName(number));
    if (QToolButton *b = button(number)) {
        b->setChecked(false);
    }
}

bool MainToolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        for (int i = 0; i < ButtonCount; ++i) {
            if (watched == m_buttons[i]) {
                hoverButton(i + 1);
                break;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void MainToolbar::mouseMoveEvent(QMouseEvent *event)
{
    // Over the bare panel, between or beside the buttons. A button passes on the moves it
    // does not use, so those arrive here too: they are not over the bare panel.
    const QWidget *under = childAt(event->position().toPoint());
    if (!under || under == m_tip) {
        hideToolTip();
    }
    QFrame::mouseMoveEvent(event);
}

void MainToolbar::leaveEvent(QEvent *event)
{
    // Off the toolbar altogether (onto the menu bar or out of the window).
    hideToolTip();
    QFrame::leaveEvent(event);
}
