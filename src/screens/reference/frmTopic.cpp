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
    : ListEditScreen(parent)
{
    setObjectName(QStringLiteral("frmTopic"));
    setWindowTitle(QStringLiteral("Topic Screen"));

    lstTopics = new QListWidget(this);
    lstTopics->setObjectName(QStringLiteral("lstTopics"));
    lstTopics->setAccessibleName(QStringLiteral("Topics"));

    auto *fields = new QFormLayout;
    txtDescription = AddTextRow(fields, QStringLiteral("txtDescription"), QStringLiteral("Label1"),
        QStringLiteral("Description"));
    lblTopicID = AddKeyRow(
        fields, QStringLiteral("lblTopicID"), QStringLiteral("Label2"), QStringLiteral("Topic ID"));
    SelectTextOnEntry(txtDescription);
    connect(txtDescription, &QLineEdit::textEdited, this, &DataScreen::dataHasChanged);

    auto *detail = new QVBoxLayout;
    detail->addLayout(fields);
    detail->addStretch();
    detail->addWidget(createButtonPanel(QStringLiteral("&Save")));
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
    return TrimBlanks(m_topic.Description());
}

bool frmTopic::findRecord(qint32 key)
{
    m_topic.setTopicID(key);
    return m_topic.Find();
}

void frmTopic::showFields()
{
    txtDescription->setText(m_topic.Description());
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
    m_topic.setDescription(txtDescription->text());
    if (!m_topic.Check()) {
        reportInvalid(m_topic.InfoMsg(), nullptr, false);
        return false;
    }
    return true;
}

bool frmTopic::replaceRecord(qint32 key)
{
    m_topic.setTopicID(key);
    return m_topic.Replace();
}

bool frmTopic::deleteRecord(qint32 key)
{
    m_topic.setTopicID(key);
    return m_topic.Delete();
}

RowChange frmTopic::replaceConflict() const
{
    return m_topic.SaveConflict();
}

void frmTopic::overwriteTheirs()
{
    m_topic.OverwriteTheirs();
}

void frmTopic::showTheirVersion(qint32 key)
{
    clsTopic theirs;
    theirs.setTopicID(key);
    if (!theirs.Find()) {
        return;
    }
    ChangedUnderneath::TheirVersion version;
    version.fields = { { QStringLiteral("Description"), theirs.Description() } };
    ChangedUnderneath::showTheirVersion(this, version);
}

void frmTopic::announceChange(bool deleted)
{
    Q_UNUSED(deleted);
    Q_EMIT ScreenEvents::instance().topicsChanged();
}
