#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// Defaults > "Bible Version...": every installed Bible (its short name and description) to
// choose the version the notes window, Insert Passage Text, the passage dialog and printing
// read. The choice is kept in the user's settings ([Scripture] Version).
class frmBibleVersion : public QDialog
{
    Q_OBJECT
public:
    explicit frmBibleVersion(QWidget *parent = nullptr);

    // Opens the screen modal over the main window without blocking the caller; with no Bible
    // installed it says so instead.
    static void load(QWidget *parent);

    void cmdOK_Click();

private:
    QListWidget *lstVersions = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
