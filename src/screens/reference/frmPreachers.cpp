#include "frmPreachers.h"

#include "ChangedUnderneath.h"
#include "ReferenceCombos.h"
#include "ReferenceScreenSupport.h"
#include "ScreenEvents.h"
#include "SermonQuery.h"
#include "SqlLiterals.h"
#include "clsState.h"
#include "frmMain.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPreachers::frmPreachers(QWidget *parent)
    : PreacherEditScreen(parent)
{
    lstPreachers = createRecordList(QStringLiteral("frmPreachers"), tr("Preachers Screen"),
        QStringLiteral("lstPreachers"), tr("Preachers"));

    auto *fields = new QFormLayout;
    lblPreacherID = AddKeyRow(
        fields, QStringLiteral("lblPreacherID"), QStringLiteral("Label1"), tr("Preacher ID:"));
    txtFirst
        = AddTextRow(fields, QStringLiteral("txtFirst"), QStringLiteral("Label2"), tr("First:"));
    txtMiddle
        = AddTextRow(fields, QStringLiteral("txtMiddle"), QStringLiteral("Label3"), tr("Middle:"));
    txtLast = AddTextRow(fields, QStringLiteral("txtLast"), QStringLiteral("Label4"), tr("Last:"));
    txtCity = AddTextRow(fields, QStringLiteral("txtCity"), QStringLiteral("Label5"), tr("City:"));
    cboState
        = AddComboRow(fields, QStringLiteral("cboState"), QStringLiteral("Label6"), tr("State:"));
    txtCountry = AddTextRow(
        fields, QStringLiteral("txtCountry"), QStringLiteral("Label7"), tr("Country:"));
    txtOrganization = AddTextRow(
        fields, QStringLiteral("txtOrganization"), QStringLiteral("Label8"), tr("Organization:"));
    txtPosition = AddTextRow(
        fields, QStringLiteral("txtPosition"), QStringLiteral("Label9"), tr("Position:"));
    txtSeminary = AddTextRow(
        fields, QStringLiteral("txtSeminary"), QStringLiteral("Label10"), tr("Seminary:"));
    txtNotes
        = AddNotesRow(fields, QStringLiteral("txtNotes"), QStringLiteral("Label11"), tr("Notes:"));

    QFrame *buttons = createButtonPanel(tr("S&ave"));
    cmdSermons = new QPushButton(tr("&Sermons"), buttons);
    cmdSermons->setObjectName(QStringLiteral("cmdSermons"));
    buttons->layout()->addWidget(cmdSermons);
    connect(cmdSermons, &QPushButton::clicked, this, &frmPreachers::cmdSermons_Click);

    auto *detail = new QVBoxLayout;
    detail->addLayout(fields, 1);
    detail->addWidget(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lstPreachers, 1);
    layout->addLayout(detail, 2);
    resize(760, 520);

    setListControls(lstPreachers, lblPreacherID);
    setAddressControls(cboState,
        { txtFirst, txtMiddle, txtLast, txtCity, txtCountry, txtOrganization, txtPosition,
            txtSeminary, txtNotes });
    loadRecords({ QStringLiteral("mnuEPreacher"), QStringLiteral("grpPreacher") });
}

frmPreachers::~frmPreachers() = default;

void frmPreachers::cmdSermons_Click()
{
    const SermonQuery query = SermonQuery::byPreacher(KeyFromText(lblPreacherID->text()));
    if (QMdiSubWindow *frame = subWindow()) {
        frame->showMinimized();
    }
    if (frmMain *main = frmMain::instance()) {
        main->showSermons(query);
    }
}

QString frmPreachers::recordText() const
{
    return TrimBlanks(m_record.LastName()) + QStringLiteral(", ")
        + TrimBlanks(m_record.FirstName());
}

void frmPreachers::showFields()
{
    txtFirst->setText(m_record.FirstName());
    txtMiddle->setText(m_record.MiddleInitial());
    txtLast->setText(m_record.LastName());
    txtCity->setText(m_record.City());
    txtCountry->setText(m_record.Country());
    txtOrganization->setText(m_record.Organization());
    txtPosition->setText(m_record.Position());
    txtSeminary->setText(m_record.Seminary());
    txtNotes->setPlainText(m_record.Notes());
    ShowState(cboState, m_record.StateID());
}

bool frmPreachers::checkFields()
{
    m_record.setFirstName(txtFirst->text());
    m_record.setMiddleInitial(txtMiddle->text().toUpper());
    m_record.setLastName(txtLast->text());
    m_record.setCity(txtCity->text());
    m_record.setStateID(SelectedKey(cboState));
    m_record.setCountry(txtCountry->text());
    m_record.setOrganization(txtOrganization->text());
    m_record.setPosition(txtPosition->text());
    m_record.setSeminary(txtSeminary->text());
    m_record.setNotes(txtNotes->toPlainText());
    if (!m_record.Check()) {
        reportCheckFailure(
            m_record.InfoMsg(), m_record.InfoField() == u"strLastName" ? txtLast : nullptr);
        return false;
    }
    return true;
}

ChangedUnderneath::TheirVersion frmPreachers::theirVersion(const clsPreacher &theirs) const
{
    ChangedUnderneath::TheirVersion version;
    version.fields = { { tr("First:"), theirs.FirstName() },
        { tr("Middle:"), theirs.MiddleInitial() }, { tr("Last:"), theirs.LastName() },
        { tr("City:"), theirs.City() }, { tr("State:"), stateCode(theirs.StateID()) },
        { tr("Country:"), theirs.Country() }, { tr("Organization:"), theirs.Organization() },
        { tr("Position:"), theirs.Position() }, { tr("Seminary:"), theirs.Seminary() } };
    version.longLabel = tr("Notes:");
    version.longText = theirs.Notes();
    return version;
}

void frmPreachers::announceChange(bool deleted)
{
    Q_EMIT ScreenEvents::instance().preachersChanged();
    if (deleted) {
        // The database deleted the preacher's sermons with it.
        Q_EMIT ScreenEvents::instance().sermonsChanged();
    }
}

QString frmPreachers::deleteWarning() const
{
    return tr("You will be asked next to confirm this delete request --Be careful because "
              "any sermons tied to the preacher you delete will automatically be deleted!!");
}
