#include "frmCheckReport.h"

#include "ScreenPlacement.h"
#include "UserInterface.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

frmCheckReport::frmCheckReport(const QStringList &lines, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCheckReport"));
    setWindowTitle(tr("Check Database"));
    txtReport = new QPlainTextEdit(this);
    txtReport->setObjectName(QStringLiteral("txtReport"));
    txtReport->setAccessibleName(tr("Check report"));
    txtReport->setReadOnly(true);
    txtReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtReport->setPlainText(lines.join(QLatin1Char('\n')));
    cmdSave = new QPushButton(tr("&Save As..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdSave, &QPushButton::clicked, this, &frmCheckReport::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCheckReport::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtReport);
    layout->addLayout(buttons);
    resize(640, 480);
    CenterForm(this);
}

QString frmCheckReport::reportText() const
{
    return txtReport->toPlainText() + QLatin1Char('\n');
}

bool frmCheckReport::saveTo(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(reportText().toUtf8()) < 0
        || !file.commit()) {
        MsgBox(tr("The report could not be saved as %1: %2").arg(path, file.errorString()),
            MsgBoxStyle::OkExclamation);
        return false;
    }
    return true;
}

void frmCheckReport::cmdSave_Click()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Report"),
        QDir(folder).filePath(tr("Lectorum check.txt")), tr("Text files (*.txt)"));
    if (!path.isEmpty())
        saveTo(path);
}
