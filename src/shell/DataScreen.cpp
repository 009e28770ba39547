#include "DataScreen.h"

#include "ProgramGlobals.h"
#include "ScreenOperations.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
// Translated when used: these are made before the program installs its translation.
const char *const CloseCaption = QT_TRANSLATE_NOOP("DataScreen", "&Close");
const char *const CancelCaption = QT_TRANSLATE_NOOP("DataScreen", "&Cancel");
} // namespace

DataScreen::LoadingGuard::LoadingGuard(DataScreen *screen)
    : m_screen(screen)
    , m_wasLoading(screen->isLoading())
{
    m_screen->setLoading(true);
}

DataScreen::LoadingGuard::~LoadingGuard()
{
    m_screen->setLoading(m_wasLoading);
}

DataScreen::DataScreen(QWidget *parent)
    : QWidget(parent)
{
    ScreenOpened();
    m_rememberedStatus = GetStatusText();
    // Keys typed anywhere on the screen are seen before the control handles them, whichever
    // control has the focus.
    qApp->installEventFilter(this);
    watchFrame();
}

DataScreen::~DataScreen()
{
    // A screen destroyed without closing (the program ending) still leaves the counter right.
    if (!m_closed) {
        m_closed = true;
        ScreenClosed();
    }
}

void DataScreen::setEditButtons(
    QPushButton *cmdNew, QPushButton *cmdDelete, QPushButton *cmdSave, QPushButton *cmdClose)
{
    m_cmdNew = cmdNew;
    m_cmdDelete = cmdDelete;
    m_cmdSave = cmdSave;
    if (m_cmdClose) {
        disconnect(m_cmdClose, nullptr, this, nullptr);
    }
    m_cmdClose = cmdClose;
    if (m_cmdClose) {
        connect(m_cmdClose, &QPushButton::clicked, this, &DataScreen::cmdClose_Click);
    }
}

void DataScreen::setRecordList(QWidget *recordList)
{
    m_recordList = recordList;
}

bool DataScreen::isEditing() const
{
    return m_cmdSave && m_cmdSave->isEnabled();
}

void DataScreen::enterBrowseState()
{
    if (m_recordList) {
        m_recordList->setEnabled(true);
    }
    if (m_cmdNew) {
        m_cmdNew->setEnabled(true);
    }
    if (m_cmdDelete) {
        m_cmdDelete->setEnabled(true);
    }
    if (m_cmdSave) {
        m_cmdSave->setEnabled(false);
    }
    if (m_cmdClose) {
        m_cmdClose->setText(tr(CloseCaption));
    }
}

void DataScreen::enterEditState()
{
    if (m_recordList) {
        m_recordList->setEnabled(false);
    }
    if (m_cmdNew) {
        m_cmdNew->setEnabled(false);
    }
    if (m_cmdDelete) {
        m_cmdDelete->setEnabled(false);
    }
    if (m_cmdSave) {
        m_cmdSave->setEnabled(true);
    }
    if (m_cmdClose) {
        m_cmdClose->setText(tr(CancelCaption));
    }
}

void DataScreen::dataHasChanged()
{
    if (m_loading || isEditing()) {
        return;
    }
    enterEditState();
}

void DataScreen::askAddRecords()
{
    if (m_asking || m_closed) {
        return;
    }
    m_asking = true;
    const MsgBoxAnswer answer = MsgBox(tr("No Records, Add Some ?"), MsgBoxStyle::YesNoQuestion);
    m_asking = false;
    if (answer == MsgBoxAnswer::Yes) {
        newRecord();
    } else {
        closeScreen();
    }
}

bool DataScreen::askSaveChanges()
{
    if (!isEditing()) {
        return true;
    }
    const MsgBoxAnswer answer = AskSaveChanges(this);
    return answer == MsgBoxAnswer::No || (answer == MsgBoxAnswer::Yes && saveRecord());
}

bool DataScreen::closeScreen()
{
    if (m_frame) {
        return m_frame->close();
    }
    return close();
}

void DataScreen::cmdClose_Click()
{
    if (m_cmdClose && m_cmdClose->text() == tr(CancelCaption)) {
        enterBrowseState();
        cancelEdit();
        return;
    }
    closeScreen();
}

QMdiSubWindow *DataScreen::subWindow() const
{
    return m_frame;
}

bool DataScreen::saveRecord()
{
    return true;
}

void DataScreen::newRecord() { }

void DataScreen::cancelEdit() { }

void DataScreen::screenActivated() { }

void DataScreen::screenClosing() { }

void DataScreen::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    if (!askSaveChanges()) {
        event->ignore();
        return;
    }
    m_closed = true;
    qApp->removeEventFilter(this);
    EndBusy(m_rememberedStatus);
    screenClosing();
    ScreenClosed();
    // A screen closed behind another one leaves the status box to the screen in front, the
    // one activated last.
    if (m_frame && m_frame->mdiArea() && OpenScreenCount > 0) {
        const QMdiSubWindow *front = m_frame->mdiArea()->currentSubWindow();
        if (front && front != m_frame && front->widget()) {
            SetStatusText(front->widget()->windowTitle());
        }
    }
    event->accept();
    Q_EMIT screenClosed();
    // Closing the screen itself (not its frame) must not leave an empty frame behind.
    if (m_frame) {
        m_frame->close();
    }
}

bool DataScreen::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        watchFrame();
        break;
    case QEvent::WindowActivate:
        // A screen shown as a window of its own (not in the work area) is activated here.
        if (!m_frame) {
            activate();
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool DataScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !m_loading && !m_closed && !isEditing()
        && !isMinimizedScreen()) {
        auto *target = qobject_cast<QWidget *>(watched);
        if (target && target != this && isAncestorOf(target)
            && IsChangeKey(static_cast<QKeyEvent *>(event), target)) {
            dataHasChanged();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DataScreen::activate()
{
    if (m_closed) {
        return;
    }
    SetStatusText(windowTitle());
    screenActivated();
    if (m_noRecords) {
        m_noRecords = false;
        // Asked once the activation is over: the answer may close the screen.
        QMetaObject::invokeMethod(this, &DataScreen::askAddRecords, Qt::QueuedConnection);
    }
}

void DataScreen::watchFrame()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (frame == m_frame) {
        return;
    }
    if (m_frame) {
        disconnect(m_frame, nullptr, this, nullptr);
    }
    m_frame = frame;
    if (!m_frame) {
        return;
    }
    connect(m_frame, &QMdiSubWindow::windowStateChanged, this,
        [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
            if (!(oldState & Qt::WindowActive) && (newState & Qt::WindowActive)) {
                activate();
            }
        });
}

bool DataScreen::isMinimizedScreen() const
{
    return m_frame ? m_frame->isMinimized() : isMinimized();
}
