// The sermon screen's list side: filling the grid for the current selection, choosing a row
// of it, and the preachers' names the list shows. The form and its editing live in
// frmSermon.cpp.
#include "frmSermon.h"

#include "DataGrid.h"
#include "HourglassGuard.h"
#include "ReferenceText.h"
#include "SelectionState.h"
#include "SermonFieldTransfer.h"
#include "SermonListFill.h"
#include "SermonListFilter.h"
#include "SermonMenuState.h"
#include "SharedOutline.h"
#include "UserInterface.h"
#include "clsSermon.h"

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
    SermonListFill fill(
        *m_sermon, query, [this](qint32 preacherID) { return lookUpLastName(preacherID); });
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
    SelectionState &selection = ProgramSelection();
    if (query.kind == SermonQuery::Kind::TextSearch) {
        // The notes window selects the words of an outline search in each outline it shows.
        SharedOutline().searchedWords = query.outline.inUse ? query.outline.text : QString();
    }
    const int count = FillList(query);
    selection.glngListRows = count;
    MsgBox(QStringLiteral("Number of Records found = ") + QString::number(count),
        MsgBoxStyle::OkExclamation);
    if (count == 0) {
        SharedOutline().text.clear();
        SetListHeadings();
        // No sermon is listed, so none may stay in the fields: a Save would write it into
        // a row the grid no longer shows.
        FormClear();
    } else {
        selection.glngCurrentSermonID = ReferenceNumber(ui.grdSermons->text(1, 0));
        FormShow();
        SharedOutline().text.clear();
    }
}

QString frmSermon::lookUpLastName(qint32 preacherID)
{
    SelectionState &selection = ProgramSelection();
    selection.glngLookupPreacherID = preacherID;
    GetPreacher();
    selection.glngLookupPreacherID = 0;
    return selection.gstrLastName;
}

void frmSermon::GetPreacher()
{
    SelectionState &selection = ProgramSelection();
    selection.gstrLastName = m_preacherNames.lastName(selection.glngLookupPreacherID);
}

void frmSermon::grdSermons_RowChosen(int row)
{
    const QString key = ui.grdSermons->text(row, 0);
    if (key == QLatin1String("ID#") || SermonFieldTransfer::isBlank(key)) {
        FormClear();
        return;
    }
    SelectionState &selection = ProgramSelection();
    selection.glngCurrentSermonID = ReferenceNumber(key);
    m_sermon->setSermonID(selection.glngCurrentSermonID);
    FormShow();
    selection.glngListRow = ui.grdSermons->row();
    ui.cmdTopics->setEnabled(true);
    ui.cmdIllustr->setEnabled(true);
    ui.cmdOutline->setEnabled(true);
    SermonMenuState::setToolButtonVisible("grpNotes", true);
}

void frmSermon::StartEmptyList()
{
    pboolAdding = true;
    ClearSermonList();
    ProgramSelection().glngListRows = 0;
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
    for (int row = 1; row < ui.grdSermons->rows(); ++row) {
        if (ReferenceNumber(ui.grdSermons->text(row, 0)) == sermonID) {
            ui.grdSermons->setRow(row);
            grdSermons_RowChosen(row);
            return shownSermonID() == sermonID;
        }
    }
    return false;
}

qint32 frmSermon::shownSermonID() const
{
    return qMax(0, ReferenceNumber(ui.lblSermonID->text()));
}
