#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs one of Debian's document converters (unrtf, catdoc) on a file: the program itself,
// never a shell, so no file name is ever read as a command; killed when it passes its time
// limit. A converter that is not installed is said by the package that provides it.
namespace ConverterRun {

struct Result
{
    QByteArray output;
    QString error; // empty when the converter ran and exited normally
};

Result run(
    const QString &program, const QStringList &arguments, const QString &package, int milliseconds);

} // namespace ConverterRun
