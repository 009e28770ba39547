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

frmPublishers::frmPublishers(QWidget *parent)
    : PublisherEditScreen(parent)
{
    lstPublishers = createRecordList(QStringLiteral("frmPublishers"), tr("Publishers Screen"),
        QStringLiteral("lstPublishers"), tr("Publishers"));

    auto *fields = new QFormLayout;
    lblPublisherID = AddKeyRow(
        fields, QStringLiteral("lblPublisherID"), QStringLiteral("Label1"), tr("Publisher ID:"));
    txtPublisher = AddTextRow(
        fields, QStringLiteral("txtPublisher"), QStringLiteral("Label8"), tr("Publisher:"));
    txtCity = AddTextRow(fields, QStringLiteral("txtCity"), QStringLiteral("Label5"), tr("City:"));
    cboState
        = AddComboRow(fields, QStringLiteral("cboState"), QStringLiteral("Label6"), tr("State:"));

    auto *detail = new QVBoxLayout;
    detail->addLayout(fields);
    detail->addStretch();
    detail->addWidget(createButtonPanel(tr("&Save")));
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
    return TrimBlanks(m_record.Publisher());
}

void frmPublishers::showFields()
{
    txtPublisher->setText(m_record.Publisher());
    txtCity->setText(m_record.City());
    ShowState(cboState, m_record.StateID());
}

bool frmPublishers::checkFields()
{
    m_record.setPublisher(txtPublisher->text());
    m_record.setCity(txtCity->text());
    m_record.setStateID(SelectedKey(cboState));
    if (!m_record.Check()) {
        reportCheckFailure(
            m_record.InfoMsg(), m_record.InfoField() == u"strPublisher" ? txtPublisher : nullptr);
        return false;
    }
    return true;
}

ChangedUnderneath::TheirVersion frmPublishers::theirVersion(const clsPublisher &theirs) const
{
    ChangedUnderneath::TheirVersion version;
    version.fields = { { tr("Publisher:"), theirs.Publisher() }, { tr("City:"), theirs.City() },
        { tr("State:"), stateCode(theirs.StateID()) } };
    return version;
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
    return tr("You will be asked next to confirm this delete request --Be careful because "
              "any series and sermons tied to the publisher you delete will automatically "
              "be deleted!!");
}
