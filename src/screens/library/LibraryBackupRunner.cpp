#include "LibraryBackupRunner.h"

#include "LibrarySettings.h"
#include "ProgramGlobals.h"
#include "UserInterface.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>

namespace {
QPointer<LibraryBackupRunner> g_running;
constexpr int Steps = 1000;
}

// What the worker tells a dialog watching it, and that dialog's Cancel for the worker.
struct LibraryBackupRunner::Progress
{
    std::atomic<qint64> copied { 0 };
    std::atomic<qint64> total { 0 };
    std::atomic<bool> cancel { false };
};

QString LibraryBackupRunner::finishingText()
{
    return tr("Finishing the backup…");
}

QString LibraryBackupRunner::statusText()
{
    return tr("Backing up the library...");
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
    , m_progress(std::make_shared<Progress>())
{
    const LibrarySettings settings = LibrarySettings::read(ProgramConfig());
    m_previousStatus = GetStatusText();
    SetStatusText(statusText());
    const QString folder = LibraryBackup::folderFor(libraryPath);
    m_thread
        = QThread::create([this, libraryPath, folder, keep = settings.keep, progress = m_progress] {
              m_outcome = LibraryBackup::backUp(libraryPath, folder, QDateTime::currentDateTime(),
                  keep, [progress](qint64 copied, qint64 total) {
                      progress->copied = copied;
                      progress->total = total;
                      return !progress->cancel;
                  });
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

void LibraryBackupRunner::finishBeforeQuit()
{
    QPointer<LibraryBackupRunner> runner = g_running.data();
    if (!runner)
        return;
    runner->m_quiet = true;
    QThread *thread = runner->m_thread;
    if (thread && !thread->isFinished()) {
        const std::shared_ptr<Progress> progress = runner->m_progress;
        QProgressDialog dialog(finishingText(), tr("Cancel"), 0, Steps);
        dialog.setObjectName(QLatin1String(FinishingDialogName));
        dialog.setWindowTitle(tr("Back Up Now"));
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumDuration(0);
        QObject::connect(
            &dialog, &QProgressDialog::canceled, &dialog, [progress] { progress->cancel = true; });
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &dialog, [&dialog, progress] {
            if (progress->total > 0 && !dialog.wasCanceled())
                dialog.setValue(int(progress->copied * Steps / progress->total));
        });
        QEventLoop loop;
        QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
        dialog.show();
        tick.start(100);
        // Connected first, then asked: a worker that finished in between is not waited for.
        if (!thread->isFinished())
            loop.exec();
    }
    // The runner reports and deletes itself once its worker has finished.
    if (runner)
        runner->wait();
}

void LibraryBackupRunner::workerDone()
{
    if (g_running != this)
        return; // already reported
    g_running = nullptr;
    // A screen opened meanwhile has put its own caption in the status box: leave it.
    if (GetStatusText().trimmed() == statusText())
        SetStatusText(m_previousStatus);
    // A program ending (or a backup cancelled as it ended) has nothing more to say.
    const bool silent = m_quiet || m_outcome.cancelled;
    if (!silent && !m_outcome.ok)
        MsgBox(m_outcome.message, MsgBoxStyle::OkExclamation);
    else if (!silent && !m_automatic)
        MsgBox(
            QCoreApplication::translate("LibraryBackupRunner", "The library was backed up to %1.")
                .arg(m_outcome.path));
    Q_EMIT finished(m_outcome.ok);
    deleteLater();
}
