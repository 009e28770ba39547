#pragma once

#include "DataScreen.h"
#include "ListOperations.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// A small data screen for the tests: a record list, a text box, a drop-down list, an
// editable combo box and the four buttons, with counters for what the base class asked of it.
class SampleScreen : public DataScreen
{
public:
    explicit SampleScreen(const QString &caption, bool empty = false)
    {
        setWindowTitle(caption);
        setObjectName(QStringLiteral("frmSample"));
        auto *layout = new QVBoxLayout(this);
        lstRecords = new QListWidget(this);
        lstRecords->setObjectName(QStringLiteral("lstRecords"));
        txtName = new QLineEdit(this);
        txtName->setObjectName(QStringLiteral("txtName"));
        cboList = new QComboBox(this);
        cboList->setObjectName(QStringLiteral("cboList"));
        cboEdit = new QComboBox(this);
        cboEdit->setObjectName(QStringLiteral("cboEdit"));
        cboEdit->setEditable(true);
        cmdNew = new QPushButton(QStringLiteral("&New"), this);
        cmdNew->setObjectName(QStringLiteral("cmdNew"));
        cmdDelete = new QPushButton(QStringLiteral("&Delete"), this);
        cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
        cmdSave = new QPushButton(QStringLiteral("&Save"), this);
        cmdSave->setObjectName(QStringLiteral("cmdSave"));
        cmdClose = new QPushButton(QStringLiteral("&Close"), this);
        cmdClose->setObjectName(QStringLiteral("cmdClose"));
        for (QWidget *w : { static_cast<QWidget *>(lstRecords), static_cast<QWidget *>(txtName),
                 static_cast<QWidget *>(cboList), static_cast<QWidget *>(cboEdit),
                 static_cast<QWidget *>(cmdNew), static_cast<QWidget *>(cmdDelete),
                 static_cast<QWidget *>(cmdSave), static_cast<QWidget *>(cmdClose) })
            layout->addWidget(w);
        setEditButtons(cmdNew, cmdDelete, cmdSave, cmdClose);
        setRecordList(lstRecords);
        connect(txtName, &QLineEdit::textChanged, this, &DataScreen::dataHasChanged);

        LoadingGuard loading(this);
        if (!empty) {
            AddItemWithData(lstRecords, QStringLiteral("First"), 1);
            AddItemWithData(lstRecords, QStringLiteral("Second"), 2);
            lstRecords->setCurrentRow(0);
            txtName->setText(QStringLiteral("First"));
        }
        cboList->addItems({ QStringLiteral("Alpha"), QStringLiteral("Beta") });
        cboEdit->addItems({ QStringLiteral("Gamma"), QStringLiteral("Delta") });
        setNoRecords(empty);
        enterBrowseState();
    }

    QListWidget *lstRecords;
    QLineEdit *txtName;
    QComboBox *cboList;
    QComboBox *cboEdit;
    QPushButton *cmdNew;
    QPushButton *cmdDelete;
    QPushButton *cmdSave;
    QPushButton *cmdClose;

    bool saveSucceeds = true;
    int saves = 0;
    int newRecords = 0;
    int cancels = 0;
    int activations = 0;
    int closings = 0;

protected:
    bool saveRecord() override
    {
        ++saves;
        if (saveSucceeds) {
            enterBrowseState();
        }
        return saveSucceeds;
    }
    void newRecord() override
    {
        ++newRecords;
        enterEditState();
    }
    void cancelEdit() override { ++cancels; }
    void screenActivated() override { ++activations; }
    void screenClosing() override { ++closings; }
};
