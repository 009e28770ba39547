#pragma once

#include "LibraryBackup.h"

#include <QObject>

#include <memory>

class QThread;

// Runs one backup of a local library on a worker thread with its own connection, so the
// user keeps working; the status box says so while it runs. At most one runs at a time. A
// program ending while a backup runs finishes it in sight, "Finishing the backup…" with its
// progress, or cancels it from there (its work file is hidden until done and removed on a
// cancel, so even a program killed meanwhile leaves nothing half-written in sight).
class LibraryBackupRunner : public QObject
{
    Q_OBJECT
public:
    // Starts a backup of `libraryPath` with the "Library" settings. An automatic backup runs
    // only when one is due and stays silent when it succeeds; a failure is always said.
    // Null when nothing was started (not due, or one is running: `busy`).
    static LibraryBackupRunner *start(
        const QString &libraryPath, bool automatic, bool *busy = nullptr);
    // The backup running now, or null.
    static LibraryBackupRunner *current();

    ~LibraryBackupRunner() override;

    // Waits for the worker (tests).
    void wait();
    // The program is ending: a backup still running is finished under a dialog that shows
    // its progress and whose Cancel stops it, leaving no backup behind. No message follows.
    static void finishBeforeQuit();
    static QString finishingText();
    static constexpr const char *FinishingDialogName = "dlgFinishingBackup";
    const LibraryBackup::Outcome &outcome() const { return m_outcome; }

    static QString statusText();

Q_SIGNALS:
    void finished(bool ok);

private:
    LibraryBackupRunner(const QString &libraryPath, bool automatic);
    void workerDone();

    QString m_libraryPath;
    bool m_automatic = false;
    QString m_previousStatus;
    QThread *m_thread = nullptr;
    LibraryBackup::Outcome m_outcome;
    struct Progress;
    std::shared_ptr<Progress> m_progress;
    bool m_quiet = false; // the program is ending: no message
};
