#include "LibraryBackupRunner.h"

#include "LibrarySettings.h"
#include "ProgramGlobals.h"
#include "UserInterface.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QThread>

namespace {
QPointer<LibraryBackupRunner> g_running;
}

LibraryBackupRunner *LibraryBackupRunner::current()
{
    return g_running.data();
}

LibraryBackupRunner *LibraryBackupRunner::start(
    const QString &libraryPath, bool automatic, bool *busy)
{
    if (busy)
        *busy = !g_running.isNull();
    if (g_running)
        return nullptr;
    if (automatic) {
        const LibrarySettings settings = LibrarySettings::read(ProgramConfig());
        if (!LibraryBackup::isDue(LibraryBackup::folderFor(libraryPath),
                LibraryBackup::libraryName(libraryPath), settings.backupIntervalDays,
                QDateTime::currentDateTime()))
            return nullptr;
    }
    auto *runner = new LibraryBackupRunner(libraryPath, automatic);
    g_running = runner;
    return runner;
}

LibraryBackupRunner::LibraryBackupRunner(const QString &libraryPath, bool automatic)
    : QObject(QCoreApplication::instance())
    , m_libraryPath(libraryPath)
    , m_automatic(automatic)
{
    const LibrarySettings settings = LibrarySettings::read(ProgramConfig());
    m_previousStatus = GetStatusText();
    SetStatusText(statusText());
    const QString folder = LibraryBackup::folderFor(libraryPath);
    m_thread = QThread::create([this, libraryPath, folder, keep = settings.keep] {
        m_outcome = LibraryBackup::backUp(libraryPath, folder, QDateTime::currentDateTime(), keep);
    });
    // Delivered on the interface thread, after the worker has stored its outcome.
    connect(m_thread, &QThread::finished, this, &LibraryBackupRunner::workerDone);
    m_thread->start(QThread::LowPriority);
}

LibraryBackupRunner::~LibraryBackupRunner()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void LibraryBackupRunner::wait()
{
    if (m_thread && !m_thread->isFinished())
        m_thread->wait();
    QCoreApplication::sendPostedEvents(this);
    QCoreApplication::processEvents();
}

void LibraryBackupRunner::workerDone()
{
    if (g_running != this)
        return; // already reported
    g_running = nullptr;
    // A screen opened meanwhile has put its own caption in the status box: leave it.
    if (GetStatusText().trimmed() == statusText())
        SetStatusText(m_previousStatus);
    if (!m_outcome.ok)
        MsgBox(m_outcome.message, MsgBoxStyle::OkExclamation);
    else if (!m_automatic)
        MsgBox(QStringLiteral("The library was backed up to %1.").arg(m_outcome.path));
    Q_EMIT finished(m_outcome.ok);
    deleteLater();
}
