#include "frmExportOutlines.h"

#include "ExportFile.h"
#include "ExportPaths.h"
#include "UserInterface.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

frmExportOutlines::frmExportOutlines(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExportOutlines"));
    setWindowTitle(tr("All Outlines as Documents"));
    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtFolder->setAccessibleName(tr("Folder"));
    txtFolder->setText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    cmdBrowse = new QPushButton(tr("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cboFormat = new QComboBox(this);
    cboFormat->setObjectName(QStringLiteral("cboFormat"));
    cboFormat->setAccessibleName(tr("Document type"));
    cboFormat->addItem(tr("OpenDocument Text (.odt)"), int(OutlineDocument::Format::OpenDocument));
    cboFormat->addItem(tr("Markdown (.md)"), int(OutlineDocument::Format::Markdown));
    cboFormat->addItem(tr("Plain Text (.txt)"), int(OutlineDocument::Format::PlainText));
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(txtFolder, 1);
    folderRow->addWidget(cmdBrowse);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *form = new QFormLayout(this);
    form->addRow(tr("&Folder:"), folderRow);
    form->addRow(tr("&Type:"), cboFormat);
    form->addRow(buttons);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmExportOutlines::cmdBrowse_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmExportOutlines::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmExportOutlines::folder() const
{
    return txtFolder->text().trimmed();
}

OutlineDocument::Format frmExportOutlines::format() const
{
    return OutlineDocument::Format(cboFormat->currentData().toInt());
}

void frmExportOutlines::cmdBrowse_Click()
{
    const QString chosen = ExportPaths::folder(this, windowTitle(), folder());
    if (!chosen.isEmpty())
        txtFolder->setText(QDir::toNativeSeparators(chosen));
}

void frmExportOutlines::cmdOK_Click()
{
    QString failure;
    if (!ExportFile::folderWritable(folder(), failure)) {
        MsgBox(failure, MsgBoxStyle::OkExclamation);
        txtFolder->setFocus();
        return;
    }
    accept();
}
