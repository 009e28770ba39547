#include "frmSeries.h"

#include "ChangedUnderneath.h"
#include "DataGrid.h"
#include "FirstRowQuery.h"
#include "HourglassGuard.h"
#include "ReferenceCombos.h"
#include "ReferenceScreenSupport.h"
#include "ScreenEvents.h"
#include "ScreenOperations.h"
#include "SeriesLookups.h"
#include "SermonQuery.h"
#include "SqlLiterals.h"
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList OpeningItems = { QStringLiteral("mnuESeries"), QStringLiteral("grpSeries") };

QPushButton *button(QWidget *parent, QHBoxLayout *row, const QString &name, const QString &caption)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(name);
    row->addWidget(push);
    return push;
}

} // namespace

frmSeries::frmSeries(QWidget *parent)
    : DataScreen(parent)
{
    setObjectName(QStringLiteral("frmSeries"));
    setWindowTitle(tr("Series of Messages Screen"));
    buildControls();
    clsSeries::listen(this);

    HourglassGuard busy;
    m_adding = false;
    {
        LoadingGuard loading(this);
        LoadPublisherCombo(cboPublisher);
        LoadBibleBookCombo(cboBibleBook);
        LoadPreacherCombo(cboPreacher);
        LoadTypeCombo(cboType);
    }
    fillGrid();
    SetMainItemsEnabled(OpeningItems, false);
    if (m_listRows > 0) {
        showSeries();
    } else {
        // An emptied table asks "No Records, Add Some ?" on activation, as the other
        // reference screens do.
        setNoRecords(true);
    }
    enterBrowseState();

    // New preachers and publishers appear in the lists while the screen is open.
    connect(&ScreenEvents::instance(), &ScreenEvents::preachersChanged, this,
        &frmSeries::lblPreacher_Click);
    connect(&ScreenEvents::instance(), &ScreenEvents::publishersChanged, this,
        &frmSeries::lblPublisher_Click);
}

frmSeries::~frmSeries()
{
    clsSeries::stopListening(this);
}

void frmSeries::buildControls()
{
    grdSeries = new DataGrid(this);
    grdSeries->setObjectName(QStringLiteral("grdSeries"));
    grdSeries->setAccessibleName(tr("Series"));
    // The heading row answers a click too (the grid reports it as row 0: the fields clear).
    connect(grdSeries, &DataGrid::rowChosen, this, &frmSeries::grdSeries_Click);
    connect(grdSeries, &DataGrid::clicked, this, [this](const QModelIndex &index) {
        grdSeries_Click(index.row() + grdSeries->fixedRows());
    });

    auto *fields = new QFormLayout;
    lblSeriesID = new QLabel(this);
    lblSeriesID->setObjectName(QStringLiteral("lblSeriesID"));
    lblSeriesID->setAccessibleDescription(tr("Series ID"));
    lblSeriesID->setFrameShape(QFrame::Panel);
    lblSeriesID->setFrameShadow(QFrame::Sunken);
    fields->addRow(tr("ID#"), lblSeriesID);
    txtName = AddTextRow(fields, QStringLiteral("txtName"), QStringLiteral("Label8"), tr("Name:"));
    cboBibleBook = AddComboRow(
        fields, QStringLiteral("cboBibleBook"), QStringLiteral("Label2"), tr("Bible Book:"));
    cboPreacher = AddComboRow(
        fields, QStringLiteral("cboPreacher"), QStringLiteral("lblPreacher"), tr("Preacher:"));
    cboType = AddComboRow(fields, QStringLiteral("cboType"), QStringLiteral("Label4"), tr("Type:"));

    fraSource = new QGroupBox(tr("Source"), this);
    fraSource->setObjectName(QStringLiteral("fraSource"));
    auto *source = new QFormLayout(fraSource);
    txtPubTitle = AddTextRow(
        source, QStringLiteral("txtPubTitle"), QStringLiteral("lblBook"), tr("Book Title:"));
    cboPublisher = AddComboRow(
        source, QStringLiteral("cboPublisher"), QStringLiteral("lblPublisher"), tr("Publisher:"));
    txtPubyear
        = AddTextRow(source, QStringLiteral("txtPubyear"), QStringLiteral("Label7"), tr("Year:"));

    auto *notes = new QFormLayout;
    txtNotes
        = AddNotesRow(notes, QStringLiteral("txtNotes"), QStringLiteral("Label5"), tr("Notes:"));
    lblPreacher = findChild<QLabel *>(QStringLiteral("lblPreacher"));
    lblPublisher = findChild<QLabel *>(QStringLiteral("lblPublisher"));

    for (QWidget *box : { static_cast<QWidget *>(txtPubTitle), static_cast<QWidget *>(txtPubyear),
             static_cast<QWidget *>(txtNotes) }) {
        SelectTextOnEntry(box);
    }
    for (QLineEdit *line : { txtName, txtPubTitle, txtPubyear }) {
        connect(line, &QLineEdit::textEdited, this, &DataScreen::dataHasChanged);
    }
    connect(txtNotes, &QPlainTextEdit::textChanged, this, &DataScreen::dataHasChanged);
    for (QComboBox *combo : { cboBibleBook, cboPreacher, cboType, cboPublisher }) {
        connect(combo, &QComboBox::activated, this, &DataScreen::dataHasChanged);
    }

    auto *buttons = new QHBoxLayout;
    buildButtons(buttons);

    auto *detail = new QHBoxLayout;
    detail->addLayout(fields, 1);
    detail->addWidget(fraSource, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grdSeries, 1);
    layout->addLayout(detail);
    layout->addLayout(notes);
    layout->addLayout(buttons);
    resize(760, 560);
}

