#include "frmChange.h"

#include "DbDatabase.h"
#include "HourglassGuard.h"
#include "LibraryCommands.h"
#include "LibraryRecovery.h"
#include "PersonalLibrary.h"
#include "ProgramGlobals.h"
#include "ScreenPlacement.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmMain.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmChange::frmChange(QWidget *parent)
    : QDialog(parent)
{
    HourglassGuard busy;
    setObjectName(QStringLiteral("frmChange"));
    setWindowTitle(tr("Select Database"));
    m_rememberedStatus = GetStatusText();

    flbDatabase = new QListWidget(this);
    flbDatabase->setObjectName(QStringLiteral("flbDatabase"));
    flbDatabase->setAccessibleName(tr("Database files"));
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // A click chooses a file at once; Enter does the same for the keyboard, where the arrow
    // keys only move through the list.
    connect(flbDatabase, &QListWidget::itemClicked, this, &frmChange::flbDatabase_Click);
    connect(flbDatabase, &QListWidget::itemActivated, this, &frmChange::flbDatabase_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChange::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(flbDatabase);
    layout->addLayout(buttons);

    FillFileList();
    resize(360, 260);
    CenterForm(this);
}

frmChange::~frmChange() = default;

QString frmChange::DatabaseFolder()
{
    // The program's folder, or for an installed program the user's data folder, where its
    // first run put the user's library and the demonstration library.
    return PersonalLibrary::firstRunFolder();
}

void frmChange::FillFileList()
{
    // Every file that matches, readable or not: one that cannot be opened says so when it
    // is chosen, rather than leaving the user to wonder where it went.
    const QDir folder(DatabaseFolder());
    flbDatabase->addItems(
        folder.entryList({ QStringLiteral("*.mdb") }, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void frmChange::flbDatabase_Click(QListWidgetItem *item)
{
    if (!item || m_closed)
        return;
    const QString path = QDir(DatabaseFolder()).filePath(item->text());
    // Tried on its own first: a file that cannot be opened is reported while the database
    // in use stays open, so the program goes on working with it.
    DbError error;
    if (!DbDatabase::openFile(path, error)) {
        ShowSystemError(error);
        // A damaged library may come back from its newest good backup; then it is opened.
        if (!LibraryRecovery::isDamage(error.number) || !LibraryRecovery::offerRestore(path)) {
            reject();
            return;
        }
    }
    ActiveDatabase = path;
    if (frmMain *main = frmMain::instance())
        main->pnlUser()->setText(ActiveDatabase);
    clsConnect &connection = ProgramConnection();
    // A database file is a local database, even for a program that started on a server.
    connection.setOnServer(false);
    connection.DataClose();
    connection.DataInit();
    connection.DataOpen2();
    StartAutomaticBackup();
    accept();
    // Once this box has gone: the outlines a stopped program left for the library now open
    // (the sermon screens' command).
    if (frmMain *main = frmMain::instance()) {
        QMetaObject::invokeMethod(
            main, [main] { main->runCommand(QStringLiteral("OfferRecoveredOutlines")); },
            Qt::QueuedConnection);
    }
}

void frmChange::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        EndBusy(m_rememberedStatus);
    }
    QDialog::done(result);
}

void frmChange::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    SetStatusText(windowTitle());
}

bool frmChange::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_closed)
        SetStatusText(windowTitle());
    return QDialog::event(event);
}
