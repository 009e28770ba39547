#include "frmPublishers.h"

#include "ChangedUnderneath.h"
#include "ReferenceCombos.h"
#include "ReferenceScreenSupport.h"
#include "ScreenEvents.h"
#include "SqlLiterals.h"
#include "clsState.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// A state's code as the State list shows it; empty for none.
QString stateCode(qint32 key)
{
    clsState state;
    state.setStateID(key);
    return key != 0 && state.Find() ? state.StateCode() : QString();
}

} // namespace

frmPublishers::frmPublishers(QWidget *parent)
    : AddressListScreen(parent)
{
    setObjectName(QStringLiteral("frmPublishers"));
    setWindowTitle(QStringLiteral("Publishers Screen"));

    lstPublishers = new QListWidget(this);
    lstPublishers->setObjectName(QStringLiteral("lstPublishers"));
    lstPublishers->setAccessibleName(QStringLiteral("Publishers"));

    auto *fields = new QFormLayout;
    lblPublisherID = AddKeyRow(fields, QStringLiteral("lblPublisherID"), QStringLiteral("Label1"),
        QStringLiteral("Publisher ID:"));
    txtPublisher = AddTextRow(fields, QStringLiteral("txtPublisher"), QStringLiteral("Label8"),
        QStringLiteral("Publisher:"));
    txtCity = AddTextRow(
        fields, QStringLiteral("txtCity"), QStringLiteral("Label5"), QStringLiteral("City:"));
    cboState = AddComboRow(
        fields, QStringLiteral("cboState"), QStringLiteral("Label6"), QStringLiteral("State:"));

    auto *detail = new QVBoxLayout;
    detail->addLayout(fields);
    detail->addStretch();
    detail->addWidget(createButtonPanel(QStringLiteral("&Save")));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lstPublishers, 1);
    layout->addLayout(detail, 2);
    resize(620, 320);

    setListControls(lstPublishers, lblPublisherID);
    setAddressControls(cboState, { txtPublisher, txtCity });
    loadRecords({ QStringLiteral("mnuEPublisher"), QStringLiteral("grpPublisher") });
}

frmPublishers::~frmPublishers() = default;

QString frmPublishers::recordText() const
{
    return TrimBlanks(m_publisher.Publisher());
}

bool frmPublishers::findRecord(qint32 key)
{
    m_publisher.setPublisherID(key);
    return m_publisher.Find();
}

void frmPublishers::showFields()
{
    txtPublisher->setText(m_publisher.Publisher());
    txtCity->setText(m_publisher.City());
    ShowState(cboState, m_publisher.StateID());
}

bool frmPublishers::checkFields()
{
    m_publisher.setPublisher(txtPublisher->text());
    m_publisher.setCity(txtCity->text());
    m_publisher.setStateID(SelectedKey(cboState));
    if (!m_publisher.Check()) {
        reportCheckFailure(m_publisher.InfoMsg(), fieldForMessage(m_publisher.InfoMsg()));
        return false;
    }
    return true;
}

QWidget *frmPublishers::fieldForMessage(const QString &message) const
{
    if (message.contains(QStringLiteral("Name"))) {
        return txtPublisher;
    }
    if (message.contains(QStringLiteral("City"))) {
        return txtCity;
    }
    if (message.contains(QStringLiteral("State"))) {
        return cboState;
    }
    return nullptr;
}

bool frmPublishers::replaceRecord(qint32 key)
{
    m_publisher.setPublisherID(key);
    return m_publisher.Replace();
}

bool frmPublishers::deleteRecord(qint32 key)
{
    m_publisher.setPublisherID(key);
    return m_publisher.Delete();
}

RowChange frmPublishers::replaceConflict() const
{
    return m_publisher.SaveConflict();
}

void frmPublishers::overwriteTheirs()
{
    m_publisher.OverwriteTheirs();
}

void frmPublishers::showTheirVersion(qint32 key)
{
    clsPublisher theirs;
    theirs.setPublisherID(key);
    if (!theirs.Find()) {
        return;
    }
    ChangedUnderneath::TheirVersion version;
    version.fields = { { QStringLiteral("Publisher:"), theirs.Publisher() },
        { QStringLiteral("City:"), theirs.City() },
        { QStringLiteral("State:"), stateCode(theirs.StateID()) } };
    ChangedUnderneath::showTheirVersion(this, version);
}

void frmPublishers::announceChange(bool deleted)
{
    Q_EMIT ScreenEvents::instance().publishersChanged();
    if (deleted) {
        // The database deleted the publisher's series and their sermons with it.
        Q_EMIT ScreenEvents::instance().seriesChanged();
        Q_EMIT ScreenEvents::instance().sermonsChanged();
    }
}

QString frmPublishers::deleteWarning() const
{
    return QStringLiteral(
        "You will be asked next to confirm this delete request --Be careful because "
        "any series and sermons tied to the publisher you delete will automatically "
        "be deleted!!");
}
