#include "ImportSources.h"

#include "ImportLimits.h"
#include "OutlineFileReader.h"
#include "ZipEntryStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QObject>
#include <QSet>

namespace {

bool isZip(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0;
}

bool hiddenPart(const QString &relative)
{
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part.startsWith(QLatin1Char('.')))
            return true;
    }
    return false;
}

void collectZip(const QString &path, QList<ImportSource> &out)
{
    ZipEntryStream zip(path);
    QString error;
    if (!zip.open(error)) {
        // The zip itself becomes the row that says it cannot be read.
        out.append({ path, QString(), QFileInfo(path).fileName(), QString(),
            QFileInfo(path).lastModified(), QString() });
        return;
    }
    int taken = 0;
    int leftOut = 0;
    for (const ZipEntryStream::Entry &e : zip.entries()) {
        if (e.isFolder || hiddenPart(e.name) || !OutlineFileReader::readsName(e.name))
            continue;
        if (++taken > ImportLimits::ZipFiles) {
            ++leftOut;
            continue;
        }
        const QString folder = e.name.section(QLatin1Char('/'), -2, -2);
        out.append({ path, e.name, QFileInfo(path).fileName() + QLatin1Char('/') + e.name,
            folder.isEmpty() ? QFileInfo(path).completeBaseName() : folder, e.modified,
            QString() });
    }
    // The files past the limit are not read, and a row of the review says how many.
    if (leftOut > 0) {
        ImportSource over { path, QString(), QFileInfo(path).fileName(), QString(),
            QFileInfo(path).lastModified(), QString() };
        over.refusal = QObject::tr("%n more outline file(s) in the zip left out: an import "
                                   "takes %1 from one zip",
            nullptr, leftOut)
                           .arg(ImportLimits::ZipFiles);
        out.append(over);
    }
}

void collectFolder(const QString &root, QList<ImportSource> &out)
{
    const QDir base(root);
    // Symbolic links are not followed (nor taken): a folder that links back to itself is
    // read once. Folders reached twice through bind mounts are read once too.
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
        QDirIterator::Subdirectories);
    QSet<QString> seen;
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = base.relativeFilePath(info.filePath());
        if (info.isDir() || info.isSymLink() || hiddenPart(relative))
            continue;
        const QString canonical = info.canonicalFilePath();
        if (seen.contains(canonical))
            continue;
        seen.insert(canonical);
        if (isZip(info.filePath())) {
            collectZip(info.filePath(), out);
            continue;
        }
        if (!OutlineFileReader::readsName(info.fileName()))
            continue;
        out.append({ info.filePath(), QString(), relative, info.dir().dirName(),
            info.lastModified(), QString() });
    }
}

} // namespace

namespace ImportSources {

QList<ImportSource> collect(const QStringList &chosen)
{
    QList<ImportSource> out;
    for (const QString &path : chosen) {
        const QFileInfo info(path);
        if (info.isDir())
            collectFolder(path, out);
        else if (isZip(path))
            collectZip(path, out);
        else
            out.append({ path, QString(), info.fileName(), info.dir().dirName(),
                info.lastModified(), QString() });
    }
    return out;
}

ImportedDocument read(const ImportSource &source, const std::atomic<bool> *cancel)
{
    if (!source.refusal.isEmpty())
        return ImportedDocument::failure(source.refusal);
    if (source.entry.isEmpty()) {
        if (isZip(source.path))
            return ImportedDocument::failure(QCoreApplication::translate(
                "ImportedDocument", "not a zip file, or a damaged one"));
        if (!OutlineFileReader::readsName(source.path))
            return ImportedDocument::failure(QCoreApplication::translate(
                "ImportedDocument", "not a kind of file the import reads"));
        return OutlineFileReader::readFile(source.path, cancel);
    }
    ZipEntryStream zip(source.path);
    QString error;
    QByteArray bytes;
    if (!zip.open(error) || !zip.read(source.entry, ImportLimits::FileBytes, bytes, error))
        return ImportedDocument::failure(error);
    return OutlineFileReader::readBytes(source.entry, bytes, cancel);
}

} // namespace ImportSources
