#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The report of Check Database: the lines of the check, which the user can read, copy and
// save as a text file.
class frmCheckReport : public QDialog
{
    Q_OBJECT
public:
    frmCheckReport(const QStringList &lines, QWidget *parent = nullptr);

    QString reportText() const;
    // Writes the report to `path` as UTF-8 text; false (and said) when it cannot.
    bool saveTo(const QString &path);

private:
    void cmdSave_Click();

    QPlainTextEdit *txtReport = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;
};
