#pragma once

#include "BiblePassage.h"
#include "DataScreen.h"
#include "RecordChanges.h"
#include "SermonPreacherNames.h"
#include "SermonQuery.h"
#include "SermonScreenWidgets.h"

#include "clsSermon.h"

#include <memory>

class QComboBox;

// "Sermon Identification Screen": the sermon list grdSermons (every sermon the current
// selection passes, in Bible order) above the fields of one sermon, whose outline shows in
// the notes window (frmNotes). New, Save, Delete and Cancel follow the common data-screen
// life; Track, Topics and Illustrations open the screens that work on the selected sermon.
//
// There is one sermon screen at a time (instance()). While it is open it listens to
// clsSermon, so a new sermon's row goes in front of the blank row, a changed sermon's row
// takes its new texts and a deleted sermon's row is blanked; and it changes the main window's
// menus and toolbar (Print shown, Checklist and Search-Text hidden ...).
//
// The list shows what a SermonQuery finds (checklist, text search, passage, or every sermon),
// handed over by whoever asked for the list.
// The list side (filling and choosing rows) is defined in frmSermonList.cpp.
class frmSermon : public DataScreen, public RecordChanges<clsSermon>
{
    Q_OBJECT
public:
    explicit frmSermon(QWidget *parent = nullptr);
    ~frmSermon() override;

    // The open sermon screen, or null.
    static frmSermon *instance();

    // The load steps once the screen is in the work area: placement, main window changes,
    // and the list of what the query finds (or an empty list and a new sermon when "Add New
    // Sermon" opened it).
    void Form_Load(const SermonQuery &query = {});

    // The full list fill: FillList, "Number of Records found = N", the first sermon loaded.
    void LoadSermonList(const SermonQuery &query);
    // Only the walk: every sermon through the query's filters into grdSermons (one batch),
    // nothing shown. Returns the number of rows. For the list fill and benchmarks.
    int FillList(const SermonQuery &query);
    void ClearSermonList();
    void SetListHeadings();

    // Loads the current sermon's fields and outline.
    void FormShow();
    // Makes `sermonID` the current sermon and shows it, whether the list shows it or not.
    void showSermon(qint32 sermonID);
    void FormClear();
    void FormMove();
    bool FormCheck();
    // Inserts (no key shown yet) or updates; true when the record was stored.
    bool FormSave();
    void StartEmptyList();
    void DataHasChanged();
    void ResetButtons();
    void lblPreacher_Click();
    void lblSeries_Click();

    // A user's choice of a grid row: loads that sermon, or clears the fields on the trailing
    // blank row.
    void grdSermons_RowChosen(int row);
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdTopics_Click();
    void cmdIllustr_Click();
    void cmdTrack_Click();
    void cmdOutline_Click();
    void cmdRecordings_Click();
    // Composes txtReference from book, chapters and verses unless the user typed one.
    void txtEndV_LostFocus();

    // The outline the next save stores: the notes window's text while it is open, else the
    // text it had when it closed (or the stored outline when it was not opened since).
    QString outlineText() const;
    // The notes window's text after a key, a click or a replacement: an edit when it differs
    // from the outline as shown from the sermon row or last saved. Not the hand-over, which
    // is emptied once the notes window has the text: a key's release arriving there as the
    // window opens would otherwise count as an edit and leave the list unable to choose.
    void outlineEdited(const QString &text);
    // Opens the notes window with this sermon's outline, maximized on request.
    void showNotes(bool maximized);
    // The notes window is closing with this text.
    void notesClosing(const QString &text);

    void cmdNew_Click();
    // The data rows of the list (the blank row for a new sermon follows them), and the list
    // row of the sermon chosen.
    qint32 listRows() const { return m_listRows; }
    // The sermon chosen in the list (or just added), which the tracker and the assignment
    // screens work on; 0 without one.
    qint32 currentSermonID() const { return m_currentSermonID; }
    qint32 listRow() const { return m_listRow; }

    // True while a new sermon is being entered.
    bool isAdding() const { return pboolAdding; }
    // A query handed over while the screen is open, its edits settled: the new sermon and
    // the edit state end and the list is filled again.
    void reloadForSelection(const SermonQuery &query);
    // "Add New Sermon" ends on the new sermon's preacher list.
    void enterNewSermon();
    // A new sermon's title put in by the program; it does not count as an edit.
    void presetTitle(const QString &title);
    // Chooses the row listing this sermon as a click would; true when the sermon is shown.
    bool chooseSermon(qint32 sermonID);
    // The key of the sermon shown, 0 without one.
    qint32 shownSermonID() const;
    // The passage of the reference fields (book, chapters, verses) as they stand.
    BiblePassage shownPassage() const;

Q_SIGNALS:
    // A sermon was shown or cleared, or a reference field was left (the notes window shows
    // the passage's text).
    void passageChanged();

protected:
    bool saveRecord() override;
    void newRecord() override;
    void cancelEdit() override;
    void screenClosing() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void fillSeries();
    void fillPreachers();
    void refillKeepingChoice(QComboBox *list, void (frmSermon::*fill)());
    void clearChoice(QComboBox *list, void (frmSermon::*fill)());
    void openForSelectedRow(const QString &command, bool withTitle);
    void showRecordFailure();
    QString lookUpLastName(qint32 preacherID);
    // The list row of a sermon: key, reference, preacher's last name, big idea or title.
    QString listRowText(const clsSermon &sermon);

    // RecordChanges: how grdSermons shows what clsSermon stored.
    void inserted(const clsSermon &sermon) override;
    void updated(const clsSermon &sermon) override;
    void deleted(qint32 key) override;

    SermonScreenWidgets ui;
    // True while a new sermon is being entered.
    bool pboolAdding = false;
    qint32 m_listRows = 0;
    qint32 m_currentSermonID = 0;
    qint32 m_listRow = 0;
    std::unique_ptr<clsSermon> m_sermon;
    SermonPreacherNames m_preacherNames;
    QString m_outline;
};
