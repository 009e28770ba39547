#include "LibraryRestore.h"

#include "LibraryBackup.h"
#include "LibraryLogging.h"
#include "SqliteFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

bool LibraryRestore::verify(const QString &backupPath, QString &problem)
{
    SqliteFile copy;
    if (!copy.open(backupPath, SqliteFile::Mode::ReadOnly)) {
        problem = copy.lastError();
        return false;
    }
    const QStringList problems = copy.integrityProblems();
    if (problems != QStringList { QStringLiteral("ok") }) {
        problem = problems.join(QStringLiteral("; "));
        return false;
    }
    if (!copy.tableNames().contains(QStringLiteral("tblSermons"))) {
        problem = QCoreApplication::translate("LibraryRestore", "it holds no sermons table");
        return false;
    }
    return true;
}

namespace {

LibraryRestore::Outcome restoreUnlogged(const QString &backupPath, const QString &libraryPath,
    const QDateTime &now, const LibraryBackup::CopyProgress &progress)
{
    using namespace LibraryRestore;
    Outcome outcome;
    QString problem;
    if (!verify(backupPath, problem)) {
        outcome.message = QCoreApplication::translate(
            "LibraryRestore", "The backup %1 failed its check and was not restored: %2.")
                              .arg(backupPath, problem);
        return outcome;
    }
    const QFileInfo library(libraryPath);
    const QString folder = library.absolutePath();
    const QString name = LibraryBackup::libraryName(libraryPath);
    const QString partial = folder + QStringLiteral("/.") + name
        + QStringLiteral(".restoring.%1.partial").arg(QCoreApplication::applicationPid());
    const QString cancelledText = QCoreApplication::translate(
        "LibraryRestore", "The restore was cancelled. The library is unchanged.");
    if (!LibraryBackup::copyDatabase(backupPath, partial, problem, progress, &outcome.cancelled)
        || !LibraryBackup::syncPath(partial)) {
        QFile::remove(partial);
        if (outcome.cancelled) {
            outcome.message = cancelledText;
            return outcome;
        }
        outcome.message = QCoreApplication::translate("LibraryRestore",
            "The backup could not be copied beside the library in %1: %2. "
            "The library is unchanged.")
                              .arg(folder, problem);
        return outcome;
    }
    // The last moment a cancel is taken: from here on the library is replaced.
    const qint64 copied = QFileInfo(partial).size();
    if (progress && !progress(copied, copied)) {
        QFile::remove(partial);
        outcome.cancelled = true;
        outcome.message = cancelledText;
        return outcome;
    }
    if (library.exists()) {
        QString aside;
        QDateTime stamp = now;
        do {
            aside = folder + QLatin1Char('/') + name + QStringLiteral("-before-restore-")
                + stamp.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QStringLiteral(".mdb");
            stamp = stamp.addSecs(1);
        } while (QFileInfo::exists(aside));
        // A second name for the current file, so the one rename below never leaves the
        // library's name empty; a copy where the file system has no second names.
        const QByteArray from = QFile::encodeName(library.absoluteFilePath());
        const QByteArray to = QFile::encodeName(aside);
        if (::link(from.constData(), to.constData()) != 0 && !QFile::copy(libraryPath, aside)) {
            QFile::remove(partial);
            outcome.message = QCoreApplication::translate("LibraryRestore",
                "The current library could not be kept aside as %1. Nothing was restored.")
                                  .arg(aside);
            return outcome;
        }
        outcome.asidePath = aside;
        // A journal left by a crash would be played back into the restored file: it goes
        // with the file it belongs to.
        const QString journal = libraryPath + QStringLiteral("-journal");
        if (QFileInfo::exists(journal))
            QFile::rename(journal, aside + QStringLiteral("-journal"));
    }
    if (::rename(QFile::encodeName(partial).constData(), QFile::encodeName(libraryPath).constData())
        != 0) {
        QFile::remove(partial);
        outcome.message = QCoreApplication::translate(
            "LibraryRestore", "The library %1 could not be replaced. It is unchanged.")
                              .arg(libraryPath);
        return outcome;
    }
    LibraryBackup::syncPath(folder);
    outcome.ok = true;
    return outcome;
}

} // namespace

LibraryRestore::Outcome LibraryRestore::restore(const QString &backupPath,
    const QString &libraryPath, const QDateTime &now, const LibraryBackup::CopyProgress &progress)
{
    Outcome outcome = restoreUnlogged(backupPath, libraryPath, now, progress);
    if (!outcome.ok && !outcome.cancelled) {
        qCWarning(lcLibrary) << "restore of" << libraryPath << "from" << backupPath
                             << "failed:" << outcome.message;
    }
    return outcome;
}
