#include "SwordModuleCheck.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

// Reads a whole index file; index files are small (a few hundred KB at most).
bool readIndex(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    *bytes = file.readAll();
    return true;
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

QString damaged(const QString &path)
{
    return QCoreApplication::translate("SwordModuleCheck", "its file %1 is damaged")
        .arg(QDir::toNativeSeparators(path));
}

// zText: <t>.bzs holds blocks (start, size, uncompressed size: 3 x 4 bytes) in <t>.bzz;
// <t>.bzv holds verses (block, offset: 4 bytes each, size: 2 bytes).
QString checkCompressed(const QString &base)
{
    const QString blocks = base + QStringLiteral(".bzs");
    const QString verses = base + QStringLiteral(".bzv");
    const QString data = base + QStringLiteral(".bzz");
    const int present = int(QFileInfo::exists(blocks)) + int(QFileInfo::exists(verses))
        + int(QFileInfo::exists(data));
    if (present == 0) {
        return {};
    }
    QByteArray blockIndex;
    QByteArray verseIndex;
    if (present < 3 || !readIndex(blocks, &blockIndex) || !readIndex(verses, &verseIndex)) {
        return QCoreApplication::translate(
            "SwordModuleCheck", "some of its files for %1 are missing or unreadable")
            .arg(QDir::toNativeSeparators(base));
    }
    const qint64 dataSize = QFileInfo(data).size();
    if (blockIndex.size() % 12 != 0) {
        return damaged(blocks);
    }
    const qsizetype blockCount = blockIndex.size() / 12;
    for (qsizetype at = 0; at < blockIndex.size(); at += 12) {
        if (qint64(u32(blockIndex, at)) + qint64(u32(blockIndex, at + 4)) > dataSize) {
            return damaged(data);
        }
    }
    if (verseIndex.size() % 10 != 0) {
        return damaged(verses);
    }
    for (qsizetype at = 0; at < verseIndex.size(); at += 10) {
        if (u16(verseIndex, at + 8) > 0 && qsizetype(u32(verseIndex, at)) >= blockCount) {
            return damaged(verses);
        }
    }
    return {};
}

// RawText: <t>.vss holds verses (offset: 4 bytes, size: 2 bytes) in the file <t>.
QString checkPlain(const QString &base)
{
    const QString verses = base + QStringLiteral(".vss");
    const bool hasIndex = QFileInfo::exists(verses);
    const bool hasData = QFileInfo::exists(base);
    if (!hasIndex && !hasData) {
        return {};
    }
    QByteArray verseIndex;
    if (!hasIndex || !hasData || !readIndex(verses, &verseIndex)) {
        return QCoreApplication::translate(
            "SwordModuleCheck", "some of its files for %1 are missing or unreadable")
            .arg(QDir::toNativeSeparators(base));
    }
    const qint64 dataSize = QFileInfo(base).size();
    if (verseIndex.size() % 6 != 0) {
        return damaged(verses);
    }
    for (qsizetype at = 0; at < verseIndex.size(); at += 6) {
        if (qint64(u32(verseIndex, at)) + qint64(u16(verseIndex, at + 4)) > dataSize) {
            return damaged(base);
        }
    }
    return {};
}

} // namespace

QString SwordModuleCheck::unreadableData(
    const QString &driver, const QString &compression, const QString &dataFolder, int testament)
{
    if (driver.toLower() != QLatin1String("ztext")
        || (!compression.isEmpty() && compression.toUpper() != QLatin1String("ZIP"))) {
        return {};
    }
    const QString base
        = QDir(dataFolder).filePath(testament == 1 ? QStringLiteral("ot") : QStringLiteral("nt"));
    QByteArray blockIndex;
    QFile data(base + QStringLiteral(".bzz"));
    if (!readIndex(base + QStringLiteral(".bzs"), &blockIndex) || !data.open(QIODevice::ReadOnly)) {
        return {};
    }
    for (qsizetype at = 0; at + 12 <= blockIndex.size(); at += 12) {
        const quint32 size = u32(blockIndex, at + 4);
        const quint32 unpacked = u32(blockIndex, at + 8);
        if (size == 0 || !data.seek(u32(blockIndex, at))) {
            continue;
        }
        // qUncompress takes the unpacked size (big-endian) before the zlib stream.
        QByteArray packed(4, Qt::Uninitialized);
        qToBigEndian<quint32>(unpacked, packed.data());
        packed += data.read(size);
        if (qUncompress(packed).size() != qsizetype(unpacked)) {
            return damaged(data.fileName());
        }
    }
    return {};
}

QString SwordModuleCheck::damage(const QString &driver, const QString &dataFolder)
{
    const QString kind = driver.toLower();
    if (kind != QLatin1String("ztext") && kind != QLatin1String("rawtext")) {
        return {};
    }
    const QDir folder(dataFolder);
    if (!folder.exists()) {
        return QCoreApplication::translate("SwordModuleCheck", "its folder %1 is missing")
            .arg(QDir::toNativeSeparators(dataFolder));
    }
    QString problem;
    for (const char *testament : { "ot", "nt" }) {
        const QString base = folder.filePath(QLatin1String(testament));
        problem = kind == QLatin1String("ztext") ? checkCompressed(base) : checkPlain(base);
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    return problem;
}