void frmSeries::buildButtons(QHBoxLayout *buttons)
{
    cmdNew = button(this, buttons, QStringLiteral("cmdNew"), tr("&New"));
    cmdDelete = button(this, buttons, QStringLiteral("cmdDelete"), tr("&Delete"));
    cmdSave = button(this, buttons, QStringLiteral("cmdSave"), tr("S&ave"));
    cmdClose = button(this, buttons, QStringLiteral("cmdClose"), tr("&Close"));
    cmdSermons = button(this, buttons, QStringLiteral("cmdSermons"), tr("&Sermons"));
    connect(cmdNew, &QPushButton::clicked, this, &frmSeries::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSeries::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSeries::cmdDelete_Click);
    connect(cmdSermons, &QPushButton::clicked, this, &frmSeries::cmdSermons_Click);
    setEditButtons(cmdNew, cmdDelete, cmdSave, cmdClose);
    setRecordList(grdSeries);
}

void frmSeries::showSeries()
{
    HourglassGuard busy;
    LoadingGuard loading(this);
    const qint32 key = m_seriesID;
    m_series.setSeriesID(key);
    if (!m_series.Find()) {
        if (m_series.LastError().isSet()) {
            ShowSystemError(m_series.LastError());
        }
        return;
    }
    clearFields();
    lblSeriesID->setText(SQLLong(key));
    // The row as stored, each text shown with one blank after it (saving trims it again).
    const QVariantList row = SeriesLookups::storedSeries(key);
    if (row.isEmpty()) {
        return;
    }
    const QString blank = QStringLiteral(" ");
    txtName->setText(ColumnText(row.at(0)) + blank);
    txtPubTitle->setText(ColumnText(row.at(1)) + blank);
    txtPubyear->setText(ColumnText(row.at(2)) + blank);
    txtNotes->setPlainText(ColumnText(row.at(3)) + blank);
    ShowPublisher(cboPublisher, NullToLong(row.at(4)));
    ShowBibleBook(cboBibleBook, NullToLong(row.at(5)));
    ShowPreacher(cboPreacher, NullToLong(row.at(6)));
    ShowType(cboType, NullToLong(row.at(7)));
}

void frmSeries::clearFields()
{
    LoadingGuard loading(this);
    txtName->clear();
    lblSeriesID->clear();
    txtPubTitle->clear();
    txtPubyear->clear();
    txtNotes->clear();
    for (QComboBox *combo : { cboPublisher, cboBibleBook, cboPreacher, cboType }) {
        combo->setCurrentIndex(-1);
    }
}

void frmSeries::lblPreacher_Click()
{
    LoadingGuard loading(this);
    ReloadCombo(cboPreacher, &LoadPreacherCombo);
}

void frmSeries::lblPublisher_Click()
{
    LoadingGuard loading(this);
    ReloadCombo(cboPublisher, &LoadPublisherCombo);
}

bool frmSeries::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == lblPreacher) {
            lblPreacher_Click();
        } else if (watched == lblPublisher) {
            lblPublisher_Click();
        }
    }
    return DataScreen::eventFilter(watched, event);
}

void frmSeries::cmdNew_Click()
{
    m_adding = true;
    clearFields();
    grdSeries->setRow(m_listRows + 1);
    grdSeries->setCol(0);
    txtName->setFocus();
    cmdNew->setEnabled(false);
}

void frmSeries::newRecord()
{
    cmdNew_Click();
}

void frmSeries::copyToRecord()
{
    m_series.setName(txtName->text());
    m_series.setPubTitle(txtPubTitle->text());
    m_series.setPubYear(txtPubyear->text());
    m_series.setNotes(txtNotes->toPlainText());
    m_series.setPublisherID(SelectedKey(cboPublisher));
    m_series.setBibleBookID(SelectedKey(cboBibleBook));
    m_series.setPreacherID(SelectedKey(cboPreacher));
    m_series.setTypeID(SelectedKey(cboType));
}

bool frmSeries::reportInvalid()
{
    const QString message = m_series.InfoMsg();
    QApplication::beep();
    if (m_series.InfoField() == u"strName") {
        txtName->setFocus();
    } else if (m_series.InfoField() == u"strPubYear") {
        txtPubyear->setFocus();
    }
    MsgBox(message);
    return false;
}

