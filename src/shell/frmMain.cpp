#include "frmMain.h"

#include "ClipboardOperations.h"
#include "DeliveredFiles.h"
#include "MainMenus.h"
#include "MainToolbar.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenPlacement.h"
#include "SermonQuery.h"
#include "Twips.h"
#include "UserInterface.h"
#include "WelcomePanel.h"
#include "WinHelp.h"
#include "WindowArrangement.h"
#include "frmAbout32.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
frmMain *g_instance = nullptr;

// Status bar geometry in twips.
constexpr int PanelTop = 60;
constexpr int StatusBoxLeft = 60;
constexpr int StatusBoxWidth = 4635;
constexpr int UserLeft = 5460;
constexpr int UserWidth = 3495;
constexpr int PanelHeight = 240;
constexpr int StatusBoxGap = 200;

// The program's own icon, drawn in every size the desktop asks for; the desktop's menu
// entry shows the same drawing.
QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        icon.addFile(
            QStringLiteral(":/appicon/%1x%1/" LECTORUM_APP_ID ".png").arg(size), QSize(size, size));
    return icon;
}

QLabel *sunkenPanel(const QString &name, const QString &description, QWidget *parent)
{
    auto *panel = new QLabel(parent);
    panel->setObjectName(name);
    // A screen reader reads what the panel shows; the description only says what it is.
    panel->setAccessibleDescription(description);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}

// The buttons that run a menu item's command.
const QHash<QString, QString> &buttonMenuItems()
{
    static const QHash<QString, QString> items = {
        { QStringLiteral("grpCut"), QStringLiteral("mnuECut") },
        { QStringLiteral("grpCopy"), QStringLiteral("mnuECopy") },
        { QStringLiteral("grpPaste"), QStringLiteral("mnuEPaste") },
        { QStringLiteral("grpSearch"), QStringLiteral("mnuSAll") },
        { QStringLiteral("grpCheck"), QStringLiteral("mnuCCombination") },
        { QStringLiteral("grpGlobe"), QStringLiteral("mnuESermon") },
        { QStringLiteral("grpPreacher"), QStringLiteral("mnuEPreacher") },
        { QStringLiteral("grpSeries"), QStringLiteral("mnuESeries") },
        { QStringLiteral("grpPublisher"), QStringLiteral("mnuEPublisher") },
        { QStringLiteral("grpHelp"), QStringLiteral("mnuHContents") },
        { QStringLiteral("grpPreach"), QStringLiteral("mnuEPreach") },
    };
    return items;
}
} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    g_instance = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProductName);
    // Every window of the program (the sign-in, the dialogs) carries the program's icon.
    QApplication::setWindowIcon(applicationIcon());
    setWindowIcon(QApplication::windowIcon());

    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolbar = new MainToolbar(client);
    m_workArea = new QMdiArea(client);
    m_workArea->setObjectName(QStringLiteral("mdiArea"));
    m_workArea->setAccessibleName(tr("Work area"));
    m_workArea->viewport()->setMouseTracking(true);
    m_workArea->viewport()->installEventFilter(this);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_workArea, 1);
    buildStatusBar();
    layout->addWidget(m_statusBar);
    setCentralWidget(client);

    m_welcome = new WelcomePanel(this);
    m_menus = new MainMenus(menuBar(), this);
    connectMenus();
    connect(m_toolbar, &MainToolbar::commandRequested, this, &frmMain::runToolbarCommand);

    resize(TwipsToPixels(12000), TwipsToPixels(8500));
    // Load step: the status text as it stands, and the help file beside the program (an
    // installed program: in its share folder), in the interface's language when it has one.
    m_statusAtLoad = GetStatusText();
    HelpFilePath = DeliveredFiles::helpFilePath();
}

frmMain::~frmMain()
{
    QtUserInterface::instance().setStatusBox(nullptr);
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

frmMain *frmMain::instance()
{
    return g_instance;
}

void frmMain::buildStatusBar()
{
    m_statusBar = new QFrame(centralWidget() ? centralWidget() : this);
    m_statusBar->setObjectName(QStringLiteral("pnlStatusBar"));
    m_statusBar->setAccessibleName(tr("Status bar"));
    m_statusBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_statusBox = sunkenPanel(QStringLiteral("pnlStatusBox"), tr("Status"), m_statusBar);
    m_user = sunkenPanel(QStringLiteral("pnlUser"), tr("Database or user"), m_statusBar);
    // The panels are as high as the twips say, or as a line of text needs where that is more.
    const int height = qMax(TwipsToPixels(PanelHeight), m_statusBox->fontMetrics().height() + 4);
    m_statusBox->setGeometry(TwipsToPixels(StatusBoxLeft), TwipsToPixels(PanelTop),
        TwipsToPixels(StatusBoxWidth), height);
    m_user->setGeometry(
        TwipsToPixels(UserLeft), TwipsToPixels(PanelTop), TwipsToPixels(UserWidth), height);
    m_statusBar->setFixedHeight(2 * TwipsToPixels(PanelTop) + height);
    m_statusBar->installEventFilter(this);
    QtUserInterface::instance().setStatusBox(m_statusBox);
}

void frmMain::placeStatusPanels()
{
    // The user panel keeps its left edge and reaches to the right end of the bar, so a long
    // database path stays readable.
    const int right = m_statusBar->width() - TwipsToPixels(StatusBoxLeft);
    m_user->resize(qMax(TwipsToPixels(UserWidth), right - m_user->x()), m_user->height());
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!isMinimized()) {
        m_statusBox->resize(m_user->x() - TwipsToPixels(StatusBoxGap), m_statusBox->height());
    }
}

