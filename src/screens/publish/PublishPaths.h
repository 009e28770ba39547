#pragma once

#include <QString>

class QWidget;

// The folder and picture choices of the publishing window. Tests queue the answers (a path, or
// an empty text for Cancel) and no dialog opens.
namespace PublishPaths {

QString folder(QWidget *parent, const QString &start);
QString picture(QWidget *parent, const QString &start);

void queueAnswer(const QString &path);
void clearAnswers();

} // namespace PublishPaths
