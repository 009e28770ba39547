#include "frmPreachers.h"

#include "ChangedUnderneath.h"
#include "ReferenceCombos.h"
#include "ReferenceScreenSupport.h"
#include "ScreenEvents.h"
#include "SelectionState.h"
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

namespace {

// A state's code as the State list shows it; empty for none.
QString stateCode(qint32 key)
{
    clsState state;
    state.setStateID(key);
    return key != 0 && state.Find() ? state.StateCode() : QString();
}

} // namespace

frmPreachers::frmPreachers(QWidget *parent)
    : AddressListScreen(parent)
{
    setObjectName(QStringLiteral("frmPreachers"));
    setWindowTitle(QStringLiteral("Preachers Screen"));

    lstPreachers = new QListWidget(this);
    lstPreachers->setObjectName(QStringLiteral("lstPreachers"));
    lstPreachers->setAccessibleName(QStringLiteral("Preachers"));

    auto *fields = new QFormLayout;
    lblPreacherID = AddKeyRow(fields, QStringLiteral("lblPreacherID"), QStringLiteral("Label1"),
        QStringLiteral("Preacher ID:"));
    txtFirst = AddTextRow(
        fields, QStringLiteral("txtFirst"), QStringLiteral("Label2"), QStringLiteral("First:"));
    txtMiddle = AddTextRow(
        fields, QStringLiteral("txtMiddle"), QStringLiteral("Label3"), QStringLiteral("Middle:"));
    txtLast = AddTextRow(
        fields, QStringLiteral("txtLast"), QStringLiteral("Label4"), QStringLiteral("Last:"));
    txtCity = AddTextRow(
        fields, QStringLiteral("txtCity"), QStringLiteral("Label5"), QStringLiteral("City:"));
    cboState = AddComboRow(
        fields, QStringLiteral("cboState"), QStringLiteral("Label6"), QStringLiteral("State:"));
    txtCountry = AddTextRow(
        fields, QStringLiteral("txtCountry"), QStringLiteral("Label7"), QStringLiteral("Country:"));
    txtOrganization = AddTextRow(fields, QStringLiteral("txtOrganization"),
        QStringLiteral("Label8"), QStringLiteral("Organization:"));
    txtPosition = AddTextRow(fields, QStringLiteral("txtPosition"), QStringLiteral("Label9"),
        QStringLiteral("Position:"));
    txtSeminary = AddTextRow(fields, QStringLiteral("txtSeminary"), QStringLiteral("Label10"),
        QStringLiteral("Seminary:"));
    txtNotes = AddNotesRow(
        fields, QStringLiteral("txtNotes"), QStringLiteral("Label11"), QStringLiteral("Notes:"));

    QFrame *buttons = createButtonPanel(QStringLiteral("S&ave"));
    cmdSermons = new QPushButton(QStringLiteral("&Sermons"), buttons);
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
    return TrimBlanks(m_preacher.LastName()) + QStringLiteral(", ")
        + TrimBlanks(m_preacher.FirstName());
}

bool frmPreachers::findRecord(qint32 key)
{
    m_preacher.setPreacherID(key);
    return m_preacher.Find();
}

void frmPreachers::showFields()
{
    txtFirst->setText(m_preacher.FirstName());
    txtMiddle->setText(m_preacher.MiddleInitial());
    txtLast->setText(m_preacher.LastName());
    txtCity->setText(m_preacher.City());
    txtCountry->setText(m_preacher.Country());
    txtOrganization->setText(m_preacher.Organization());
    txtPosition->setText(m_preacher.Position());
    txtSeminary->setText(m_preacher.Seminary());
    txtNotes->setPlainText(m_preacher.Notes());
    ShowState(cboState, m_preacher.StateID());
}

bool frmPreachers::checkFields()
{
    m_preacher.setFirstName(txtFirst->text());
    m_preacher.setMiddleInitial(txtMiddle->text().toUpper());
    m_preacher.setLastName(txtLast->text());
    m_preacher.setCity(txtCity->text());
    m_preacher.setStateID(SelectedKey(cboState));
    m_preacher.setCountry(txtCountry->text());
    m_preacher.setOrganization(txtOrganization->text());
    m_preacher.setPosition(txtPosition->text());
    m_preacher.setSeminary(txtSeminary->text());
    m_preacher.setNotes(txtNotes->toPlainText());
    if (!m_preacher.Check()) {
        const QString message = m_preacher.InfoMsg();
        reportCheckFailure(
            message, message.contains(QStringLiteral("Last Name")) ? txtLast : nullptr);
        return false;
    }
    return true;
}

bool frmPreachers::replaceRecord(qint32 key)
{
    m_preacher.setPreacherID(key);
    return m_preacher.Replace();
}

bool frmPreachers::deleteRecord(qint32 key)
{
    m_preacher.setPreacherID(key);
    return m_preacher.Delete();
}

RowChange frmPreachers::replaceConflict() const
{
    return m_preacher.SaveConflict();
}

void frmPreachers::overwriteTheirs()
{
    m_preacher.OverwriteTheirs();
}

void frmPreachers::showTheirVersion(qint32 key)
{
    clsPreacher theirs;
    theirs.setPreacherID(key);
    if (!theirs.Find()) {
        return;
    }
    ChangedUnderneath::TheirVersion version;
    version.fields = { { QStringLiteral("First:"), theirs.FirstName() },
        { QStringLiteral("Middle:"), theirs.MiddleInitial() },
        { QStringLiteral("Last:"), theirs.LastName() }, { QStringLiteral("City:"), theirs.City() },
        { QStringLiteral("State:"), stateCode(theirs.StateID()) },
        { QStringLiteral("Country:"), theirs.Country() },
        { QStringLiteral("Organization:"), theirs.Organization() },
        { QStringLiteral("Position:"), theirs.Position() },
        { QStringLiteral("Seminary:"), theirs.Seminary() } };
    version.longLabel = QStringLiteral("Notes:");
    version.longText = theirs.Notes();
    ChangedUnderneath::showTheirVersion(this, version);
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
    return QStringLiteral(
        "You will be asked next to confirm this delete request --Be careful because "
        "any sermons tied to the preacher you delete will automatically be deleted!!");
}
