#include "WelcomePanel.h"

#include "DeliveredFiles.h"
#include "HelpWindow.h"
#include "LibrarySummary.h"
#include "ProgramGlobals.h"
#include "frmMain.h"

#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

WelcomePanel::WelcomePanel(frmMain *main)
    : QLabel(main->workArea()->viewport())
    , m_main(main)
{
    setObjectName(QStringLiteral("lblWelcome"));
    setAccessibleName(tr("Welcome"));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(16);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    connect(this, &QLabel::linkActivated, this, &WelcomePanel::follow);
    // A screen opening or closing changes the work area's list of windows; the check runs once
    // the change is complete, and once for the several signs of one change (the library is
    // counted each time).
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, &WelcomePanel::refresh);
    main->workArea()->viewport()->installEventFilter(this);
    connect(
        main->workArea(), &QMdiArea::subWindowActivated, &m_refresh, qOverload<>(&QTimer::start));
}

void WelcomePanel::refresh()
{
    bool screenOpen = false;
    for (const QMdiSubWindow *frame : m_main->workArea()->subWindowList())
        screenOpen = screenOpen || !frame->isHidden();
    if (screenOpen) {
        hide();
        return;
    }
    const int sermons = LibrarySummary::sermonCount();
    const QString library = ActiveDatabase.isEmpty()
        ? tr("no library")
        : QFileInfo(ActiveDatabase).fileName().toHtmlEscaped();
    const QString held = sermons < 0 ? QString() : tr("%n sermon(s)", nullptr, sermons);
    setText(QStringLiteral("<h2>%1</h2><p>%2</p><ul>"
                           "<li><a href=\"mnuESermon\">%3</a></li>"
                           "<li><a href=\"mnuFImportFiles\">%4</a></li>"
                           "<li><a href=\"help:getting-started\">%5</a></li></ul>")
                .arg(tr("Welcome to Lectorum"),
                    held.isEmpty() ? tr("Library: %1").arg(library)
                                   : tr("Library: %1, holding %2").arg(library, held),
                    tr("Open the sermons (Edit > Sermon)"),
                    tr("Bring in your outlines (File > Import)"),
                    tr("Read \"Getting started\" in the help")));
    setAccessibleDescription(text());
    adjustSize();
    centre();
    show();
    raise();
}

bool WelcomePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show)
        refresh();
    else if (event->type() == QEvent::Resize)
        centre();
    else if (event->type() == QEvent::ChildRemoved || event->type() == QEvent::ChildAdded)
        m_refresh.start();
    return QLabel::eventFilter(watched, event);
}

void WelcomePanel::follow(const QString &link)
{
    if (link.startsWith(QLatin1String("help:"))) {
        if (HelpWindow *help = HelpWindow::open(m_main, DeliveredFiles::helpFilePath()))
            help->showTopic(link.mid(5));
        return;
    }
    m_main->runCommand(link);
}

void WelcomePanel::centre()
{
    const QWidget *area = parentWidget();
    const int width = qMin(520, qMax(200, area->width() - 40));
    resize(width, heightForWidth(width));
    move((area->width() - width) / 2, qMax(0, (area->height() - height()) / 3));
}
