#include "frmDateLoc.h"

#include "ChangedUnderneath.h"
#include "DataGrid.h"
#include "DateEntry.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "HourglassGuard.h"
#include "OccasionReuseCheck.h"
#include "ProgramGlobals.h"
#include "RecordValues.h"
#include "ScreenEvents.h"
#include "ScreenOperations.h"
#include "ScreenPlacement.h"
#include "SqlLiterals.h"
#include "TrackingWorkArea.h"
#include "Twips.h"
#include "clsConnect.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString SermonScreenName = QStringLiteral("frmSermon");

QLabel *captionLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel *valueLabel(const QString &name, const QString &description, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    // A screen reader reads the value shown; the description says what it is.
    label->setAccessibleDescription(description);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // Typed texts are shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(TwipsToPixels(1200));
    return label;
}

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(name);
    return push;
}

} // namespace

frmDateLoc::frmDateLoc(qint32 sermonID, QWidget *parent)
    : DataScreen(parent)
    , m_sermonID(sermonID)
{
    setObjectName(QStringLiteral("frmDateLoc"));
    setWindowTitle(tr("Date / Location Tracker"));
    HourglassGuard busy;
    buildControls();
    clsDateLoc::listen(this);

    LoadingGuard loading(this);
    enterBrowseState();
    m_adding = false;
    fillList();
    showOccasion();
}

frmDateLoc::~frmDateLoc()
{
    clsDateLoc::stopListening(this);
}

