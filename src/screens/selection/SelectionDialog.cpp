#include "SelectionDialog.h"

#include "SermonQuery.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QHBoxLayout>
#include <QPushButton>

SelectionDialog::SelectionDialog(QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

// However the screen goes, the status text it found is put back.
SelectionDialog::~SelectionDialog()
{
    restoreStatus();
}

void SelectionDialog::reject()
{
    cmdCancel_Click();
}

void SelectionDialog::rememberStatus()
{
    m_rememberedStatus = GetStatusText();
}

void SelectionDialog::restoreStatus()
{
    if (m_statusRestored) {
        return;
    }
    m_statusRestored = true;
    EndBusy(m_rememberedStatus);
}

void SelectionDialog::showSelectedSermons(const SermonQuery &query)
{
    restoreStatus();
    accept();
    if (frmMain *main = frmMain::instance()) {
        main->showSermons(query);
    }
}

void SelectionDialog::leaveWithoutSelection()
{
    restoreStatus();
    QDialog::reject();
}

QHBoxLayout *SelectionDialog::selectCancelRow(QPushButton *&select, QPushButton *&cancel)
{
    select = new QPushButton(tr("&Select"), this);
    select->setObjectName(QStringLiteral("cmdSelect"));
    select->setDefault(true);
    cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    return buttons;
}
