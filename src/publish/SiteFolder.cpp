#include "SiteFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

namespace {

// The list of files the last publishing wrote, kept in the folder itself.
const QString kManifest = QStringLiteral(".lectorum-published");

QString tr(const char *text)
{
    return QCoreApplication::translate("SiteFolder", text);
}

bool sameBytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.size() != content.size() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.readAll() == content;
}

} // namespace

SiteFolder::SiteFolder(const QString &root)
    : m_root(QDir::cleanPath(QDir(root).absolutePath()))
{
}

bool SiteFolder::open()
{
    const QFileInfo info(m_root);
    if (info.isSymLink()) {
        // The folder itself may be a link the user chose; what lies under it may not.
        m_root = info.canonicalFilePath();
    }
    if (!QDir().mkpath(m_root) || !QFileInfo(m_root).isDir()) {
        problem(tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(m_root)));
        return false;
    }
    return true;
}

bool SiteFolder::isPlainPath(const QString &relativePath)
{
    if (relativePath.isEmpty() || relativePath.contains(QLatin1Char('\\'))
        || relativePath.startsWith(QLatin1Char('/')))
        return false;
    const QStringList parts = relativePath.split(QLatin1Char('/'));
    return std::none_of(parts.cbegin(), parts.cend(), [](const QString &part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..")
            || part.contains(QChar(0));
    });
}

QString SiteFolder::target(const QString &relativePath)
{
    if (!isPlainPath(relativePath)) {
        problem(tr("The path %1 would leave the folder; it was not written.").arg(relativePath));
        return QString();
    }
    QStringList parts = relativePath.split(QLatin1Char('/'));
    parts.removeLast();
    QString folder = m_root;
    for (const QString &part : std::as_const(parts)) {
        folder += QLatin1Char('/') + part;
        if (m_checkedFolders.contains(folder))
            continue;
        const QFileInfo info(folder);
        if (info.isSymLink() || (info.exists() && !info.isDir())) {
            problem(tr("%1 is a link or a file, not a folder of the site; nothing was written "
                       "through it.")
                        .arg(QDir::toNativeSeparators(folder)));
            return QString();
        }
        if (!info.exists() && !QDir().mkdir(folder)) {
            problem(tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
            return QString();
        }
        m_checkedFolders.insert(folder);
    }
    const QString path = m_root + QLatin1Char('/') + relativePath;
    const QFileInfo file(path);
    if (file.isSymLink() || (file.exists() && !file.isFile())) {
        problem(tr("%1 is a link or a folder; it was left as it is.")
                    .arg(QDir::toNativeSeparators(path)));
        return QString();
    }
    m_produced.insert(relativePath);
    return path;
}

bool SiteFolder::put(const QString &relativePath, const QByteArray &content)
{
    const QString path = target(relativePath);
    if (path.isEmpty())
        return false;
    if (sameBytes(path, content)) {
        ++m_unchanged;
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()
        || !file.commit()) {
        problem(
            tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    ++m_written;
    return true;
}

bool SiteFolder::copyIn(const QString &relativePath, const QString &sourceFile)
{
    const QString path = target(relativePath);
    if (path.isEmpty())
        return false;
    const QFileInfo source(sourceFile);
    const QFileInfo copy(path);
    const QDateTime sourceTime = source.lastModified().toUTC();
    if (copy.exists() && copy.size() == source.size()
        && copy.lastModified().toUTC() == sourceTime) {
        ++m_unchanged;
        return true;
    }
    // Copied under a temporary name and renamed over the old copy, so the site never holds
    // half a recording; the copy takes the recording's time, by which the next run knows it.
    const QString temporary = path + QStringLiteral(".part");
    QFile::remove(temporary);
    if (!QFile::copy(sourceFile, temporary)) {
        problem(tr("%1 cannot be copied to %2.")
                    .arg(QDir::toNativeSeparators(sourceFile), QDir::toNativeSeparators(path)));
        return false;
    }
    QFile stamped(temporary);
    if (stamped.open(QIODevice::ReadWrite))
        stamped.setFileTime(sourceTime, QFileDevice::FileModificationTime);
    stamped.close();
    // rename(2) replaces the old copy in one step (QFile::rename refuses an existing name).
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData())
        != 0) {
        QFile::remove(temporary);
        problem(tr("%1 cannot be written.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    ++m_written;
    return true;
}

bool SiteFolder::finish()
{
    const QString manifestPath = m_root + QLatin1Char('/') + kManifest;
    QFile previous(manifestPath);
    if (previous.open(QIODevice::ReadOnly)) {
        const QStringList listed
            = QString::fromUtf8(previous.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &relativePath : listed) {
            if (m_produced.contains(relativePath) || !isPlainPath(relativePath))
                continue;
            // Only a plain file the list names, reached without a link, is removed.
            const QString path = m_root + QLatin1Char('/') + relativePath;
            const QString canonical = QFileInfo(path).canonicalFilePath();
            if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()
                && canonical
                    == QFileInfo(m_root).canonicalFilePath() + QLatin1Char('/') + relativePath
                && QFile::remove(path))
                ++m_removed;
        }
    }
    QStringList names(m_produced.cbegin(), m_produced.cend());
    names.sort();
    const QByteArray list = names.join(QLatin1Char('\n')).toUtf8() + '\n';
    if (sameBytes(manifestPath, list))
        return m_problems.isEmpty();
    QSaveFile manifest(manifestPath);
    if (!manifest.open(QIODevice::WriteOnly) || manifest.write(list) != list.size()
        || !manifest.commit()) {
        problem(tr("%1 cannot be written: %2")
                    .arg(QDir::toNativeSeparators(manifestPath), manifest.errorString()));
    }
    return m_problems.isEmpty();
}
