#include "frmBibleVersion.h"

#include "HourglassGuard.h"
#include "ScriptureService.h"
#include "ScriptureSettings.h"
#include "SwordLibrary.h"
#include "UserInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmBibleVersion::frmBibleVersion(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBibleVersion"));
    setWindowTitle(tr("Bible Version"));
    auto *caption = new QLabel(tr("&Version shown beside the outline:"), this);
    lstVersions = new QListWidget(this);
    lstVersions->setObjectName(QStringLiteral("lstVersions"));
    lstVersions->setAccessibleName(tr("Bible versions"));
    caption->setBuddy(lstVersions);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(lstVersions);
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmBibleVersion::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstVersions, &QListWidget::itemDoubleClicked, this, &frmBibleVersion::cmdOK_Click);

    // Load: the list comes from the worker, which opens SWORD if nothing has yet.
    HourglassGuard busy;
    ScriptureService &service = ScriptureService::instance();
    QString chosen = ScriptureSettings::read().version;
    const QList<BibleVersion> versions = service.versionsNow();
    bool known = false;
    for (const BibleVersion &version : versions) {
        known = known || version.name == chosen;
    }
    if (!known) {
        chosen = service.defaultVersionNow();
    }
    for (const BibleVersion &version : versions) {
        auto *item = new QListWidgetItem(
            version.shortName + QStringLiteral(" — ") + version.description, lstVersions);
        item->setData(Qt::UserRole, version.name);
        item->setToolTip(version.name);
        if (version.name == chosen) {
            lstVersions->setCurrentItem(item);
        }
    }
    lstVersions->setMinimumWidth(lstVersions->sizeHintForColumn(0) + 40);
}

void frmBibleVersion::load(QWidget *parent)
{
    auto *screen = new frmBibleVersion(parent);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    if (screen->lstVersions->count() == 0) {
        delete screen;
        MsgBox(SwordLibrary::noBibleMessage(), MsgBoxStyle::OkExclamation, tr("Bible Version"));
        return;
    }
    screen->open();
    screen->lstVersions->setFocus();
}

void frmBibleVersion::cmdOK_Click()
{
    if (QListWidgetItem *item = lstVersions->currentItem()) {
        ScriptureSettings::saveVersion(item->data(Qt::UserRole).toString());
        ScriptureService::instance().announceSettingsChanged();
    }
    accept();
}