void frmSeries::reportFailure()
{
    if (m_series.LastError().isSet()) {
        ShowSystemError(m_series.LastError());
    } else if (!m_series.InfoMsg().isEmpty()) {
        MsgBox(m_series.InfoMsg(), MsgBoxStyle::OkExclamation, windowTitle());
    }
}

void frmSeries::cmdSave_Click()
{
    saveRecord();
}

bool frmSeries::saveRecord()
{
    copyToRecord();
    if (!m_series.Check()) {
        return reportInvalid();
    }
    HourglassGuard busy;
    // Fields that belong to no stored series (the heading row was clicked) make a new one
    // instead of overwriting the default series with key 0; so does a series that another
    // copy deleted meanwhile, when the user wants the version on the screen kept.
    using ChangedUnderneath::Outcome;
    Outcome outcome = Outcome::SaveAsNew;
    if (!m_adding && ShowsKey(lblSeriesID)) {
        const qint32 key = KeyFromText(lblSeriesID->text());
        m_series.setSeriesID(key);
        outcome = ChangedUnderneath::replace(
            m_series, [this, key] { showTheirVersion(key); }, windowTitle());
        if (outcome == Outcome::KeepEditing) {
            return false;
        }
        if (outcome == Outcome::Failed) {
            reportFailure();
            return false;
        }
    }
    if (outcome == Outcome::SaveAsNew) {
        if (!m_series.AddNew()) {
            // Still editing: the typing is kept to correct or cancel.
            reportFailure();
            return false;
        }
        // The new series' row is the one now shown.
        grdSeries->setRow(grdSeries->rowOfKey(m_series.SeriesID()));
        grdSeries->setCol(0);
        lblSeriesID->setText(SQLLong(m_series.SeriesID()));
    }
    Q_EMIT ScreenEvents::instance().seriesChanged();
    m_adding = false;
    enterBrowseState();
    return true;
}

void frmSeries::showTheirVersion(qint32 key)
{
    clsSeries theirs;
    theirs.setSeriesID(key);
    if (!theirs.Find()) {
        return;
    }
    // The screen's lists name the book, preacher, type and publisher.
    const auto entry = [](const QComboBox *list, qint32 value) {
        const int index = list->findData(QVariant(value));
        return index >= 0 ? list->itemText(index) : QString();
    };
    ChangedUnderneath::TheirVersion version;
    version.fields = { { tr("Name:"), theirs.Name() },
        { tr("Bible Book:"), entry(cboBibleBook, theirs.BibleBookID()) },
        { tr("Preacher:"), entry(cboPreacher, theirs.PreacherID()) },
        { tr("Type:"), entry(cboType, theirs.TypeID()) }, { tr("Book Title:"), theirs.PubTitle() },
        { tr("Publisher:"), entry(cboPublisher, theirs.PublisherID()) },
        { tr("Year:"), theirs.PubYear() } };
    version.longLabel = tr("Notes:");
    version.longText = theirs.Notes();
    ChangedUnderneath::showTheirVersion(this, version);
}

void frmSeries::cmdDelete_Click()
{
    if (!ShowsKey(lblSeriesID)) {
        return;
    }
    MsgBox(tr("You will be asked next to confirm this delete request -- "
              "Be careful because any sermons tied to the "
              "series you delete will automatically be deleted!!  "
              "If you want to save the sermons, first remove "
              "the series reference in each sermon record and "
              "then come back and delete the Series record."),
        MsgBoxStyle::OkExclamation);
    if (!ConfirmDelete(tr("Delete the Current Record"))) {
        return;
    }
    if (lblSeriesID->text() == QLatin1String("0")) {
        MsgBox(tr("You are not allowed to delete this record"));
        return;
    }
    m_series.setSeriesID(KeyFromText(lblSeriesID->text()));
    // On success the grid row is blanked and a new series started (deleted()).
    if (!m_series.Delete()) {
        reportFailure();
        return;
    }
    Q_EMIT ScreenEvents::instance().seriesChanged();
    Q_EMIT ScreenEvents::instance().sermonsChanged();
    MsgBox(tr("Delete was successful"), MsgBoxStyle::OkExclamation);
    grdSeries->setEnabled(false);
    cmdNew->setEnabled(false);
    cmdDelete->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdClose->setText(tr("&Cancel"));
}

void frmSeries::cancelEdit()
{
    m_adding = false;
    grdSeries_Click(grdSeries->row());
}

void frmSeries::cmdSermons_Click()
{
    const SermonQuery query = SermonQuery::bySeries(KeyFromText(lblSeriesID->text()));
    if (QMdiSubWindow *frame = subWindow()) {
        frame->showMinimized();
    }
    if (frmMain *main = frmMain::instance()) {
        main->showSermons(query);
    }
}

void frmSeries::screenClosing()
{
    clsSeries::stopListening(this);
    SetMainItemsEnabled(OpeningItems, true);
}
