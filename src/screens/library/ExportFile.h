#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Every export file is written to a temporary file beside it and renamed into place only
// when complete: a failure or a cancelled export never leaves half a file, and an existing
// file is replaced by a whole new one or not at all.
namespace ExportFile {

bool write(const QString &path, const QByteArray &content, QString &failure);
// `writer` fills the device and returns false (with `failure` set) when it cannot.
bool write(const QString &path,
    const std::function<bool(QIODevice &device, QString &failure)> &writer, QString &failure);
// Whether new files can be made in `folder`; false with `failure` saying why.
bool folderWritable(const QString &folder, QString &failure);

} // namespace ExportFile
