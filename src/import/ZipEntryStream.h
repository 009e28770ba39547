#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QIODevice;
class QXmlStreamReader;
class QuaZip;

// One zip file (a .docx, an .odt or a zip of outline files), read entry by entry with the
// inflated bytes counted as they come: an entry is refused once it passes its limit, whatever
// its header claims, so memory stays bounded by the limit.
class ZipEntryStream
{
public:
    struct Entry
    {
        QString name;
        qint64 size = 0; // as the header claims
        QDateTime modified;
        bool isFolder = false;
    };

    // Over a file on disk, or over bytes already read (a document inside a zip of files).
    explicit ZipEntryStream(const QString &path);
    explicit ZipEntryStream(const QByteArray &bytes);
    ~ZipEntryStream();
    ZipEntryStream(const ZipEntryStream &) = delete;
    ZipEntryStream &operator=(const ZipEntryStream &) = delete;

    // False with the reason when the file is no zip or its directory is damaged.
    bool open(QString &error);
    QList<Entry> entries() const;
    bool hasEntry(const QString &name) const;
    // The text of the first element named `element` in the XML entry `name` (a document's
    // title property), simplified; empty when the entry or element is missing.
    QString elementText(const QString &name, QStringView element);

    // Hands the entry's inflated bytes to `chunk` piece by piece; false with the reason when
    // the entry is missing, damaged (including a wrong checksum at its end), larger than
    // `limit`, or when `chunk` returned false (its own reason is then left in `error`).
    bool stream(const QString &name, qint64 limit,
        const std::function<bool(const QByteArray &, QString &)> &chunk, QString &error);
    bool read(const QString &name, qint64 limit, QByteArray &bytes, QString &error);

    // Reads an XML entry token by token as it inflates, never holding the whole text: a
    // document type declaration or an entity reference is refused, never expanded; so is
    // XML past `limit` bytes. `token` sees each token with the reader positioned on it.
    bool readXml(const QString &name, qint64 limit,
        const std::function<void(QXmlStreamReader &)> &token, QString &error);
    // The value of the attribute `name` (its local name, in any namespace) on the element the
    // reader is on; empty when it has none.
    static QString attribute(const QXmlStreamReader &xml, QLatin1StringView name);

private:
    std::unique_ptr<QIODevice> m_buffer;
    std::unique_ptr<QuaZip> m_zip;
    QString m_path;
};
