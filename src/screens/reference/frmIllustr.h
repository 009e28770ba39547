#pragma once

#include "ListEditScreen.h"
#include "clsIllustr.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Illustration Screen": the illustration library, each illustration a name and its text.
// While it is open the main window's Print menu offers the illustration (the print command
// reads `txtIllustration`), and its Topics button opens the illustration-topics screen for
// the shown illustration (that screen reads `lblIllustrationID` and `txtName`).
class frmIllustr : public ListEditScreen
{
    Q_OBJECT
public:
    explicit frmIllustr(QWidget *parent = nullptr);
    ~frmIllustr() override;

    void cmdTopics_Click();

protected:
    bool firstRecord() override { return m_illustr.OpenRecordset(); }
    bool nextRecord() override { return m_illustr.MoveNext(); }
    qint32 recordKey() const override { return m_illustr.IllustrationID(); }
    QString recordText() const override;
    bool findRecord(qint32 key) override;
    void showFields() override;
    void clearFields() override;
    QWidget *firstField() const override;
    bool checkFields() override;
    bool insertRecord() override { return m_illustr.AddNew(); }
    bool replaceRecord(qint32 key) override;
    bool deleteRecord(qint32 key) override;
    RowChange replaceConflict() const override;
    void overwriteTheirs() override;
    void showTheirVersion(qint32 key) override;
    QString recordInfoMsg() const override { return m_illustr.InfoMsg(); }
    void announceChange(bool deleted) override;
    void closingExtras() override;

private:
    clsIllustr m_illustr;
    QListWidget *lstIllustrations = nullptr;
    QLineEdit *txtName = nullptr;
    QPlainTextEdit *txtIllustration = nullptr;
    QLabel *lblIllustrationID = nullptr;
    QPushButton *cmdTopics = nullptr;
};
