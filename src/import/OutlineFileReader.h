#pragma once

#include "ImportedDocument.h"

#include <QByteArray>
#include <QString>
#include <atomic>

// One outline file in, its outline and facts out, whatever kind of file it is: .txt and .md
// as text, .docx and .odt through their XML, .rtf by its own reader, .doc through catdoc.
// Nothing it meets in a file can make it fail other than by saying why in the result.
namespace OutlineFileReader {

// The file's kind is one the import reads (by its extension, any letter case).
bool readsName(const QString &fileName);

// `cancel` stops a converter that is still running (the file is then unreadable).
ImportedDocument readFile(const QString &path, const std::atomic<bool> *cancel = nullptr);
// A file taken from a zip of files, already in memory (at most ImportLimits::FileBytes).
ImportedDocument readBytes(
    const QString &fileName, const QByteArray &bytes, const std::atomic<bool> *cancel = nullptr);

} // namespace OutlineFileReader
