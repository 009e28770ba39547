#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Select Database": the database files ("*.mdb") of the program's folder (an installed
// program: the user's data folder, where its library is). Clicking one
// closes the database in use and opens that one instead; Cancel changes nothing. A file that
// cannot be opened is reported and the database in use stays open.
class frmChange : public QDialog
{
    Q_OBJECT
public:
    explicit frmChange(QWidget *parent = nullptr);
    ~frmChange() override;

    // The folder whose files are listed: the program's folder, or the user's data folder.
    static QString DatabaseFolder();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FillFileList();
    void flbDatabase_Click(QListWidgetItem *item);

    QListWidget *flbDatabase = nullptr;
    QPushButton *cmdCancel = nullptr;
    QString m_rememberedStatus;
    bool m_closed = false;
};
