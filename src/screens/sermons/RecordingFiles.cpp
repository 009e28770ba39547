#include "RecordingFiles.h"

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

} // namespace

QStringList RecordingFiles::choose(QWidget *parent)
{
    if (MsgBoxScript::isScripted())
        return queued().isEmpty() ? QStringList() : queued().takeFirst();
    return QFileDialog::getOpenFileNames(parent,
        QCoreApplication::translate("frmRecordings", "Add Recordings"),
        QStandardPaths::writableLocation(QStandardPaths::MusicLocation),
        QCoreApplication::translate("frmRecordings",
            "Recordings (*.mp3 *.m4a *.mp4 *.m4v *.ogg *.opus *.oga *.flac *.wav *.aif *.aiff "
            "*.wma);;All files (*)"));
}

void RecordingFiles::queueAnswer(const QStringList &paths)
{
    queued().append(paths);
}

void RecordingFiles::clearAnswers()
{
    queued().clear();
}
