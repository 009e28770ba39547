#include "PersonalLibrary.h"

#include "DbDatabase.h"
#include "DeliveredFiles.h"
#include "UserDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>
#include <unistd.h>

QString PersonalLibrary::firstRunFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (DeliveredFiles::besideProgram() && QFileInfo(programFolder).isWritable())
        return programFolder;
    return UserDataFolder::path();
}

namespace {

// Copies source into the open temporary file and makes it durable before it gets its name.
bool copyContents(const QString &source, QTemporaryFile &copy, QString &reason)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        reason = QCoreApplication::translate(
            "PersonalLibrary", "The delivered library %1 could not be read: %2.")
                     .arg(source, in.errorString());
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray block = in.read(qint64 { 256 } * 1024);
        if (block.isEmpty() && in.error() != QFile::NoError) {
            reason = QCoreApplication::translate(
                "PersonalLibrary", "The delivered library %1 could not be read: %2.")
                         .arg(source, in.errorString());
            return false;
        }
        if (copy.write(block) != block.size()) {
            reason = QCoreApplication::translate(
                "PersonalLibrary", "The library could not be written in %1: %2.")
                         .arg(QFileInfo(copy.fileName()).absolutePath(), copy.errorString());
            return false;
        }
    }
    if (!copy.flush() || ::fsync(copy.handle()) != 0) {
        reason = QCoreApplication::translate(
            "PersonalLibrary", "The library could not be written in %1: %2.")
                     .arg(QFileInfo(copy.fileName()).absolutePath(), copy.errorString());
        return false;
    }
    return true;
}

} // namespace

PersonalLibrary::Result PersonalLibrary::place(
    const QString &source, const QString &target, QString &reason, int waitMilliseconds)
{
    const QFileInfo targetInfo(target);
    QLockFile lock(target + QStringLiteral(".lock"));
    bool waited = false;
    if (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError) {
            reason = QCoreApplication::translate(
                "PersonalLibrary", "The folder %1 may not be written to.")
                         .arg(targetInfo.absolutePath());
            return Result::Failed;
        }
        waited = true;
        if (!lock.tryLock(waitMilliseconds)) {
            reason = QCoreApplication::translate("PersonalLibrary",
                "Another copy of Lectorum is still preparing the library %1. "
                "Start Lectorum again in a moment.")
                         .arg(target);
            return Result::Failed;
        }
    }
    // A link that points nowhere counts as a file here: it is not replaced either.
    if (targetInfo.exists() || targetInfo.isSymLink())
        return waited ? Result::MadeMeanwhile : Result::Found;

    if (!QFileInfo(source).isFile()) {
        reason = QCoreApplication::translate(
            "PersonalLibrary", "The empty library delivered with Lectorum is missing: %1.")
                     .arg(source);
        return Result::Failed;
    }
    // A hidden name in the same folder, so the rename cannot cross file systems and the
    // database list never shows a half-made copy.
    QTemporaryFile copy(targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName()
        + QStringLiteral("-XXXXXX"));
    if (!copy.open()) {
        reason = QCoreApplication::translate(
            "PersonalLibrary", "The library could not be written in %1: %2.")
                     .arg(targetInfo.absolutePath(), copy.errorString());
        return Result::Failed;
    }
    if (!copyContents(source, copy, reason))
        return Result::Failed;
    DbError error;
    if (!DbDatabase::openFile(copy.fileName(), error)) {
        reason = QCoreApplication::translate(
            "PersonalLibrary", "The delivered library %1 is not a usable library (error %2: %3).")
                     .arg(source)
                     .arg(error.number)
                     .arg(error.driverText);
        return Result::Failed;
    }
    // The rename never replaces a file that appeared meanwhile (a copy of the program that
    // ignored the lock): it then fails and the file stays as it was.
    if (!copy.rename(target)) {
        reason = QCoreApplication::translate(
            "PersonalLibrary", "The library could not be named %1: %2.")
                     .arg(target, copy.errorString());
        return Result::Failed;
    }
    // Renamed, the file is the library: the temporary file object must not remove it.
    copy.setAutoRemove(false);
    return Result::Copied;
}
