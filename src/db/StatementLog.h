#pragma once

#include <QStringList>

// The one point every SQL text passes before it reaches a driver. It always counts
// statements (the benchmark prints the count); tests switch recording on to read the exact
// texts that ran.
namespace StatementLog {
void note(const QString &sql);
qint64 count();
void setRecording(bool on);
QStringList recorded();
void clear();
} // namespace StatementLog
