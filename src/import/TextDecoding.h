#pragma once

#include <QByteArray>
#include <QString>

// The text of a plain outline file (.txt, .md) as old office machines and new ones write it:
// UTF-8 with or without a byte-order mark, UTF-16 with a byte-order mark, else Windows-1252.
// Line ends are kept as the file has them.
namespace TextDecoding {

enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

Encoding detect(const QByteArray &bytes);
QString decode(const QByteArray &bytes, Encoding *found = nullptr);
QString fromWindows1252(const QByteArray &bytes);

} // namespace TextDecoding
