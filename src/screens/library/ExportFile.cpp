#include "ExportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

bool ExportFile::write(const QString &path, const QByteArray &content, QString &failure)
{
    return write(
        path,
        [&content](QIODevice &device, QString &why) {
            if (device.write(content) == content.size())
                return true;
            why = device.errorString();
            return false;
        },
        failure);
}

bool ExportFile::write(const QString &path,
    const std::function<bool(QIODevice &, QString &)> &writer, QString &failure)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        failure = QCoreApplication::translate("ExportFile", "Cannot write %1: %2")
                      .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    QString why;
    if (!writer(file, why)) {
        file.cancelWriting();
        failure = QCoreApplication::translate("ExportFile", "Cannot write %1: %2")
                      .arg(QDir::toNativeSeparators(path), why);
        return false;
    }
    if (!file.commit()) {
        failure = QCoreApplication::translate("ExportFile", "Cannot write %1: %2")
                      .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

bool ExportFile::folderWritable(const QString &folder, QString &failure)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        failure = QCoreApplication::translate("ExportFile", "The folder %1 does not exist.")
                      .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // Permissions alone do not tell (a read-only mount, root): try making a file there.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".lectorum-XXXXXX")));
    if (!probe.open()) {
        failure = QCoreApplication::translate("ExportFile", "Cannot write in the folder %1: %2")
                      .arg(QDir::toNativeSeparators(folder), probe.errorString());
        return false;
    }
    return true;
}
