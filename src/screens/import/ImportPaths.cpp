#include "ImportPaths.h"

#include "UserInterface.h"

#include <QCoreApplication>
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
    return QFileDialog::getOpenFileNames(parent,
        QCoreApplication::translate("ImportPaths", "Import Outline Files"), documents(),
        QCoreApplication::translate(
            "ImportPaths", "Outline files (*.docx *.odt *.txt *.md *.rtf *.doc *.zip)")
            + QStringLiteral(";;") + QCoreApplication::translate("ImportPaths", "All files (*)"));
}

QString folder(QWidget *parent)
{
    QStringList answer;
    if (scripted(answer))
        return answer.value(0);
    return QFileDialog::getExistingDirectory(parent,
        QCoreApplication::translate("ImportPaths", "Import a Folder of Outline Files"),
        documents());
}

QString csvFile(QWidget *parent)
{
    QStringList answer;
    if (scripted(answer))
        return answer.value(0);
    return QFileDialog::getOpenFileName(parent,
        QCoreApplication::translate("ImportPaths", "Import a Sermon List"), documents(),
        QCoreApplication::translate("ImportPaths", "CSV (*.csv *.txt)") + QStringLiteral(";;")
            + QCoreApplication::translate("ImportPaths", "All files (*)"));
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