void frmDateLoc::buildControls()
{
    auto *Label9 = captionLabel(
        tr("USE DATE / LOCATION TRACKER FOR ADDITIONAL DATA"), QStringLiteral("Label9"), this);
    QFont heading = Label9->font();
    heading.setBold(true);
    Label9->setFont(heading);

    grdDateLoc = new DataGrid(this);
    grdDateLoc->setObjectName(QStringLiteral("grdDateLoc"));
    grdDateLoc->setAccessibleName(tr("Dates and Locations"));
    grdDateLoc->setMinimumWidth(TwipsToPixels(480 + 5400 + 1226 + 400));
    grdDateLoc->setMinimumHeight(TwipsToPixels(2200));
    QGridLayout *fields = buildFields();

    cmdNew = button(tr("&New"), QStringLiteral("cmdNew"), this);
    cmdSave = button(tr("S&ave"), QStringLiteral("cmdSave"), this);
    cmdDelete = button(tr("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdClose = button(tr("&Close"), QStringLiteral("cmdClose"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *push : { cmdNew, cmdSave, cmdDelete, cmdClose }) {
        buttons->addWidget(push);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label9);
    layout->addWidget(grdDateLoc, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setTabOrder(grdDateLoc, txtLocation);
    setTabOrder(txtLocation, txtDate);
    setTabOrder(txtDate, cmdNew);

    setEditButtons(cmdNew, cmdDelete, cmdSave, cmdClose);
    setRecordList(grdDateLoc);
    connect(cmdNew, &QPushButton::clicked, this, &frmDateLoc::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmDateLoc::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmDateLoc::cmdDelete_Click);
    connect(grdDateLoc, &DataGrid::rowChosen, this, &frmDateLoc::chooseRow);
    connect(txtLocation, &QLineEdit::textChanged, this, &DataScreen::dataHasChanged);
    connect(txtDate, &QLineEdit::textChanged, this, &DataScreen::dataHasChanged);
}

QGridLayout *frmDateLoc::buildFields()
{
    txtLocation = new QLineEdit(this);
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    txtDate = new QLineEdit(this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    lblDateLocID = valueLabel(QStringLiteral("lblDateLocID"), tr("ID#"), this);
    lblSermonID = valueLabel(QStringLiteral("lblSermonID"), tr("SermonID:"), this);
    lblDate1 = valueLabel(QStringLiteral("lblDate1"), tr("Primary Date:"), this);
    lblLocation1 = valueLabel(QStringLiteral("lblLocation1"), tr("Primary Location:"), this);

    auto *locationCaption
        = captionLabel(tr("Location:"), QStringLiteral("lblLocationCaption"), this);
    locationCaption->setBuddy(txtLocation);
    auto *dateCaption = captionLabel(tr("Date:"), QStringLiteral("lblDateCaption"), this);
    dateCaption->setBuddy(txtDate);
    txtLocation->setAccessibleName(tr("Location:"));
    txtDate->setAccessibleName(tr("Date:"));

    auto *fields = new QGridLayout;
    fields->addWidget(locationCaption, 0, 0);
    fields->addWidget(txtLocation, 0, 1);
    fields->addWidget(
        captionLabel(tr("SermonID:"), QStringLiteral("lblSermonIDCaption"), this), 0, 2);
    fields->addWidget(lblSermonID, 0, 3);
    fields->addWidget(dateCaption, 1, 0);
    fields->addWidget(txtDate, 1, 1);
    fields->addWidget(lblDateLocID, 1, 3);
    fields->addWidget(
        captionLabel(tr("Primary Location:"), QStringLiteral("lblLocation1Caption"), this), 2, 0);
    fields->addWidget(lblLocation1, 2, 1);
    fields->addWidget(
        captionLabel(tr("Primary Date:"), QStringLiteral("lblDate1Caption"), this), 3, 0);
    fields->addWidget(lblDate1, 3, 1);
    fields->setColumnStretch(1, 1);
    return fields;
}

void frmDateLoc::placeWindow()
{
    QWidget *window = subWindow() ? static_cast<QWidget *>(subWindow()) : this;
    window->move(TwipsToPixels(20), TwipsToPixels(20));
    KeepInWorkArea(subWindow());
}

void frmDateLoc::showPrimaryDateAndLocation()
{
    // The sermon screen may have moved on to another sermon while the tracker stayed open;
    // its fields are then not this sermon's, and the labels keep what they showed.
    QWidget *sermonScreen = FindOpenScreen(SermonScreenName);
    if (!sermonScreen) {
        return;
    }
    if (sermonScreen->findChild<QWidget *>(QStringLiteral("lblSermonID"))) {
        const qint32 shown
            = NullToLong(OpenScreenFieldText(SermonScreenName, QStringLiteral("lblSermonID")));
        if (shown != m_sermonID) {
            return;
        }
    }
    lblDate1->setText(OpenScreenFieldText(SermonScreenName, QStringLiteral("txtDatePreached")));
    lblLocation1->setText(OpenScreenFieldText(SermonScreenName, QStringLiteral("txtLocation")));
}

void frmDateLoc::showOccasion()
{
    LoadingGuard loading(this);
    lblSermonID->setText(SQLLong(m_sermonID));
    showPrimaryDateAndLocation();

    const QString sql = QStringLiteral("Select *") + QStringLiteral(" FROM tblDateLoc")
        + QStringLiteral(" Where lngDateLocID = ") + SQLLong(m_occasionID);
    DbError error;
    const std::unique_ptr<DbSnapshot> rs = ProgramConnection().openSnapshot(sql, error);
    if (!rs) {
        ShowSystemError(error);
        return;
    }
    if (rs->eof()) {
        // No occasion to show (a new one, or one that is gone): the fields stay empty.
        clearFields();
    } else {
        m_shownID = NullToLong(rs->field(u"lngDateLocID"));
        lblDateLocID->setText(SQLLong(m_shownID) + QLatin1Char(' '));
        txtDate->setText(DateText(DateFromValue(rs->field(u"dtDatePreached"))) + QLatin1Char(' '));
        txtLocation->setText(NullToText(rs->field(u"strLocation")) + QLatin1Char(' '));
        // What a save of this occasion is checked against.
        m_record.KeepLoadedRow(*rs);
    }
    rs->close();
}

void frmDateLoc::clearFields()
{
    LoadingGuard loading(this);
    txtDate->clear();
    txtLocation->clear();
    lblDateLocID->clear();
    m_shownID = 0;
}

void frmDateLoc::cmdNew_Click()
{
    m_adding = true;
    enterEditState();
    clearFields();
    grdDateLoc->setRow(m_listRows + 1);
    grdDateLoc->setCol(0);
    cmdNew->setEnabled(false);
}

bool frmDateLoc::transferFields()
{
    // An empty date is no date, which the record's check names; other text must be a date.
    const QString dateText = TrimBlanks(txtDate->text());
    QDateTime preached;
    if (!dateText.isEmpty()) {
        const QDate typed = DateEntry::parse(dateText);
        preached = typed.isValid() ? QDateTime(typed, QTime(0, 0)) : DateFromValue(dateText);
        if (!preached.isValid()) {
            MsgBox(tr("Procedural error; Please try again"), MsgBoxStyle::OkExclamation);
            cmdNew_Click();
            return false;
        }
    }
    m_record.setDatePreached(preached);
    m_record.setLocation(txtLocation->text());
    m_record.setSermonID(m_sermonID);
    return true;
}

bool frmDateLoc::checkFields()
{
    if (!transferFields()) {
        return false;
    }
    if (m_record.Check()) {
        return true;
    }
    QApplication::beep();
    if (m_record.InfoField() == u"dtDatePreached") {
        txtDate->setFocus();
    } else if (m_record.InfoField() == u"strLocation") {
        txtLocation->setFocus();
    }
    MsgBox(m_record.InfoMsg());
    return false;
}

bool frmDateLoc::saveOccasion()
{
    // A new occasion where the sermon was heard lately is asked about first; No keeps the
    // typing.
    if ((m_adding || m_shownID <= 0)
        && !OccasionReuseCheck::confirm(
            m_record.SermonID(), m_record.Location(), m_record.DatePreached(), windowTitle())) {
        return false;
    }
    HourglassGuard busy;
    // Fields typed after a Cancel on the blank row have no occasion behind them: they make a
    // new one, as New would.
    const bool adding = m_adding || m_shownID <= 0;
    bool saved = false;
    using ChangedUnderneath::Outcome;
    Outcome outcome = Outcome::SaveAsNew;
    if (!adding) {
        const qint32 key = m_shownID;
        m_record.setDateLocID(key);
        outcome = ChangedUnderneath::replace(
            m_record, [this, key] { showTheirVersion(key); }, windowTitle());
        if (outcome == Outcome::KeepEditing) {
            return false; // the typing stays for another try, or for Cancel
        }
        saved = outcome == Outcome::Saved;
    }
    // A new occasion, or one another copy deleted while the user changed it.
    if (outcome == Outcome::SaveAsNew) {
        saved = m_record.AddNew();
        if (saved) {
            m_shownID = m_record.DateLocID();
            lblDateLocID->setText(SQLLong(m_shownID));
            // The saved occasion's row is the one a later change or delete works on.
            grdDateLoc->setRow(grdDateLoc->rowOfKey(m_shownID));
            grdDateLoc->setCol(0);
        }
    }
    busy.release();
    if (!saved) {
        // Whatever went wrong, the user is told to try again; the engine's or the record's
        // own words go into the box's details. The typed values stay for another try, or
        // for Cancel.
        const DbError &error = m_record.LastError();
        MsgBox(tr("Procedural error; Please try again"), MsgBoxStyle::OkExclamation, AppTitle,
            error.isSet() ? QString::number(error.number) + QStringLiteral(": ") + error.driverText
                          : m_record.InfoMsg());
        return false;
    }
    m_adding = false;
    enterBrowseState();
    Q_EMIT ScreenEvents::instance().occasionsChanged();
    return true;
}

void frmDateLoc::showTheirVersion(qint32 key)
{
    const QString sql
        = QStringLiteral("Select * FROM tblDateLoc Where lngDateLocID = ") + SQLLong(key);
    DbError error;
    const std::unique_ptr<DbSnapshot> rs = ProgramConnection().openSnapshot(sql, error);
    if (!rs || rs->eof()) {
        return;
    }
    ChangedUnderneath::TheirVersion version;
    version.fields = { { tr("Location:"), NullToText(rs->field(u"strLocation")) },
        { tr("Date:"), DateText(DateFromValue(rs->field(u"dtDatePreached"))) } };
    ChangedUnderneath::showTheirVersion(this, version);
}

void frmDateLoc::reportFailure()
{
    if (m_record.LastError().isSet()) {
        ShowSystemError(m_record.LastError());
    } else {
        MsgBox(m_record.InfoMsg(), MsgBoxStyle::OkExclamation, windowTitle());
    }
}

void frmDateLoc::cmdSave_Click()
{
    if (checkFields()) {
        saveOccasion();
    }
}

void frmDateLoc::cmdDelete_Click()
{
    // The occasion shown is the one deleted (the record itself last held whichever row the
    // list fill read last).
    const qint32 key = m_shownID;
    if (key <= 0) {
        return;
    }
    if (!ConfirmDelete(tr("Delete the Current Record"))) {
        return;
    }
    m_record.setDateLocID(key);
    if (m_record.Delete()) {
        MsgBox(QCoreApplication::translate("frmDateLoc", "Delete was successful"),
            MsgBoxStyle::OkExclamation);
        cmdNew->setEnabled(true);
        cmdDelete->setEnabled(false);
        cmdSave->setEnabled(false);
        cmdClose->setText(tr("&Cancel"));
        clearFields();
        Q_EMIT ScreenEvents::instance().occasionsChanged();
    } else {
        reportFailure();
    }
    cmdNew_Click();
}

bool frmDateLoc::saveRecord()
{
    return checkFields() && saveOccasion();
}

void frmDateLoc::newRecord()
{
    cmdNew_Click();
}

void frmDateLoc::cancelEdit()
{
    m_adding = false;
    chooseRow(grdDateLoc->row());
}

void frmDateLoc::screenClosing()
{
    clsDateLoc::stopListening(this);
}

bool frmDateLoc::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a field selects its whole text, so typing replaces it. Selected once the
    // focus has settled: a mouse click would otherwise place the cursor over the selection.
    if (event->type() == QEvent::FocusIn && (watched == txtDate || watched == txtLocation)) {
        auto *field = static_cast<QLineEdit *>(watched);
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return DataScreen::eventFilter(watched, event);
}
