#pragma once

#include "LibraryRestore.h"

class QWidget;

// Runs a restore of a local library on a worker thread while a progress dialog shows the size
// copied, so the window keeps repainting through the copy of a large backup (a minute for
// 450 MB). Cancel is taken until the library is about to be replaced; then the restore goes
// through. The program's connection to the library must be closed before and reopened after,
// as for the restore itself.
namespace LibraryRestoreRunner {

// The dialog's name (objectName) and its text for `copied` of `total` bytes.
inline constexpr const char *DialogName = "dlgRestoreProgress";
QString progressText(qint64 copied, qint64 total);

LibraryRestore::Outcome run(const QString &backupPath, const QString &libraryPath, QWidget *parent);

} // namespace LibraryRestoreRunner
