#pragma once

#include <QStringList>

class QWidget;

// The file choice of the recordings window. Tests queue the answers (the paths, or an empty
// list for Cancel) and no dialog opens.
namespace RecordingFiles {

QStringList choose(QWidget *parent);

void queueAnswer(const QStringList &paths);
void clearAnswers();

} // namespace RecordingFiles
