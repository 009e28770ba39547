#pragma once

#include <QtGlobal>

// What an outline file may cost before it is refused. Files come from anywhere: a zip entry
// or an XML part is counted while it is inflated, never trusted from its header alone, so a
// zip bomb stops at the limit with its memory bounded by it.
namespace ImportLimits {
constexpr qint64 MegaByte = qint64 { 1024 } * 1024;
constexpr qint64 FileBytes = 20 * MegaByte; // a file read from disk or from a zip of files
constexpr qint64 ZipEntryBytes = 200 * MegaByte; // any entry of a zip, as inflated
constexpr qint64 XmlBytes = 50 * MegaByte; // the XML of a document's part, as inflated
constexpr qint64 TextChars = 10 * MegaByte; // the outline text a document yields
constexpr int ConverterMilliseconds = 15000; // unrtf or catdoc before it is killed
constexpr int ZipFiles = 20000; // files taken from one zip of files
} // namespace ImportLimits
