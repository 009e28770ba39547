#include "LibraryBackup.h"

#include "LibraryLogging.h"
#include "SqliteFile.h"
#include "UserDataFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// A write past the file-size limit otherwise ends the whole program with SIGXFSZ; ignored,
// the write fails with EFBIG and the backup reports it like a full disk.
void ignoreFileSizeSignal()
{
    static const bool once = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    Q_UNUSED(once);
}

QString describeWriteFailure(int code, const QString &words)
{
    const int primary = code & 0xff;
    if (primary == SQLITE_FULL || primary == SQLITE_IOERR)
        return QCoreApplication::translate(
            "LibraryBackup", "the disk is full or the file grew past the size allowed (%1)")
            .arg(words);
    if (primary == SQLITE_CANTOPEN || primary == SQLITE_READONLY || primary == SQLITE_PERM)
        return QCoreApplication::translate("LibraryBackup", "the file could not be written (%1)")
            .arg(words);
    return words;
}

// Hidden work files of a backup cut short (program killed, power lost) are removed once no
// copy of the program can still be writing them.
void removeStalePartials(const QString &folder)
{
    const QFileInfoList partials = QDir(folder).entryInfoList(
        { QStringLiteral(".*.partial"), QStringLiteral(".*.partial-journal") },
        QDir::Files | QDir::Hidden);
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    for (const QFileInfo &file : partials) {
        if (file.lastModified() < old)
            QFile::remove(file.absoluteFilePath());
    }
}

bool makePrivateFolder(const QString &folder, QString &error)
{
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder)) {
        error = QCoreApplication::translate(
            "LibraryBackup", "The backups folder %1 could not be created.")
                    .arg(folder);
        return false;
    }
    QFile::setPermissions(
        folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(folder).isWritable()) {
        error = QCoreApplication::translate(
            "LibraryBackup", "The backups folder %1 may not be written to.")
                    .arg(folder);
        return false;
    }
    return true;
}

} // namespace

QString LibraryBackup::libraryName(const QString &libraryPath)
{
    return QFileInfo(libraryPath).completeBaseName();
}

QString LibraryBackup::folderFor(const QString &libraryPath)
{
    const QString full = QFileInfo(libraryPath).absoluteFilePath();
    const QByteArray hash
        = QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex();
    return UserDataFolder::path() + QStringLiteral("/backups") + QLatin1Char('/')
        + libraryName(libraryPath) + QLatin1Char('-') + QString::fromLatin1(hash.left(8));
}

bool LibraryBackup::syncPath(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

namespace {
// The page size from the file's header (bytes 16-17, big-endian; 1 stands for 65,536), read
// without a lock, so a copy that waits for another copy's lock still tells its size.
qint64 pageSizeOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(16))
        return 4096;
    const QByteArray bytes = file.read(2);
    if (bytes.size() != 2)
        return 4096;
    const qint64 size = (qint64(quint8(bytes.at(0))) << 8) | quint8(bytes.at(1));
    return size == 1 ? 65536 : qMax<qint64>(512, size);
}
} // namespace

bool LibraryBackup::copyDatabase(const QString &source, const QString &target, QString &error,
    const CopyProgress &progress, bool *cancelled)
{
    if (cancelled)
        *cancelled = false;
    ignoreFileSizeSignal();
    SqliteFile from;
    if (!from.open(source, SqliteFile::Mode::ReadOnly)) {
        error = from.lastError();
        return false;
    }
    SqliteFile to;
    if (!to.open(target, SqliteFile::Mode::Create)) {
        error = describeWriteFailure(to.lastCode(), to.lastError());
        QFile::remove(target);
        return false;
    }
    // The copy is synced once, as a whole, before it gets its real name; until then it is a
    // scratch file that needs no journal.
    to.execute(QStringLiteral("PRAGMA journal_mode = OFF"));
    to.execute(QStringLiteral("PRAGMA synchronous = OFF"));

    sqlite3_backup *backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
    if (!backup) {
        to.takeError(sqlite3_errcode(to.handle()));
        error = describeWriteFailure(to.lastCode(), to.lastError());
        to.close();
        QFile::remove(target);
        return false;
    }
    // Steps of 1,024 pages let other copies commit between them. A commit by another copy
    // restarts the copy from its first page; after three restarts the rest goes in one step,
    // which holds the read lock until done (writers wait, as for any long reader).
    int restarts = 0;
    int lastRemaining = -1;
    int code = SQLITE_OK;
    const qint64 pageSize = progress ? pageSizeOf(source) : 1;
    bool stopped = false;
    for (;;) {
        code = sqlite3_backup_step(backup, restarts >= 3 ? -1 : 1024);
        const int remaining = sqlite3_backup_remaining(backup);
        // Asked also while the source is busy, so a copy waiting for a lock can be cancelled.
        if (progress) {
            const qint64 total = qint64(sqlite3_backup_pagecount(backup)) * pageSize;
            if (!progress(total - remaining * pageSize, total)) {
                stopped = true;
                break;
            }
        }
        if (code == SQLITE_DONE)
            break;
        if (code != SQLITE_OK && code != SQLITE_BUSY && code != SQLITE_LOCKED)
            break;
        if (lastRemaining >= 0 && remaining > lastRemaining)
            ++restarts;
        lastRemaining = remaining;
        if (code != SQLITE_OK)
            QThread::msleep(5);
    }
    sqlite3_backup_finish(backup);
    if (stopped) {
        if (cancelled)
            *cancelled = true;
        error = QCoreApplication::translate("LibraryBackup", "cancelled");
        to.close();
        QFile::remove(target);
        return false;
    }
    if (code != SQLITE_DONE) {
        to.takeError(sqlite3_errcode(to.handle()));
        error = describeWriteFailure(code, QString::fromUtf8(sqlite3_errstr(code)));
        to.close();
        QFile::remove(target);
        return false;
    }
    to.close();
    return true;
}

