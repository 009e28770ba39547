#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The file and folder choices of the import commands. Tests queue the answers (the paths, or
// an empty list for Cancel) and no dialog opens.
namespace ImportPaths {

// Outline files or zips of them.
QStringList outlineFiles(QWidget *parent);
QString folder(QWidget *parent);
QString csvFile(QWidget *parent);

void queueAnswer(const QStringList &paths);
void clearAnswers();

} // namespace ImportPaths
