#include "ImportPaths.h"

#include "UserInterface.h"

#include <QFileDialog>
#include <QList>
#include <QStandardPaths>

namespace {

QList<QStringList> &queued()
{
    static QList<QStringList> answers;
    return answers;
}

bool scripted(QStringList &answer)
{
    if (!MsgBoxScript::isScripted())
        return false;
    answer = queued().isEmpty() ? QStringList() : queued().takeFirst();
    return true;
}

QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

namespace ImportPaths {

QStringList outlineFiles(QWidget *parent)
{
    QStringList answer;
    if (scripted(answer))
        return answer;
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Import Outline Files"),
        documents(),
        QStringLiteral("Outline files (*.docx *.odt *.txt *.md *.rtf *.doc *.zip);;All files (*)"));
}

QString folder(QWidget *parent)
{
    QStringList answer;
    if (scripted(answer))
        return answer.value(0);
    return QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Import a Folder of Outline Files"), documents());
}

QString csvFile(QWidget *parent)
{
    QStringList answer;
    if (scripted(answer))
        return answer.value(0);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Import a Sermon List"), documents(),
        QStringLiteral("CSV (*.csv *.txt);;All files (*)"));
}

void queueAnswer(const QStringList &paths)
{
    queued().append(paths);
}

void clearAnswers()
{
    queued().clear();
}

} // namespace ImportPaths
