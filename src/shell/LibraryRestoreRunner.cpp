#include "LibraryRestoreRunner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

namespace {

// What the worker tells the dialog, and the dialog's Cancel for the worker.
struct Progress
{
    std::atomic<qint64> copied { 0 };
    std::atomic<qint64> total { 0 };
    std::atomic<bool> cancel { false };
};

constexpr int Steps = 1000;

} // namespace

QString LibraryRestoreRunner::progressText(qint64 copied, qint64 total)
{
    if (total <= 0)
        return QCoreApplication::translate("LibraryRestoreRunner", "Restoring the library...");
    const QLocale locale;
    return QCoreApplication::translate(
        "LibraryRestoreRunner", "Restoring the library... %1 of %2 copied")
        .arg(locale.formattedDataSize(copied), locale.formattedDataSize(total));
}

LibraryRestore::Outcome LibraryRestoreRunner::run(
    const QString &backupPath, const QString &libraryPath, QWidget *parent)
{
    auto progress = std::make_shared<Progress>();
    LibraryRestore::Outcome outcome;
    QThread *worker = QThread::create([&outcome, progress, backupPath, libraryPath] {
        outcome = LibraryRestore::restore(backupPath, libraryPath, QDateTime::currentDateTime(),
            [progress](qint64 copied, qint64 total) {
                progress->copied = copied;
                progress->total = total;
                return !progress->cancel;
            });
    });

    QProgressDialog dialog(progressText(0, 0),
        QCoreApplication::translate("LibraryRestoreRunner", "Cancel"), 0, Steps, parent);
    dialog.setObjectName(QLatin1String(DialogName));
    dialog.setWindowTitle(
        QCoreApplication::translate("LibraryRestoreRunner", "Restore from Backup"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    QObject::connect(
        &dialog, &QProgressDialog::canceled, &dialog, [progress] { progress->cancel = true; });
    QTimer tick;
    tick.setInterval(100);
    QObject::connect(&tick, &QTimer::timeout, &dialog, [&dialog, progress] {
        const qint64 total = progress->total;
        if (total <= 0 || dialog.wasCanceled())
            return;
        dialog.setValue(int(progress->copied * Steps / total));
        dialog.setLabelText(progressText(progress->copied, total));
    });

    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    dialog.show();
    // The copy starts once the dialog is up, so a Cancel pressed at once is never too late.
    QMetaObject::invokeMethod(
        &loop, [worker] { worker->start(); }, Qt::QueuedConnection);
    tick.start();
    loop.exec();
    worker->wait();
    delete worker;
    return outcome;
}
