#include "frmRestore.h"

#include "LibraryRestore.h"
#include "LibraryRestoreRunner.h"
#include "ProgramGlobals.h"
#include "RecordValues.h"
#include "ScreenPlacement.h"
#include "UserInterface.h"
#include "clsConnect.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmRestore::frmRestore(const QString &libraryPath, QWidget *parent)
    : QDialog(parent)
    , m_libraryPath(libraryPath)
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(tr("Restore from Backup"));
    grdBackups = new QTableWidget(0, 3, this);
    grdBackups->setObjectName(QStringLiteral("grdBackups"));
    grdBackups->setAccessibleName(tr("Backups"));
    grdBackups->setHorizontalHeaderLabels({ tr("Date"), tr("Size"), tr("Sermons") });
    grdBackups->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdBackups->setSelectionMode(QAbstractItemView::SingleSelection);
    grdBackups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBackups->verticalHeader()->hide();
    grdBackups->horizontalHeader()->setStretchLastSection(true);
    cmdRestore = new QPushButton(tr("&Restore"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdRestore, &QPushButton::clicked, this, &frmRestore::cmdRestore_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRestore::reject);
    connect(grdBackups, &QTableWidget::cellDoubleClicked, this, &frmRestore::cmdRestore_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grdBackups);
    layout->addLayout(buttons);
    fillList();
    resize(460, 320);
    CenterForm(this);
}

void frmRestore::fillList()
{
    const QString previous = BeginBusy(tr("Please Wait While Loading Backups"));
    m_backups = LibraryBackup::list(
        LibraryBackup::folderFor(m_libraryPath), LibraryBackup::libraryName(m_libraryPath), true);
    EndBusy(previous);
    grdBackups->setRowCount(int(m_backups.size()));
    const QLocale locale;
    for (int row = 0; row < m_backups.size(); ++row) {
        const LibraryBackup::Entry &backup = m_backups.at(row);
        grdBackups->setItem(row, 0, new QTableWidgetItem(DateText(backup.when)));
        grdBackups->setItem(row, 1, new QTableWidgetItem(locale.formattedDataSize(backup.bytes)));
        grdBackups->setItem(row, 2,
            new QTableWidgetItem(
                backup.sermons < 0 ? tr("unreadable") : QString::number(backup.sermons)));
    }
    grdBackups->resizeColumnsToContents();
    if (!m_backups.isEmpty())
        grdBackups->selectRow(0);
    cmdRestore->setEnabled(!m_backups.isEmpty());
}

void frmRestore::cmdRestore_Click()
{
    const int row = grdBackups->currentRow();
    if (row < 0 || row >= m_backups.size())
        return;
    const LibraryBackup::Entry backup = m_backups.at(row);
    const QString when = MomentText(backup.when);
    if (MsgBox(tr("Replace the library with the backup from %1?\n"
                  "The current file is kept beside it.")
                   .arg(when),
            MsgBoxStyle::YesNoQuestion)
        != MsgBoxAnswer::Yes)
        return;

    clsConnect &connection = ProgramConnection();
    const QString previous = GetStatusText();
    SetStatusText(tr("Restoring the library..."));
    // The program's own connection lets go of the file while it is replaced.
    connection.DataClose();
    const LibraryRestore::Outcome outcome
        = LibraryRestoreRunner::run(backup.path, m_libraryPath, this);
    connection.DataInit();
    connection.DataOpen2();
    SetStatusText(previous);
    if (!outcome.ok) {
        MsgBox(outcome.message, MsgBoxStyle::OkExclamation);
        return;
    }
    MsgBox(
        tr("The library was restored from the backup of %1.\nThe file it replaced was kept as %2.")
            .arg(when, outcome.asidePath));
    accept();
}
