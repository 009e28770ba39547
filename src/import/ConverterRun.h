#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>

// Runs one of Debian's document converters (catdoc, LibreOffice) on files: the program itself,
// never a shell, so no file name is ever read as a command; killed, with every process it
// started, when it passes its time limit or when `cancel` becomes true (checked every 50 ms, so
// a window closed while a converter hangs is not kept waiting). A converter that is not
// installed is said by the package that provides it.
namespace ConverterRun {

struct Result
{
    QByteArray output;
    QString error; // empty when the converter ran and exited normally
};

Result run(const QString &program, const QStringList &arguments, const QString &package,
    int milliseconds, const std::atomic<bool> *cancel = nullptr);

} // namespace ConverterRun
