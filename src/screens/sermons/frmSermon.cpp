#include "frmSermon.h"

#include "ChangedUnderneath.h"
#include "DataGrid.h"
#include "DateEntry.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "HourglassGuard.h"
#include "OutlineRecoveryWatch.h"
#include "ProgramGlobals.h"
#include "ReferenceText.h"
#include "ScreenEvents.h"
#include "ScreenOperations.h"
#include "ScreenPlacement.h"
#include "SermonChoiceLists.h"
#include "SermonFieldTransfer.h"
#include "SermonMenuState.h"
#include "SermonPassageHistory.h"
#include "SermonScreenLayout.h"
#include "SermonTheirVersion.h"
#include "SharedOutline.h"
#include "SqlLiterals.h"
#include "Twips.h"
#include "clsConnect.h"
#include "clsLocation.h"
#include "clsSermon.h"
#include "frmMain.h"
#include "frmNotes.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace {

frmSermon *g_sermonScreen = nullptr;

const QString Blank = QStringLiteral(" ");

} // namespace

frmSermon::frmSermon(QWidget *parent)
    : DataScreen(parent)
    , m_sermon(std::make_unique<clsSermon>())
{
    g_sermonScreen = this;
    setObjectName(QStringLiteral("frmSermon"));
    setWindowTitle(tr("Sermon Identification Screen"));
    SermonScreenLayout::build(this, ui);
    setEditButtons(ui.cmdNew, ui.cmdDelete, ui.cmdSave, ui.cmdClose);
    setRecordList(ui.grdSermons);
    connectControls();
    SermonPassageHistory::attach(this, ui);
    OutlineRecoveryWatch::attach(this, ui);
    DateEntry::attach(ui.txtDatePreached);
    {
        LoadingGuard loading(this);
        SermonChoiceLists::fillSeries(ui.cboSeries);
        SermonChoiceLists::fillBibleBooks(ui.cboBibleBook);
        fillPreachers();
        SermonChoiceLists::fillTypes(ui.cboType);
        SetListHeadings();
    }
    enterBrowseState();
    clsSermon::listen(this);
}

frmSermon::~frmSermon()
{
    clsSermon::stopListening(this);
    if (g_sermonScreen == this) {
        g_sermonScreen = nullptr;
    }
}

frmSermon *frmSermon::instance()
{
    return g_sermonScreen;
}

void frmSermon::connectControls()
{
    connect(ui.grdSermons, &DataGrid::rowChosen, this, &frmSermon::grdSermons_RowChosen);
    connect(ui.cmdSave, &QPushButton::clicked, this, &frmSermon::cmdSave_Click);
    connect(ui.cmdNew, &QPushButton::clicked, this, &frmSermon::cmdNew_Click);
    connect(ui.cmdDelete, &QPushButton::clicked, this, &frmSermon::cmdDelete_Click);
    connect(ui.cmdTopics, &QPushButton::clicked, this, &frmSermon::cmdTopics_Click);
    connect(ui.cmdIllustr, &QPushButton::clicked, this, &frmSermon::cmdIllustr_Click);
    connect(ui.cmdTrack, &QPushButton::clicked, this, &frmSermon::cmdTrack_Click);
    connect(ui.cmdOutline, &QPushButton::clicked, this, &frmSermon::cmdOutline_Click);
    connect(ui.cmdRecordings, &QPushButton::clicked, this, &frmSermon::cmdRecordings_Click);
    for (QComboBox *list : { ui.cboType, ui.cboSeries, ui.cboPreacher, ui.cboBibleBook }) {
        connect(list, &QComboBox::activated, this, &frmSermon::DataHasChanged);
    }
    // Typing is caught by the common key test; this also catches pasting with the mouse.
    for (QLineEdit *box : { ui.txtBegC, ui.txtBegV, ui.txtEndC, ui.txtEndV, ui.txtReference,
             ui.txtTitle, ui.txtBigIdea, ui.txtDatePreached, ui.txtLocation }) {
        connect(box, &QLineEdit::textEdited, this, &frmSermon::DataHasChanged);
    }
    for (QLineEdit *box : { ui.txtBegC, ui.txtBegV, ui.txtEndC, ui.txtEndV }) {
        connect(box, &QLineEdit::editingFinished, this, &frmSermon::passageChanged);
    }
    connect(ui.cboBibleBook, &QComboBox::activated, this, &frmSermon::passageChanged);
    ui.txtEndV->installEventFilter(this);
    ui.txtTitle->installEventFilter(this);
    ui.lblPreacher->installEventFilter(this);
    ui.lblSeries->installEventFilter(this);
    connect(&ScreenEvents::instance(), &ScreenEvents::preachersChanged, this,
        [this] { refillKeepingChoice(ui.cboPreacher, &frmSermon::fillPreachers); });
    connect(&ScreenEvents::instance(), &ScreenEvents::seriesChanged, this,
        [this] { refillKeepingChoice(ui.cboSeries, &frmSermon::fillSeries); });
}

