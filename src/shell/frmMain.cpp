#include "frmMain.h"

#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace {
frmMain *g_instance = nullptr;

QLabel *sunkenPanel(const QString &name, QWidget *parent)
{
    auto *panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}
} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    g_instance = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Lectorum Sermon Outlines"));
    m_workArea = new QMdiArea(this);
    m_workArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_workArea);
    buildMenus();
    buildStatusBar();
    resize(TwipsToPixels(12000), TwipsToPixels(8500));
    // The help file lives beside the program.
    HelpFilePath = QCoreApplication::applicationDirPath() + QStringLiteral("/Lectorum.hlp");
}

frmMain::~frmMain()
{
    QtUserInterface::instance().setStatusBox(nullptr);
    if (g_instance == this)
        g_instance = nullptr;
}

frmMain *frmMain::instance() { return g_instance; }

void frmMain::buildStatusBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("pnlStatusBar"));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(TwipsToPixels(60), 2, TwipsToPixels(60), 2);
    m_statusBox = sunkenPanel(QStringLiteral("pnlStatusBox"), bar);
    m_statusBox->setMinimumWidth(TwipsToPixels(4635));
    m_statusBox->setAccessibleName(QStringLiteral("Status"));
    m_user = sunkenPanel(QStringLiteral("pnlUser"), bar);
    m_user->setMinimumWidth(TwipsToPixels(3495));
    m_user->setAccessibleName(QStringLiteral("Database or user"));
    layout->addWidget(m_statusBox, 4);
    layout->addWidget(m_user, 3);
    statusBar()->addWidget(bar, 1);
    statusBar()->setSizeGripEnabled(true);
    QtUserInterface::instance().setStatusBox(m_statusBox);
}

void frmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuFExit"));
    connect(exit, &QAction::triggered, this, &frmMain::mnuFExit_Click);
}

void frmMain::mnuFExit_Click() { close(); }

void frmMain::closeEvent(QCloseEvent *event)
{
    // Every child screen runs its own closing step (and may refuse, keeping unsaved work).
    m_workArea->closeAllSubWindows();
    if (!m_workArea->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
}
