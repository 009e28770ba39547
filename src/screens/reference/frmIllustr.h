#pragma once

#include "ListEditScreen.h"
#include "RecordEditScreen.h"
#include "clsIllustr.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

using IllustrationEditScreen = RecordEditScreen<clsIllustr, &clsIllustr::IllustrationID,
    &clsIllustr::setIllustrationID, ListEditScreen>;

// "Illustration Screen": the illustration library, each illustration a name and its text.
// While it is open the main window's Print menu offers the illustration (the print command
// reads `txtIllustration`), and its Topics button opens the illustration-topics screen for
// the shown illustration (that screen reads `lblIllustrationID` and `txtName`).
class frmIllustr : public IllustrationEditScreen
{
    Q_OBJECT
public:
    explicit frmIllustr(QWidget *parent = nullptr);
    ~frmIllustr() override;

    void cmdTopics_Click();

protected:
    QString recordText() const override;
    void showFields() override;
    void clearFields() override;
    QWidget *firstField() const override;
    bool checkFields() override;
    ChangedUnderneath::TheirVersion theirVersion(const clsIllustr &theirs) const override;
    void announceChange(bool deleted) override;
    void closingExtras() override;

private:
    QListWidget *lstIllustrations = nullptr;
    QLineEdit *txtName = nullptr;
    QPlainTextEdit *txtIllustration = nullptr;
    QLabel *lblIllustrationID = nullptr;
    QPushButton *cmdTopics = nullptr;
};
