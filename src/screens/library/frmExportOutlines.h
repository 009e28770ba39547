#pragma once

#include "OutlineDocument.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// "All Outlines as Documents": the folder to write into and the kind of document. OK checks
// that the folder can be written before the dialog closes.
class frmExportOutlines : public QDialog
{
    Q_OBJECT
public:
    explicit frmExportOutlines(QWidget *parent = nullptr);

    QString folder() const;
    OutlineDocument::Format format() const;

private:
    void cmdBrowse_Click();
    void cmdOK_Click();

    QLineEdit *txtFolder = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QComboBox *cboFormat = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
