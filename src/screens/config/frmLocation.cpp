#include "frmLocation.h"

#include "HourglassGuard.h"
#include "UserInterface.h"
#include "clsLocation.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmLocation::frmLocation(QWidget *parent)
    : QWidget(parent)
    , m_location(std::make_unique<clsLocation>())
{
    HourglassGuard busy;
    setObjectName(QStringLiteral("frmLocation"));
    setWindowTitle(tr("Default Location Screen"));
    m_rememberedStatus = GetStatusText();

    auto *label = new QLabel(tr("Change Default Location:"), this);
    label->setObjectName(QStringLiteral("lblLocation"));
    txtLocation = new QLineEdit(this);
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    txtLocation->setAccessibleName(tr("Change Default Location:"));
    label->setBuddy(txtLocation);
    txtLocation->installEventFilter(this);
    cmdSave = new QPushButton(tr("&Update"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = new QPushButton(tr("&Cancel"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdSave, &QPushButton::clicked, this, &frmLocation::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmLocation::closeScreen);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(txtLocation);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());

    clsLocation::setDefaultLocationID(1);
    LoadLocation();
}

frmLocation::~frmLocation() = default;

void frmLocation::LoadLocation()
{
    m_location->OpenRecordset();
    if (m_location->Retrieve()) {
        txtLocation->setText(m_location->Location() + QLatin1Char(' '));
    } else if (m_location->LastError().isSet()) {
        ShowSystemError(m_location->LastError());
    }
}

void frmLocation::cmdSave_Click()
{
    clsLocation::setDefaultLocationID(1);
    m_location->setLocation(txtLocation->text());
    if (m_location->Check()) {
        HourglassGuard busy;
        const bool saved = m_location->Replace();
        busy.release();
        // An engine failure has been shown already; a row that was not there is told here.
        if (!saved && !m_location->LastError().isSet())
            MsgBox(m_location->InfoMsg());
    }
    closeScreen();
}

void frmLocation::closeScreen()
{
    if (m_frame)
        m_frame->close();
    else
        close();
}

void frmLocation::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        m_location->CloseRecordset();
        EndBusy(m_rememberedStatus);
    }
    event->accept();
    // Closing the screen itself must not leave an empty frame behind.
    if (m_frame)
        m_frame->close();
}

bool frmLocation::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        watchFrame();
    else if (event->type() == QEvent::WindowActivate && !m_frame && !m_closed)
        SetStatusText(windowTitle());
    return QWidget::event(event);
}

bool frmLocation::eventFilter(QObject *watched, QEvent *event)
{
    // Entering the field selects its whole text (after the click has placed the cursor).
    if (watched == txtLocation && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtLocation, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

void frmLocation::watchFrame()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (frame == m_frame)
        return;
    if (m_frame)
        disconnect(m_frame, nullptr, this, nullptr);
    m_frame = frame;
    if (!m_frame)
        return;
    connect(m_frame, &QMdiSubWindow::windowStateChanged, this,
        [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
            if (!m_closed && !(oldState & Qt::WindowActive) && (newState & Qt::WindowActive))
                SetStatusText(windowTitle());
        });
}
