#include "ZipEntryStream.h"

#include "ImportLimits.h"
#include "ImportLogging.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QXmlStreamReader>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

namespace {

constexpr qint64 ChunkBytes = qint64 { 64 } * 1024;

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / ImportLimits::MegaByte);
}

} // namespace

ZipEntryStream::ZipEntryStream(const QString &path)
    : m_zip(std::make_unique<QuaZip>(path))
    , m_path(path)
{
}

ZipEntryStream::ZipEntryStream(const QByteArray &bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    m_zip = std::make_unique<QuaZip>(buffer.get());
    m_buffer = std::move(buffer);
}

ZipEntryStream::~ZipEntryStream()
{
    if (m_zip && m_zip->isOpen())
        m_zip->close();
}

bool ZipEntryStream::open(QString &error)
{
    if (!m_zip->open(QuaZip::mdUnzip)) {
        error = QCoreApplication::translate("ImportedDocument", "not a zip file, or a damaged one");
        qCWarning(lcImport) << "zip" << m_path << "cannot be opened:" << m_zip->getZipError();
        return false;
    }
    return true;
}

QList<ZipEntryStream::Entry> ZipEntryStream::entries() const
{
    QList<Entry> result;
    const QList<QuaZipFileInfo64> infos = m_zip->getFileInfoList64();
    for (const QuaZipFileInfo64 &info : infos) {
        Entry e;
        e.name = info.name;
        e.size = qint64(info.uncompressedSize);
        e.modified = info.dateTime;
        e.isFolder = info.name.endsWith(QLatin1Char('/'));
        result.append(e);
    }
    return result;
}

bool ZipEntryStream::hasEntry(const QString &name) const
{
    return m_zip->setCurrentFile(name, QuaZip::csSensitive);
}

bool ZipEntryStream::stream(const QString &name, qint64 limit,
    const std::function<bool(const QByteArray &, QString &)> &chunk, QString &error)
{
    if (!m_zip->setCurrentFile(name, QuaZip::csSensitive)) {
        error
            = QCoreApplication::translate("ImportedDocument", "the file has no part %1").arg(name);
        return false;
    }
    QuaZipFileInfo64 info;
    if (m_zip->getCurrentFileInfo(&info) && qint64(info.uncompressedSize) > limit) {
        error = QCoreApplication::translate(
            "ImportedDocument", "%1 would expand past %2 MB (refused)")
                    .arg(name, megabytes(limit));
        return false;
    }
    QuaZipFile file(m_zip.get());
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate(
            "ImportedDocument", "%1 cannot be read (damaged or encrypted)")
                    .arg(name);
        return false;
    }
    qint64 total = 0;
    QByteArray piece;
    bool ok = true;
    for (;;) {
        piece = file.read(ChunkBytes);
        if (piece.isEmpty())
            break;
        total += piece.size();
        if (total > limit) {
            error
                = QCoreApplication::translate("ImportedDocument", "%1 expands past %2 MB (refused)")
                      .arg(name, megabytes(limit));
            ok = false;
            break;
        }
        if (!chunk(piece, error)) {
            ok = false;
            break;
        }
    }
    const bool readFailed = ok && (file.getZipError() != UNZ_OK || !file.atEnd());
    file.close();
    // Closing checks the entry's checksum once the whole entry was read.
    if (ok && (readFailed || file.getZipError() != UNZ_OK)) {
        error = QCoreApplication::translate(
            "ImportedDocument", "%1 is damaged (the zip is truncated or corrupt)")
                    .arg(name);
        ok = false;
    }
    return ok;
}

bool ZipEntryStream::read(const QString &name, qint64 limit, QByteArray &bytes, QString &error)
{
    bytes.clear();
    return stream(
        name, limit,
        [&bytes](const QByteArray &piece, QString &) {
            bytes.append(piece);
            return true;
        },
        error);
}

bool ZipEntryStream::readXml(const QString &name, qint64 limit,
    const std::function<void(QXmlStreamReader &)> &token, QString &error)
{
    QXmlStreamReader xml;
    auto walk = [&xml, &token, &name](QString &why) {
        for (;;) {
            const QXmlStreamReader::TokenType type = xml.readNext();
            if (type == QXmlStreamReader::DTD || type == QXmlStreamReader::EntityReference) {
                why = QCoreApplication::translate(
                    "ImportedDocument", "%1 declares a DTD or entities (refused)")
                          .arg(name);
                return false;
            }
            if (type == QXmlStreamReader::Invalid)
                break;
            token(xml);
            if (type == QXmlStreamReader::EndDocument)
                break;
        }
        if (xml.hasError() && xml.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
            why = QCoreApplication::translate("ImportedDocument", "%1 is not well-formed XML (%2)")
                      .arg(name, xml.errorString());
            return false;
        }
        return true;
    };
    const bool streamed = stream(
        name, limit,
        [&xml, &walk](const QByteArray &piece, QString &why) {
            xml.addData(piece);
            return walk(why);
        },
        error);
    if (!streamed)
        return false;
    if (xml.hasError() || xml.tokenType() != QXmlStreamReader::EndDocument) {
        error = QCoreApplication::translate(
            "ImportedDocument", "%1 ends before its XML does (truncated)")
                    .arg(name);
        return false;
    }
    return true;
}

QString ZipEntryStream::elementText(const QString &name, QStringView element)
{
    if (!hasEntry(name))
        return QString();
    QString text;
    bool inside = false;
    QString ignored;
    readXml(
        name, ImportLimits::XmlBytes,
        [&](QXmlStreamReader &xml) {
            if (xml.isStartElement() && xml.name() == element)
                inside = true;
            else if (xml.isEndElement() && xml.name() == element)
                inside = false;
            else if (inside && xml.isCharacters())
                text += xml.text();
        },
        ignored);
    return text.simplified();
}

QString ZipEntryStream::attribute(const QXmlStreamReader &xml, QLatin1StringView name)
{
    for (const QXmlStreamAttribute &a : xml.attributes()) {
        if (a.name() == name)
            return a.value().toString();
    }
    return QString();
}
