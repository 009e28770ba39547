#pragma once

#include "LibraryBackup.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

// Restore from Backup: the backups of the open library with their date, size and number of
// sermons, newest first. Restore checks the chosen copy, keeps the current file aside,
// puts the copy in its place and reopens the library.
class frmRestore : public QDialog
{
    Q_OBJECT
public:
    frmRestore(const QString &libraryPath, QWidget *parent = nullptr);

    int backupCount() const { return int(m_backups.size()); }

private:
    void cmdRestore_Click();
    void fillList();

    QString m_libraryPath;
    QList<LibraryBackup::Entry> m_backups;
    QTableWidget *grdBackups = nullptr;
    QPushButton *cmdRestore = nullptr;
    QPushButton *cmdCancel = nullptr;
};
