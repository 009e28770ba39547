#include "ImportTestFiles.h"

#include <QBuffer>
#include <QFile>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace ImportTestFiles {

namespace {

bool fill(QuaZip &zip, const Parts &parts)
{
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const auto &part : parts) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(part.first)))
            return false;
        if (file.write(part.second) != part.second.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

} // namespace

bool writeZip(const QString &path, const Parts &parts)
{
    QuaZip zip(path);
    return fill(zip, parts);
}

QByteArray zipBytes(const Parts &parts)
{
    QBuffer buffer;
    QuaZip zip(&buffer);
    if (!fill(zip, parts))
        return {};
    return buffer.data();
}

Parts docx(const QByteArray &body, const QByteArray &footnotes, const QString &title,
    const QByteArray &numbering, const QByteArray &styles)
{
    const QByteArray ns
        = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
    Parts parts { { QStringLiteral("[Content_Types].xml"), "<?xml version=\"1.0\"?><Types/>" },
        { QStringLiteral("word/document.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document " + ns + "><w:body>" + body
                + "</w:body></w:document>" } };
    if (!footnotes.isEmpty())
        parts.append({ QStringLiteral("word/footnotes.xml"),
            "<?xml version=\"1.0\"?><w:footnotes " + ns + ">" + footnotes + "</w:footnotes>" });
    if (!numbering.isEmpty())
        parts.append({ QStringLiteral("word/numbering.xml"),
            "<?xml version=\"1.0\"?><w:numbering " + ns + ">" + numbering + "</w:numbering>" });
    if (!styles.isEmpty())
        parts.append({ QStringLiteral("word/styles.xml"),
            "<?xml version=\"1.0\"?><w:styles " + ns + ">" + styles + "</w:styles>" });
    if (!title.isEmpty())
        parts.append({ QStringLiteral("docProps/core.xml"),
            "<?xml version=\"1.0\"?><cp:coreProperties xmlns:cp=\"urn:cp\" "
            "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>"
                + title.toUtf8() + "</dc:title></cp:coreProperties>" });
    return parts;
}

Parts odt(const QByteArray &body, const QString &title, const QByteArray &styles)
{
    Parts parts { { QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text" },
        { QStringLiteral("content.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
            "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
            "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
            "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
            "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
            "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">"
            "<office:automatic-styles>"
                + styles + "</office:automatic-styles><office:body><office:text>" + body
                + "</office:text></office:body></office:document-content>" } };
    if (!title.isEmpty())
        parts.append({ QStringLiteral("meta.xml"),
            "<?xml version=\"1.0\"?><office:document-meta "
            "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
            "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><office:meta><dc:title>"
                + title.toUtf8() + "</dc:title></office:meta></office:document-meta>" });
    return parts;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace ImportTestFiles
