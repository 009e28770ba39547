#include "PublishPaths.h"

#include "UserInterface.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

namespace {

QStringList &queued()
{
    static QStringList answers;
    return answers;
}

bool scripted(QString &answer)
{
    if (!MsgBoxScript::isScripted())
        return false;
    answer = queued().isEmpty() ? QString() : queued().takeFirst();
    return true;
}

} // namespace

QString PublishPaths::folder(QWidget *parent, const QString &start)
{
    QString answer;
    if (scripted(answer))
        return answer;
    return QFileDialog::getExistingDirectory(
        parent, QCoreApplication::translate("frmPublish", "Folder for the Website"), start);
}

QString PublishPaths::picture(QWidget *parent, const QString &start)
{
    QString answer;
    if (scripted(answer))
        return answer;
    return QFileDialog::getOpenFileName(parent,
        QCoreApplication::translate("frmPublish", "Picture for the Podcast"), start,
        QCoreApplication::translate("frmPublish", "Pictures (*.jpg *.jpeg *.png)"));
}

void PublishPaths::queueAnswer(const QString &path)
{
    queued().append(path);
}

void PublishPaths::clearAnswers()
{
    queued().clear();
}
