#include "frmTopic.h"

#include "ChangedUnderneath.h"
#include "ReferenceScreenSupport.h"
#include "ScreenEvents.h"
#include "SqlLiterals.h"

#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

frmTopic::frmTopic(QWidget *parent)
    : TopicEditScreen(parent)
{
    lstTopics = createRecordList(
        QStringLiteral("frmTopic"), tr("Topic Screen"), QStringLiteral("lstTopics"), tr("Topics"));

    auto *fields = new QFormLayout;
    txtDescription = AddTextRow(
        fields, QStringLiteral("txtDescription"), QStringLiteral("Label1"), tr("Description"));
    lblTopicID
        = AddKeyRow(fields, QStringLiteral("lblTopicID"), QStringLiteral("Label2"), tr("Topic ID"));
    SelectTextOnEntry(txtDescription);
    connect(txtDescription, &QLineEdit::textEdited, this, &DataScreen::dataHasChanged);

    auto *detail = new QVBoxLayout;
    detail->addLayout(fields);
    detail->addStretch();
    detail->addWidget(createButtonPanel(tr("&Save")));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lstTopics, 1);
    layout->addLayout(detail, 2);
    resize(560, 320);

    setListControls(lstTopics, lblTopicID);
    loadRecords({ QStringLiteral("mnuETopics") });
}

frmTopic::~frmTopic() = default;

bool frmTopic::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtDescription && event->type() == QEvent::FocusOut) {
        raiseToCapitals();
    }
    return ListEditScreen::eventFilter(watched, event);
}

void frmTopic::raiseToCapitals()
{
    const QString capitals = txtDescription->text().toUpper();
    if (capitals != txtDescription->text()) {
        // The program's own change: it does not start an edit.
        LoadingGuard loading(this);
        txtDescription->setText(capitals);
    }
}

QString frmTopic::recordText() const
{
    return TrimBlanks(m_record.Description());
}

void frmTopic::showFields()
{
    txtDescription->setText(m_record.Description());
}

void frmTopic::clearFields()
{
    txtDescription->clear();
}

QWidget *frmTopic::firstField() const
{
    return txtDescription;
}

bool frmTopic::checkFields()
{
    // A save by keyboard shortcut leaves the focus in the box, so capitals are made here too.
    raiseToCapitals();
    m_record.setDescription(txtDescription->text());
    if (!m_record.Check()) {
        reportInvalid(m_record.InfoMsg(), nullptr, false);
        return false;
    }
    return true;
}

ChangedUnderneath::TheirVersion frmTopic::theirVersion(const clsTopic &theirs) const
{
    ChangedUnderneath::TheirVersion version;
    version.fields = { { tr("Description"), theirs.Description() } };
    return version;
}

void frmTopic::announceChange(bool deleted)
{
    Q_UNUSED(deleted);
    Q_EMIT ScreenEvents::instance().topicsChanged();
}