bool frmSermon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.txtEndV && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            txtEndV_LostFocus();
        }
    } else if (watched == ui.txtTitle && event->type() == QEvent::FocusIn) {
        // After the focus change, so that a click into the box does not undo the selection.
        QTimer::singleShot(0, ui.txtTitle, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::MouseButtonRelease && watched == ui.lblPreacher) {
        lblPreacher_Click();
    } else if (event->type() == QEvent::MouseButtonRelease && watched == ui.lblSeries) {
        lblSeries_Click();
    }
    return DataScreen::eventFilter(watched, event);
}

void frmSermon::Form_Load(const SermonQuery &query)
{
    HourglassGuard busy;
    if (QMdiSubWindow *frame = subWindow()) {
        frame->adjustSize();
        frame->move(TwipsToPixels(20), TwipsToPixels(20));
        KeepInWorkArea(frame);
    }
    pboolAdding = false;
    SermonMenuState::screenOpened();
    if (!SermonMenuState::toolButtonHidden("grpNewSermon")) {
        SermonMenuState::setToolButtonVisible("grpNewSermon", false);
        LoadSermonList(query);
    } else {
        // "Add New Sermon" hid its button before opening the screen.
        StartEmptyList();
    }
}

void frmSermon::fillPreachers()
{
    SermonChoiceLists::fillPreachers(
        ui.cboPreacher, SermonChoiceLists::PreacherText::LastAndFirstName);
}

void frmSermon::fillSeries()
{
    SermonChoiceLists::fillSeries(ui.cboSeries);
}

void frmSermon::refillKeepingChoice(QComboBox *list, void (frmSermon::*fill)())
{
    // Another screen added or renamed an entry: the list follows, the choice stays.
    LoadingGuard loading(this);
    const bool chosen = list->currentIndex() >= 0;
    const qint32 key = SermonFieldTransfer::chosenKey(list);
    (this->*fill)();
    if (chosen) {
        SermonFieldTransfer::selectByKey(list, key);
    }
}

void frmSermon::FormShow()
{
    HourglassGuard busy;
    {
        LoadingGuard loading(this);
        // The current sermon, whoever chose it.
        m_sermon->setSermonID(m_currentSermonID);
        // The row the record reads is the row the form shows: one statement for both.
        bool shown = false;
        const bool found = m_sermon->Find([&](const DbSnapshot &rs) {
            ui.lblSermonID->setText(SQLLong(m_currentSermonID));
            SermonFieldTransfer::showRow(ui, rs);
            SermonFieldTransfer::selectChoices(ui, rs);
            m_outline = NullToText(rs.field(u"strOutline"));
            shown = true;
        });
        if (found && shown) {
            SharedOutline().text = m_outline;
            frmNotes *notes = frmNotes::load();
            if (frmMain *main = frmMain::instance()) {
                notes->applyOutlineFont(main->outlineFontName(), main->outlineFontSize());
            }
            notes->setOutline(m_outline);
            // The notes window holds the outline now: nothing waits in the hand-over.
            SharedOutline().text.clear();
            notes->showWindow(false, false);
            SermonPassageHistory::showHistory(ui);
            Q_EMIT passageChanged();
        }
        m_listRow = 1;
    }
}

void frmSermon::FormClear()
{
    LoadingGuard loading(this);
    SermonFieldTransfer::clear(ui);
    ui.lblHistory->clear();
    // No sermon, no outline: what is entered next starts from an empty outline rather than
    // the one shown before.
    m_outline.clear();
    if (frmNotes *notes = frmNotes::instance()) {
        notes->setOutline(QString());
    }
    Q_EMIT passageChanged();
}

