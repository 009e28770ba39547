#include "TextDecoding.h"

#include <QStringDecoder>

namespace TextDecoding {

namespace {

// 0x80..0x9F of Windows-1252; the five bytes it leaves unassigned read as Latin-1 does.
constexpr char16_t High[32]
    = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
          0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
          0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

bool startsWith(const QByteArray &bytes, const char *mark, int size)
{
    return bytes.size() >= size && std::equal(mark, mark + size, bytes.constData());
}

bool validUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

Encoding detect(const QByteArray &bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        return Encoding::Utf8Bom;
    if (startsWith(bytes, "\xFF\xFE", 2))
        return Encoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF", 2))
        return Encoding::Utf16BE;
    return validUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(High[b - 0x80]) : QChar(b);
    }
    return text;
}

QString decode(const QByteArray &bytes, Encoding *found)
{
    const Encoding encoding = detect(bytes);
    if (found)
        *found = encoding;
    switch (encoding) {
    case Encoding::Utf8Bom:
        return QString::fromUtf8(bytes.mid(3));
    case Encoding::Utf8:
        return QString::fromUtf8(bytes);
    case Encoding::Utf16LE: {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder.decode(bytes.mid(2));
    }
    case Encoding::Utf16BE: {
        QStringDecoder decoder(QStringDecoder::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    case Encoding::Windows1252:
        break;
    }
    return fromWindows1252(bytes);
}

} // namespace TextDecoding
