#pragma once

#include "AddressListScreen.h"
#include "RecordEditScreen.h"
#include "clsPreacher.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

using PreacherEditScreen = RecordEditScreen<clsPreacher, &clsPreacher::PreacherID,
    &clsPreacher::setPreacherID, AddressListScreen>;

// "Preachers Screen": the preachers in last-name order ("Last, First") and the shown
// preacher's details. Deleting a preacher deletes that preacher's sermons (the database's
// cascade); the default preacher with key 0 cannot be deleted. The Sermons button opens the
// sermon screen listing this preacher's sermons.
class frmPreachers : public PreacherEditScreen
{
    Q_OBJECT
public:
    explicit frmPreachers(QWidget *parent = nullptr);
    ~frmPreachers() override;

    void cmdSermons_Click();

protected:
    QString recordText() const override;
    void showFields() override;
    bool checkFields() override;
    ChangedUnderneath::TheirVersion theirVersion(const clsPreacher &theirs) const override;
    void announceChange(bool deleted) override;
    QString deleteWarning() const override;

private:
    QListWidget *lstPreachers = nullptr;
    QLabel *lblPreacherID = nullptr;
    QLineEdit *txtFirst = nullptr;
    QLineEdit *txtMiddle = nullptr;
    QLineEdit *txtLast = nullptr;
    QLineEdit *txtCity = nullptr;
    QComboBox *cboState = nullptr;
    QLineEdit *txtCountry = nullptr;
    QLineEdit *txtOrganization = nullptr;
    QLineEdit *txtPosition = nullptr;
    QLineEdit *txtSeminary = nullptr;
    QPlainTextEdit *txtNotes = nullptr;
    QPushButton *cmdSermons = nullptr;
};
