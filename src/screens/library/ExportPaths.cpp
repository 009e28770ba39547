#include "ExportPaths.h"

#include "UserInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QList>

namespace {
QList<ExportPaths::Choice> &queued()
{
    static QList<ExportPaths::Choice> answers;
    return answers;
}
} // namespace

ExportPaths::Choice ExportPaths::saveFile(
    QWidget *parent, const QString &caption, const QString &suggested, const QStringList &filters)
{
    if (MsgBoxScript::isScripted())
        return queued().isEmpty() ? Choice() : queued().takeFirst();
    QFileDialog dialog(parent, caption, suggested, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    Choice choice;
    choice.path = dialog.selectedFiles().first();
    choice.filter = qMax(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return choice;
}

QString ExportPaths::folder(QWidget *parent, const QString &caption, const QString &start)
{
    if (MsgBoxScript::isScripted())
        return queued().isEmpty() ? QString() : queued().takeFirst().path;
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

bool ExportPaths::mayReplace(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    return MsgBox(QCoreApplication::translate(
                      "ExportPaths", "%1 already exists.\nDo you want to replace it?")
                      .arg(QDir::toNativeSeparators(path)),
               MsgBoxStyle::YesNoQuestion)
        == MsgBoxAnswer::Yes;
}

void ExportPaths::queueAnswer(const QString &path, int filter)
{
    queued().append({ path, filter });
}

void ExportPaths::clearAnswers()
{
    queued().clear();
}
