// The sermon screen's list side: filling the grid for the current selection, choosing a row
// of it and opening the screens that work on its sermon, showing what clsSermon announces,
// and the preachers' names the list shows. The form and its editing live in
// frmSermon.cpp.
#include "frmSermon.h"

#include "DataGrid.h"
#include "HourglassGuard.h"
#include "ReferenceText.h"
#include "SermonFieldTransfer.h"
#include "SermonListFill.h"
#include "SermonListFilter.h"
#include "SermonMenuState.h"
#include "SermonRelatedScreens.h"
#include "SharedOutline.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsSermon.h"
#include "frmRecordings.h"

#include <QLabel>
#include <QPushButton>

void frmSermon::SetListHeadings()
{
    SermonListFill::setUpGrid(ui.grdSermons);
}

void frmSermon::ClearSermonList()
{
    SetListHeadings();
}

int frmSermon::FillList(const SermonQuery &query)
{
    bool anySermon = false;
    m_preacherNames.startCache();
    SermonListFill fill(*m_sermon, query, m_preacherNames);
    GridRowTexts rows = fill.rows(&anySermon);
    const int count = int(rows.size());
    m_preacherNames.stopCache();
    if (anySermon) {
        ClearSermonList();
        SermonListFill::insertRows(ui.grdSermons, std::move(rows));
    }
    ui.grdSermons->setRow(1);
    ui.grdSermons->setCol(0);
    return count;
}

void frmSermon::LoadSermonList(const SermonQuery &query)
{
    HourglassGuard busy;
    if (query.kind == SermonQuery::Kind::TextSearch) {
        // The notes window selects the words of an outline search in each outline it shows.
        SharedOutline().searchedWords = query.outline.inUse ? query.outline.text : QString();
    }
    const int count = FillList(query);
    m_listRows = count;
    MsgBox(tr("Number of Records found = %1").arg(count), MsgBoxStyle::OkExclamation);
    if (count == 0) {
        SharedOutline().text.clear();
        SetListHeadings();
        // No sermon is listed, so none may stay in the fields: a Save would write it into
        // a row the grid no longer shows.
        FormClear();
    } else {
        m_currentSermonID = ui.grdSermons->key(1);
        FormShow();
        SharedOutline().text.clear();
    }
}

void frmSermon::showSermon(qint32 sermonID)
{
    m_currentSermonID = sermonID;
    FormShow();
}

QString frmSermon::lookUpLastName(qint32 preacherID)
{
    return m_preacherNames.lastName(preacherID);
}

void frmSermon::grdSermons_RowChosen(int row)
{
    // The heading row, the blank row and the row of a deleted sermon list none.
    const qint32 key = ui.grdSermons->key(row);
    if (key == DataGrid::NoKey) {
        FormClear();
        return;
    }
    m_currentSermonID = key;
    m_sermon->setSermonID(key);
    FormShow();
    m_listRow = ui.grdSermons->row();
    ui.cmdTopics->setEnabled(true);
    ui.cmdIllustr->setEnabled(true);
    ui.cmdOutline->setEnabled(true);
    ui.cmdRecordings->setEnabled(true);
    SermonMenuState::setToolButtonVisible("grpNotes", true);
}

void frmSermon::StartEmptyList()
{
    pboolAdding = true;
    ClearSermonList();
    m_listRows = 0;
    m_outline.clear();
    cmdNew_Click();
}

void frmSermon::reloadForSelection(const SermonQuery &query)
{
    pboolAdding = false;
    ResetButtons();
    LoadSermonList(query);
}

bool frmSermon::chooseSermon(qint32 sermonID)
{
    const int row = ui.grdSermons->rowOfKey(sermonID);
    if (row < 0) {
        return false;
    }
    ui.grdSermons->setRow(row);
    grdSermons_RowChosen(row);
    return shownSermonID() == sermonID;
}

QString frmSermon::listRowText(const clsSermon &sermon)
{
    return SQLLong(sermon.SermonID()) + QLatin1Char('\t') + sermon.Reference() + QLatin1Char('\t')
        + lookUpLastName(sermon.PreacherID()) + QLatin1Char('\t')
        + clsSermon::BigIdeaOrTitle(sermon.BigIdea(), sermon.Title());
}

void frmSermon::inserted(const clsSermon &sermon)
{
    m_currentSermonID = sermon.SermonID();
    // In front of the blank row, and chosen.
    const qint32 position = m_listRows + 1;
    ui.grdSermons->addRow(sermon.SermonID(), listRowText(sermon), position);
    m_listRow = position;
    // Keep the new row in sight: eight data rows fit the grid.
    if (m_listRows > 8) {
        ui.grdSermons->setTopRow(m_listRows - 7);
    }
    m_listRows += 1;
}

void frmSermon::updated(const clsSermon &sermon)
{
    // Only the row that lists this sermon takes its new texts; after a refill it may be
    // another row, or none.
    const int row = ui.grdSermons->rowOfKey(sermon.SermonID());
    if (row < 0) {
        return;
    }
    const QString blank = QStringLiteral(" ");
    ui.grdSermons->setText(row, 1, sermon.Reference() + blank);
    ui.grdSermons->setText(row, 2, lookUpLastName(sermon.PreacherID()) + blank);
    ui.grdSermons->setText(row, 3, clsSermon::BigIdeaOrTitle(sermon.BigIdea(), sermon.Title()));
    ui.grdSermons->setCol(0);
}

void frmSermon::deleted(qint32 key)
{
    // The row stays, emptied, until the list is filled again; a new sermon starts.
    const int row = ui.grdSermons->rowOfKey(key);
    if (row >= 0) {
        ui.grdSermons->setRow(row);
        ui.grdSermons->blankRow(row, 3);
        ui.grdSermons->setCol(0);
    }
    cmdNew_Click();
}

qint32 frmSermon::shownSermonID() const
{
    return qMax(0, ReferenceNumber(ui.lblSermonID->text()));
}

void frmSermon::openForSelectedRow(const QString &command, bool withTitle)
{
    const qint32 row = m_listRow;
    const qint32 sermonID = ui.grdSermons->key(row);
    if (sermonID == DataGrid::NoKey || sermonID == 0) {
        return;
    }
    m_currentSermonID = sermonID;
    const QString title = QLatin1Char(' ') + ui.grdSermons->text(row, 3);
    SermonRelatedScreens::open(command, sermonID, withTitle ? &title : nullptr);
}

void frmSermon::cmdTopics_Click()
{
    openForSelectedRow(QStringLiteral("frmSermonTopics"), true);
}

void frmSermon::cmdIllustr_Click()
{
    openForSelectedRow(QStringLiteral("frmSermIllu"), true);
}

void frmSermon::cmdTrack_Click()
{
    openForSelectedRow(QStringLiteral("frmDateLoc"), false);
}

void frmSermon::cmdRecordings_Click()
{
    const qint32 sermonID = ui.grdSermons->key(m_listRow);
    if (sermonID == DataGrid::NoKey || sermonID == 0) {
        return;
    }
    auto *dialog = new frmRecordings(sermonID, ui.grdSermons->text(m_listRow, 3), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