BiblePassage frmSermon::shownPassage() const
{
    BiblePassage passage
        = BiblePassage::fromSermonColumns(SermonFieldTransfer::chosenKey(ui.cboBibleBook),
            ReferenceNumber(ui.txtBegC->text()), ReferenceNumber(ui.txtBegV->text()),
            ReferenceNumber(ui.txtEndC->text()), ReferenceNumber(ui.txtEndV->text()));
    passage.bookName = ui.cboBibleBook->currentText();
    return passage;
}

void frmSermon::FormMove()
{
    SermonFieldTransfer::move(ui, *m_sermon);
    m_sermon->setOutline(outlineText());
}

bool frmSermon::FormCheck()
{
    FormMove();
    if (m_sermon->Check()) {
        return true;
    }
    QApplication::beep();
    if (m_sermon->InfoField() == u"strDisplayText")
        ui.txtReference->setFocus();
    MsgBox(m_sermon->InfoMsg());
    return false;
}

bool frmSermon::FormSave()
{
    HourglassGuard busy;
    bool saved = false;
    using ChangedUnderneath::Outcome;
    // A sermon without a key is inserted; so is one that another copy deleted meanwhile, when
    // the user wants the version on the screen kept.
    Outcome outcome = Outcome::SaveAsNew;
    if (!SermonFieldTransfer::isBlank(ui.lblSermonID->text())) {
        ui.grdSermons->setRow(m_listRow);
        m_sermon->setSermonID(ReferenceNumber(ui.lblSermonID->text()));
        const auto showTheirs = [this] {
            SermonTheirVersion::show(this, m_sermon->SermonID(),
                { ui.cboPreacher, ui.cboType, ui.cboSeries, ui.cboBibleBook });
        };
        outcome = ChangedUnderneath::replace(*m_sermon, showTheirs, windowTitle());
        saved = outcome == Outcome::Saved;
    }
    if (outcome == Outcome::SaveAsNew) {
        saved = m_sermon->AddNew();
        if (saved) {
            ui.lblSermonID->setText(SQLLong(m_sermon->SermonID()));
            // The new row, put in front of the blank row (inserted()), is the one chosen.
            ui.grdSermons->setRow(m_listRow);
        }
    }
    if (saved) {
        m_outline = m_sermon->Outline();
        pboolAdding = false;
        ResetButtons();
        Q_EMIT ScreenEvents::instance().sermonsChanged();
    } else if (outcome != Outcome::KeepEditing) {
        // The edits stay on screen and unsaved, so that closing still asks about them.
        showRecordFailure();
    }
    return saved;
}

void frmSermon::showRecordFailure()
{
    if (!m_sermon->InfoMsg().isEmpty()) {
        MsgBox(m_sermon->InfoMsg(), MsgBoxStyle::OkExclamation, windowTitle());
    }
}

void frmSermon::cmdSave_Click()
{
    if (FormCheck()) {
        FormSave();
    }
}

void frmSermon::cmdNew_Click()
{
    pboolAdding = true;
    FormClear();
    const qint32 blankRow = m_listRows + 1;
    ui.grdSermons->setRow(blankRow);
    ui.grdSermons->setCol(0);
    {
        LoadingGuard loading(this);
        clsLocation location;
        location.setLocationID(clsLocation::DefaultLocationID());
        location.OpenRecordset();
        if (location.Retrieve()) {
            ui.txtLocation->setText(location.Location() + Blank);
        } else if (location.LastError().isSet()
            && location.LastError().number != DbErrorNumber::NoCurrentRecord) {
            ShowSystemError(location.LastError());
        }
        location.CloseRecordset();
    }
    ui.cboPreacher->setFocus();
    ui.cmdTopics->setEnabled(false);
    ui.cmdIllustr->setEnabled(false);
    ui.cmdOutline->setEnabled(false);
    ui.cmdRecordings->setEnabled(false);
    SermonMenuState::setToolButtonVisible("grpNotes", false);
    ui.cmdClose->setText(tr("&Cancel"));
}