void frmMain::connectMenus()
{
    for (const QString &name : m_menus->commandNames()) {
        QAction *item = m_menus->action(name);
        if (m_menus->fontTypeGroup()->actions().contains(item)
            || m_menus->fontSizeGroup()->actions().contains(item)) {
            connect(item, &QAction::triggered, this, [this, item] { chooseOutlineFont(item); });
        } else {
            connect(item, &QAction::triggered, this, [this, name] { runCommand(name); });
        }
    }
    connect(m_menus->menu(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this,
        &frmMain::updateWindowMenu);
    connect(m_menus, &MainMenus::helpRequested, this,
        [this](int contextId) { showHelp(HELP_CONTEXT, contextId); });
}

QAction *frmMain::action(const QString &name) const
{
    return m_menus->action(name);
}

QToolButton *frmMain::toolButton(const QString &name) const
{
    return m_toolbar->button(name);
}

void frmMain::setCommand(const QString &name, Command command)
{
    if (command) {
        m_commands.insert(name, std::move(command));
    } else {
        m_commands.remove(name);
    }
}

void frmMain::showSermons(const SermonQuery &query)
{
    // A copy: the command may replace itself while it runs.
    if (const SermonListCommand command = m_sermonList) {
        command(query);
    }
}

void frmMain::runCommand(const QString &name)
{
    if (runShellCommand(name)) {
        return;
    }
    if (QAction *item = action(name); item && m_menus->fontTypeGroup()->actions().contains(item)) {
        return chooseOutlineFont(item);
    }
    if (QAction *item = action(name); item && m_menus->fontSizeGroup()->actions().contains(item)) {
        return chooseOutlineFont(item);
    }
    if (buttonMenuItems().contains(name)) {
        return runCommand(buttonMenuItems().value(name));
    }
    if (name == QLatin1String("grpNewSermon")) {
        // The sermon screen shows the button again when it closes.
        if (hasCommand(name)) {
            toolButton(name)->hide();
            m_commands.value(name)();
        }
        return;
    }
    if (const Command command = m_commands.value(name)) {
        command();
    }
}

bool frmMain::runShellCommand(const QString &name)
{
    using Handler = void (frmMain::*)();
    static const QHash<QString, Handler> handlers = {
        { QStringLiteral("mnuFChange"), &frmMain::mnuFChange_Click },
        { QStringLiteral("mnuFDisplay"), &frmMain::mnuFDisplay_Click },
        { QStringLiteral("mnuFExit"), &frmMain::mnuFExit_Click },
        { QStringLiteral("mnuHAbout"), &frmMain::mnuHAbout_Click },
    };
    if (const Handler handler = handlers.value(name)) {
        (this->*handler)();
        return true;
    }
    static const QHash<QString, int> arrangements = {
        { QStringLiteral("mnuWCascade"), WindowArrangement::Cascade },
        { QStringLiteral("mnuWTileHoriz"), WindowArrangement::TileHorizontal },
        { QStringLiteral("mnuWTileVert"), WindowArrangement::TileVertical },
        { QStringLiteral("mnuWArrange"), WindowArrangement::ArrangeIcons },
    };
    if (arrangements.contains(name)) {
        WindowArrangement::Arrange(m_workArea, arrangements.value(name));
        return true;
    }
    static const QHash<QString, QPair<int, int>> helpCommands = {
        { QStringLiteral("mnuHContents"), { HELP_CONTENTS, 0 } },
        { QStringLiteral("mnuHIndex"), { HELP_CONTEXT, 10 } },
        { QStringLiteral("mnuHSearch"), { HELP_PARTIALKEY, 0 } },
        { QStringLiteral("mnuHUsing"), { HELP_HELPONHELP, 0 } },
    };
    if (helpCommands.contains(name)) {
        const auto command = helpCommands.value(name);
        showHelp(command.first, command.second);
        return true;
    }
    if (name == QLatin1String("mnuECut") || name == QLatin1String("mnuECopy")) {
        CutCopyText(name == QLatin1String("mnuECut"));
        return true;
    }
    if (name == QLatin1String("mnuEPaste")) {
        PasteText();
        return true;
    }
    if (name == QLatin1String("mnuDStatus")) {
        toggleBar(m_statusBar, name);
        return true;
    }
    if (name == QLatin1String("mnuDToolbar")) {
        toggleBar(m_toolbar, name);
        return true;
    }
    return false;
}

void frmMain::runToolbarCommand(const QString &buttonName)
{
    runCommand(buttonName);
}

void frmMain::mnuFChange_Click()
{
    // The status box shows the product's name only while no screen is open.
    if (GetStatusText().trimmed() != ProductName) {
        MsgBox(tr("First close all open windows"));
        return;
    }
    if (const Command open = m_commands.value(QStringLiteral("mnuFChange"))) {
        open();
    }
}

void frmMain::mnuFDisplay_Click()
{
    MsgBox(tr("Active Database = %1").arg(ActiveDatabase));
}

void frmMain::mnuFExit_Click()
{
    showHelp(HELP_QUIT, 0);
    close();
}

void frmMain::toggleBar(QWidget *bar, const QString &itemName)
{
    const bool show = bar->isHidden();
    bar->setVisible(show);
    action(itemName)->setChecked(show);
}

void frmMain::chooseOutlineFont(QAction *item)
{
    // The group moves the check mark (a programmatic choice sets it here).
    item->setChecked(true);
    if (m_menus->fontSizeGroup()->actions().contains(item)) {
        Q_EMIT outlineFontSizeChosen(item->text().toInt());
    } else {
        Q_EMIT outlineFontTypeChosen(item->text());
    }
    if (const Command command = m_commands.value(item->objectName())) {
        command();
    }
}

QString frmMain::outlineFontName() const
{
    for (const QAction *item : m_menus->fontTypeGroup()->actions()) {
        if (item->isChecked()) {
            return item->text();
        }
    }
    return {};
}

int frmMain::outlineFontSize() const
{
    for (const QAction *item : m_menus->fontSizeGroup()->actions()) {
        if (item->isChecked()) {
            return item->text().toInt();
        }
    }
    return 8;
}

void frmMain::showHelp(int command, int helpData)
{
    WinHelp(this, HelpFilePath, command, helpData);
}

void frmMain::mnuHAbout_Click()
{
    // Modal over the main window, without blocking the caller.
    auto *about = new frmAbout32(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

QMdiSubWindow *frmMain::openScreen(QWidget *screen)
{
    if (!screen) {
        return nullptr;
    }
    QMdiSubWindow *frame = m_workArea->addSubWindow(screen);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(windowIcon());
    frame->show();
    KeepInWorkArea(frame);
    m_workArea->setActiveSubWindow(frame);
    return frame;
}

void frmMain::updateWindowMenu()
{
    QMenu *menu = m_menus->menu(QStringLiteral("mnuWindow"));
    for (QAction *old : std::as_const(m_windowListActions)) {
        menu->removeAction(old);
        old->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = m_workArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    m_windowListActions.append(menu->addSeparator());
    int number = 0;
    for (QMdiSubWindow *sub : windows) {
        ++number;
        const QString caption = sub->widget() ? sub->widget()->windowTitle() : sub->windowTitle();
        QAction *entry = menu->addAction(
            QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') + caption);
        entry->setObjectName(QStringLiteral("mnuWWindow") + QString::number(number));
        entry->setCheckable(true);
        entry->setChecked(sub == m_workArea->currentSubWindow());
        connect(
            entry, &QAction::triggered, this, [this, sub] { m_workArea->setActiveSubWindow(sub); });
        m_windowListActions.append(entry);
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Every child screen runs its own closing step (and may refuse, keeping unsaved work).
    m_workArea->closeAllSubWindows();
    if (!m_workArea->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    showHelp(HELP_QUIT, 0);
    event->accept();
}

bool frmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        // Coming back to the program: the status box shows the screen in front, or the
        // window's own caption when no screen is open. A caption already shown (start-up
        // writes it without blanks) is left as it is.
        const QMdiSubWindow *sub = m_workArea->currentSubWindow();
        const QString caption = sub && sub->widget() ? sub->widget()->windowTitle() : windowTitle();
        if (GetStatusText().trimmed() != caption) {
            SetStatusText(caption);
        }
    }
    return QMainWindow::event(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_workArea->viewport() && event->type() == QEvent::MouseMove) {
        m_toolbar->hideToolTip();
    } else if (watched == m_statusBar && event->type() == QEvent::Resize) {
        placeStatusPanels();
    }
    return QMainWindow::eventFilter(watched, event);
}