namespace {

LibraryBackup::Outcome backUpUnlogged(const QString &libraryPath, const QString &folder,
    const QDateTime &now, const BackupRotation::Policy &policy,
    const LibraryBackup::CopyProgress &progress)
{
    using namespace LibraryBackup;
    Outcome outcome;
    if (!makePrivateFolder(folder, outcome.message))
        return outcome;
    removeStalePartials(folder);

    const QString library = libraryName(libraryPath);
    QDateTime stamp = now;
    QString finalPath;
    do {
        finalPath = folder + QLatin1Char('/') + BackupRotation::fileName(library, stamp);
        stamp = stamp.addSecs(1);
    } while (QFileInfo::exists(finalPath));
    const QString partial = folder + QStringLiteral("/.") + QFileInfo(finalPath).fileName()
        + QStringLiteral(".%1.partial").arg(QCoreApplication::applicationPid());

    QString error;
    if (!copyDatabase(libraryPath, partial, error, progress, &outcome.cancelled)) {
        outcome.message = QCoreApplication::translate("LibraryBackup",
            "The backup of %1 could not be written: %2. "
            "The library and the earlier backups are unchanged.")
                              .arg(libraryPath, error);
        return outcome;
    }
    {
        SqliteFile copy;
        QStringList problems;
        if (!copy.open(partial, SqliteFile::Mode::ReadOnly))
            problems = QStringList { copy.lastError() };
        else
            problems = copy.integrityProblems();
        if (problems != QStringList { QStringLiteral("ok") }) {
            copy.close();
            // Kept for whoever looks into it, under a name that is never offered or rotated.
            outcome.path
                = finalPath.left(finalPath.size() - 4) + QStringLiteral(".failed-check.mdb");
            QFile::rename(partial, outcome.path);
            outcome.message
                = QCoreApplication::translate("LibraryBackup",
                    "The backup of %1 failed its check (%2) and was kept "
                    "aside as %3; it will not be offered for restore.")
                      .arg(libraryPath, problems.join(QStringLiteral("; ")), outcome.path);
            return outcome;
        }
    }
    if (!syncPath(partial) || !QFile::rename(partial, finalPath)) {
        QFile::remove(partial);
        outcome.message = QCoreApplication::translate(
            "LibraryBackup", "The backup of %1 could not be stored in %2.")
                              .arg(libraryPath, folder);
        return outcome;
    }
    syncPath(folder);
    outcome.ok = true;
    outcome.path = finalPath;
    outcome.bytes = QFileInfo(finalPath).size();

    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString &name : BackupRotation::namesToDelete(names, library, policy)) {
        if (QFile::remove(folder + QLatin1Char('/') + name))
            outcome.removed.append(name);
    }
    return outcome;
}

} // namespace

LibraryBackup::Outcome LibraryBackup::backUp(const QString &libraryPath, const QString &folder,
    const QDateTime &now, const BackupRotation::Policy &policy, const CopyProgress &progress)
{
    Outcome outcome = backUpUnlogged(libraryPath, folder, now, policy, progress);
    if (!outcome.ok && !outcome.cancelled) {
        qCWarning(lcLibrary) << "backup of" << libraryPath << "into" << folder
                             << "failed:" << outcome.message;
    }
    return outcome;
}

QList<LibraryBackup::Entry> LibraryBackup::list(
    const QString &folder, const QString &library, bool countSermons)
{
    QList<Entry> entries;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        const QDateTime when = BackupRotation::stampOf(file.fileName(), library);
        if (!when.isValid())
            continue;
        Entry entry { file.absoluteFilePath(), when, file.size(), -1 };
        if (countSermons) {
            SqliteFile copy;
            if (copy.open(entry.path, SqliteFile::Mode::ReadOnly)) {
                const QVariant count
                    = copy.scalar(QStringLiteral("SELECT count(*) FROM tblSermons"));
                if (count.isValid())
                    entry.sermons = count.toLongLong();
            }
        }
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(),
        [](const Entry &a, const Entry &b) { return a.when > b.when; });
    return entries;
}

bool LibraryBackup::isDue(
    const QString &folder, const QString &library, int intervalDays, const QDateTime &now)
{
    if (intervalDays <= 0)
        return false;
    const QList<Entry> entries = list(folder, library, false);
    return entries.isEmpty() || entries.first().when.addDays(intervalDays) <= now;
}