void frmSermon::cmdDelete_Click()
{
    // Only a sermon that is shown can be deleted; with empty fields the record would still
    // hold the sermon shown before.
    if (SermonFieldTransfer::isBlank(ui.lblSermonID->text())) {
        return;
    }
    if (!ConfirmDelete(tr("Delete the Current Record"))) {
        return;
    }
    m_sermon->setSermonID(ReferenceNumber(ui.lblSermonID->text()));
    if (!m_sermon->Delete()) {
        showRecordFailure();
        return;
    }
    Q_EMIT ScreenEvents::instance().sermonsChanged();
    MsgBox(tr("Delete was successful"), MsgBoxStyle::OkExclamation);
    ui.cmdNew->setEnabled(false);
    ui.cmdDelete->setEnabled(false);
    ui.cmdSave->setEnabled(false);
    ui.cmdClose->setText(tr("&Cancel"));
    pboolAdding = false;
}

void frmSermon::enterNewSermon()
{
    ui.cboPreacher->setFocus();
    pboolAdding = true;
}

void frmSermon::presetTitle(const QString &title)
{
    LoadingGuard loading(this);
    ui.txtTitle->setText(title);
}

void frmSermon::DataHasChanged()
{
    dataHasChanged();
}

void frmSermon::ResetButtons()
{
    enterBrowseState();
    ui.cmdTopics->setEnabled(true);
    ui.cmdIllustr->setEnabled(true);
    ui.cmdOutline->setEnabled(true);
    ui.cmdRecordings->setEnabled(true);
    SermonMenuState::setToolButtonVisible("grpNotes", true);
}

void frmSermon::lblPreacher_Click()
{
    clearChoice(ui.cboPreacher, &frmSermon::fillPreachers);
}

void frmSermon::lblSeries_Click()
{
    clearChoice(ui.cboSeries, &frmSermon::fillSeries);
}

void frmSermon::clearChoice(QComboBox *list, void (frmSermon::*fill)())
{
    const bool hadChoice = list->currentIndex() >= 0;
    {
        LoadingGuard loading(this);
        list->setCurrentIndex(-1);
        (this->*fill)();
    }
    // Taking a sermon out of a series (or away from its preacher) is a change like picking
    // another entry: it can be saved.
    if (hadChoice) {
        DataHasChanged();
    }
}

void frmSermon::txtEndV_LostFocus()
{
    if (!SermonFieldTransfer::isBlank(ui.txtReference->text())
        || ReferenceNumber(ui.txtBegC->text()) <= 0) {
        return;
    }
    // The library's own name: a reference reads, sorts and searches alike whatever the
    // interface's language was when it was typed.
    ui.txtReference->setText(ReferenceText(SermonChoiceLists::storedBookName(ui.cboBibleBook),
        ui.txtBegC->text(), ui.txtBegV->text(), ui.txtEndC->text(), ui.txtEndV->text()));
}

void frmSermon::cmdOutline_Click()
{
    showNotes(true);
}

QString frmSermon::outlineText() const
{
    if (const frmNotes *notes = frmNotes::instance()) {
        return notes->outline();
    }
    return m_outline;
}

void frmSermon::showNotes(bool maximized)
{
    const bool loaded = frmNotes::instance() != nullptr;
    frmNotes *notes = frmNotes::load();
    if (!loaded) {
        notes->setOutline(m_outline);
    }
    notes->showWindow(maximized, true);
}

void frmSermon::outlineEdited(const QString &text)
{
    if (text != m_outline) {
        DataHasChanged();
    }
}

void frmSermon::notesClosing(const QString &text)
{
    m_outline = text;
}

bool frmSermon::saveRecord()
{
    return FormCheck() && FormSave();
}

void frmSermon::newRecord()
{
    cmdNew_Click();
}

void frmSermon::cancelEdit()
{
    ResetButtons();
    grdSermons_RowChosen(ui.grdSermons->row());
}

void frmSermon::screenClosing()
{
    clsSermon::stopListening(this);
    m_listRows = 0;
    if (frmNotes *notes = frmNotes::instance()) {
        notes->closeWindow();
    }
    SharedOutline().searchedWords.clear();
    SermonMenuState::screenClosed();
    // The notes window put back its own remembered text; the screen's comes last.
    EndBusy(rememberedStatusText());
    if (g_sermonScreen == this) {
        g_sermonScreen = nullptr;
    }
}
