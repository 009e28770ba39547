#pragma once

#include "AddressListScreen.h"
#include "clsPreacher.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Preachers Screen": the preachers in last-name order ("Last, First") and the shown
// preacher's details. Deleting a preacher deletes that preacher's sermons (the database's
// cascade); the default preacher with key 0 cannot be deleted. The Sermons button opens the
// sermon screen listing this preacher's sermons.
class frmPreachers : public AddressListScreen
{
    Q_OBJECT
public:
    explicit frmPreachers(QWidget *parent = nullptr);
    ~frmPreachers() override;

    void cmdSermons_Click();

protected:
    bool firstRecord() override { return m_preacher.OpenRecordset(); }
    bool nextRecord() override { return m_preacher.MoveNext(); }
    qint32 recordKey() const override { return m_preacher.PreacherID(); }
    QString recordText() const override;
    bool findRecord(qint32 key) override;
    void showFields() override;
    bool checkFields() override;
    bool insertRecord() override { return m_preacher.AddNew(); }
    bool replaceRecord(qint32 key) override;
    bool deleteRecord(qint32 key) override;
    RowChange replaceConflict() const override;
    void overwriteTheirs() override;
    void showTheirVersion(qint32 key) override;
    QString recordInfoMsg() const override { return m_preacher.InfoMsg(); }
    void announceChange(bool deleted) override;
    QString deleteWarning() const override;

private:
    clsPreacher m_preacher;
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
