#pragma once

#include <QString>

class QWidget;

// The file and folder choices of the export commands. The dialogs never replace a file by
// themselves: the commands ask through MsgBox first, like every other prompt. Tests queue
// the answers (a path, or an empty text for Cancel) and no dialog opens.
namespace ExportPaths {

struct Choice
{
    QString path; // empty when cancelled
    int filter = 0; // which of the filters was chosen
};

Choice saveFile(
    QWidget *parent, const QString &caption, const QString &suggested, const QStringList &filters);
QString folder(QWidget *parent, const QString &caption, const QString &start);

// Asks before replacing an existing file; true when `path` may be written.
bool mayReplace(const QString &path);

void queueAnswer(const QString &path, int filter = 0);
void clearAnswers();

} // namespace ExportPaths
