#include "OutlineRecoveryWatch.h"

#include "OutlineRecoveryFile.h"
#include "ReferenceText.h"
#include "SermonScreenWidgets.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "frmSermon.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QTimer>

namespace {

bool g_enabled = false;

// The lock beside a recovery file says which copy of the program keeps it. A lock left with
// this process's own number comes from an earlier program that had the same number: this
// process holds no lock it does not know of.
std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return lock;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock->getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid()
        && lock->removeStaleLockFile() && lock->tryLock(0)) {
        return lock;
    }
    return nullptr;
}

} // namespace

void OutlineRecoveryWatch::setEnabled(bool on)
{
    g_enabled = on;
}

bool OutlineRecoveryWatch::enabled()
{
    return g_enabled;
}

void OutlineRecoveryWatch::attach(frmSermon *screen, const SermonScreenWidgets &widgets)
{
    if (g_enabled) {
        new OutlineRecoveryWatch(screen, widgets);
    }
}

OutlineRecoveryWatch::OutlineRecoveryWatch(frmSermon *screen, const SermonScreenWidgets &widgets)
    : QObject(screen)
    , m_screen(screen)
    , m_timer(new QTimer(this))
    , m_saveButton(widgets.cmdSave)
    , m_title(widgets.txtTitle)
{
    setObjectName(QStringLiteral("outlineRecoveryWatch"));
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &OutlineRecoveryWatch::flush);
    connect(qApp, &QApplication::focusChanged, this, &OutlineRecoveryWatch::flush);
    // Closed: the edits were saved or given up ("No"); the screen is deleted a little later.
    connect(screen, &DataScreen::screenClosed, this, [this] {
        m_timer->stop();
        m_screen = nullptr;
        discard();
    });
    m_saveButton->installEventFilter(this);
}

OutlineRecoveryWatch::~OutlineRecoveryWatch()
{
    discard();
}

bool OutlineRecoveryWatch::editing() const
{
    // A screen that has closed (or is being deleted) is no longer the sermon screen. The
    // explicit state, not the effective one: a screen disabled for a moment as a whole still
    // holds its edits.
    return m_screen && frmSermon::instance() == m_screen
        && !m_saveButton->testAttribute(Qt::WA_ForceDisabled);
}

bool OutlineRecoveryWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && watched == m_saveButton) {
        editStateChanged();
    }
    return QObject::eventFilter(watched, event);
}

void OutlineRecoveryWatch::editStateChanged()
{
    const bool now = editing();
    if (now == m_wasEditing) {
        return;
    }
    m_wasEditing = now;
    if (now) {
        m_timer->start();
        flush();
    } else {
        m_timer->stop();
        discard();
    }
}

void OutlineRecoveryWatch::flush()
{
    if (!g_enabled || !editing()) {
        return;
    }
    const QString library = OutlineRecoveryFile::currentLibrary();
    if (library.isEmpty()) {
        return;
    }
    OutlineRecoveryFile::Outline outline;
    outline.library = library;
    outline.sermonID = m_screen->shownSermonID();
    outline.title = TrimBlanks(m_title->text());
    outline.text = m_screen->outlineText();
    if (outline.text.trimmed().isEmpty()) {
        discard();
        return;
    }
    const QString path = OutlineRecoveryFile::pathFor(library, outline.sermonID);
    if (path == m_path && outline.text == m_lastText && outline.title == m_lastTitle) {
        return;
    }
    QString error;
    if (path != m_path) {
        discard();
        // The lock first, so that no other copy of the program takes the file for one left
        // behind; it needs the folder.
        if (OutlineRecoveryFile::makeFolder(error)) {
            m_lock = lockFor(path);
        }
    }
    outline.written = QDateTime::currentDateTime();
    if (!OutlineRecoveryFile::write(path, outline, error)) {
        // Said once a run: the user should know that a crash would now lose the typing,
        // without a box at every interval.
        if (!m_failureShown) {
            m_failureShown = true;
            MsgBox(tr("Lectorum could not keep a recovery copy of the outline you are typing, so "
                      "it would be lost if the program stopped unexpectedly. Save often.\n\n%1")
                       .arg(error));
        }
        return;
    }
    m_path = path;
    m_lastText = outline.text;
    m_lastTitle = outline.title;
}

void OutlineRecoveryWatch::discard()
{
    if (!m_path.isEmpty()) {
        OutlineRecoveryFile::remove(m_path);
    }
    m_lock.reset();
    m_path.clear();
    m_lastText.clear();
    m_lastTitle.clear();
}
