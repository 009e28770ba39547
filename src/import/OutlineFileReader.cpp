#include "OutlineFileReader.h"

#include "ConverterRun.h"
#include "ImportLimits.h"
#include "OdfXmlReader.h"
#include "RtfReader.h"
#include "TextDecoding.h"
#include "WordXmlReader.h"
#include "ZipEntryStream.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QString suffixOf(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

QString tooLarge()
{
    return QCoreApplication::translate(
        "ImportedDocument", "the file is larger than %1 MB (refused)")
        .arg(ImportLimits::FileBytes / ImportLimits::MegaByte);
}

ImportedDocument fromText(const QString &text)
{
    ImportedDocument doc;
    doc.text = text;
    if (doc.text.trimmed().isEmpty())
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the file holds no text"));
    return doc;
}

// catdoc -w keeps each paragraph on one line (its default wraps them at 72 columns).
ImportedDocument convertDoc(const QString &path, const std::atomic<bool> *cancel)
{
    const ConverterRun::Result run = ConverterRun::run(QStringLiteral("catdoc"),
        { QStringLiteral("-w"), QStringLiteral("-d"), QStringLiteral("utf-8"), path },
        QStringLiteral("catdoc"), ImportLimits::ConverterMilliseconds, cancel);
    if (!run.error.isEmpty())
        return ImportedDocument::failure(run.error);
    ImportedDocument doc = fromText(TextDecoding::decode(run.output));
    doc.route = QStringLiteral("catdoc");
    return doc;
}

ImportedDocument readZipDocument(ZipEntryStream &zip, const QString &suffix)
{
    QString error;
    if (!zip.open(error))
        return ImportedDocument::failure(error);
    ImportedDocument doc
        = suffix == QLatin1String("docx") ? WordXmlReader::read(zip) : OdfXmlReader::read(zip);
    if (doc.ok() && doc.text.trimmed().isEmpty())
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the document holds no text"));
    return doc;
}

} // namespace

namespace OutlineFileReader {

bool readsName(const QString &fileName)
{
    static const QStringList kinds { QStringLiteral("txt"), QStringLiteral("md"),
        QStringLiteral("docx"), QStringLiteral("odt"), QStringLiteral("rtf"),
        QStringLiteral("doc") };
    return kinds.contains(suffixOf(fileName));
}

ImportedDocument readFile(const QString &path, const std::atomic<bool> *cancel)
{
    const QFileInfo info(path);
    if (info.size() > ImportLimits::FileBytes)
        return ImportedDocument::failure(tooLarge());
    if (info.size() == 0 && info.exists())
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the file is empty"));
    const QString suffix = suffixOf(path);
    if (suffix == QLatin1String("docx") || suffix == QLatin1String("odt")) {
        if (!info.isReadable())
            return ImportedDocument::failure(QCoreApplication::translate(
                "ImportedDocument", "the file cannot be read (no permission)"));
        ZipEntryStream zip(path);
        return readZipDocument(zip, suffix);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the file cannot be read (%1)")
                .arg(file.errorString()));
    if (suffix == QLatin1String("doc"))
        return convertDoc(path, cancel);
    // The size is checked again on what is read: the file may have grown since.
    const QByteArray bytes = file.read(ImportLimits::FileBytes + 1);
    if (bytes.size() > ImportLimits::FileBytes)
        return ImportedDocument::failure(tooLarge());
    return readBytes(path, bytes, cancel);
}

ImportedDocument readBytes(
    const QString &fileName, const QByteArray &bytes, const std::atomic<bool> *cancel)
{
    if (bytes.isEmpty())
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the file is empty"));
    if (bytes.size() > ImportLimits::FileBytes)
        return ImportedDocument::failure(tooLarge());
    const QString suffix = suffixOf(fileName);
    if (suffix == QLatin1String("docx") || suffix == QLatin1String("odt")) {
        ZipEntryStream zip(bytes);
        return readZipDocument(zip, suffix);
    }
    if (suffix == QLatin1String("rtf"))
        return RtfReader::read(bytes);
    if (suffix == QLatin1String("doc")) {
        // The converter reads files: the bytes go to a private temporary file first.
        QTemporaryFile temporary;
        if (!temporary.open() || temporary.write(bytes) != bytes.size() || !temporary.flush())
            return ImportedDocument::failure(QCoreApplication::translate(
                "ImportedDocument", "no temporary file could be written"));
        return convertDoc(temporary.fileName(), cancel);
    }
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("md"))
        return fromText(TextDecoding::decode(bytes));
    return ImportedDocument::failure(
        QCoreApplication::translate("ImportedDocument", "not a kind of file the import reads"));
}

} // namespace OutlineFileReader
