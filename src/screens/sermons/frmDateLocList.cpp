// The tracker's list side: filling grdDateLoc with the sermon's occasions, choosing a row of
// it, and showing there what clsDateLoc announces. The fields and their saving live in
// frmDateLoc.cpp.
#include "frmDateLoc.h"

#include "DataGrid.h"
#include "RecordValues.h"
#include "ScreenOperations.h"
#include "SqlLiterals.h"
#include "UserInterface.h"

#include <QLineEdit>

void frmDateLoc::clearList()
{
    grdDateLoc->clearRows();
    grdDateLoc->setCols(3);
    grdDateLoc->setFixedRows(1);
    grdDateLoc->setRows(2);
    grdDateLoc->setColWidth(0, 480);
    grdDateLoc->setColWidth(1, 5400);
    grdDateLoc->setColWidth(2, 1226);
    grdDateLoc->setText(0, 0, tr("ID#"));
    grdDateLoc->setText(0, 1, tr("Location"));
    grdDateLoc->setText(0, 2, tr("Date Preached"));
}

void frmDateLoc::fillList()
{
    LoadingGuard loading(this);
    clearList();

    // The record walks the occasions of every sermon; this sermon's are kept.
    qint32 count = 0;
    for (bool found = m_record.OpenRecordset(); found; found = m_record.MoveNext()) {
        if (m_record.SermonID() != m_sermonID) {
            continue;
        }
        const QString row = SQLLong(m_record.DateLocID()) + QLatin1Char('\t')
            + TrimBlanks(m_record.Location()) + QLatin1Char('\t')
            + DateText(m_record.DatePreached());
        grdDateLoc->addRow(m_record.DateLocID(), row, count + 1);
        ++count;
    }
    m_record.CloseRecordset();
    if (m_record.LastError().isSet()) {
        ShowSystemError(m_record.LastError());
    }

    grdDateLoc->setRow(1);
    grdDateLoc->setCol(0);
    m_occasionID = qMax(0, grdDateLoc->key(1));
    m_listRows = count;
    if (count < 1) {
        cmdNew_Click();
    }
}

void frmDateLoc::chooseRow(int row)
{
    // The heading row, the blank row and the row of a deleted occasion list none.
    const qint32 key = grdDateLoc->key(row);
    if (key == DataGrid::NoKey) {
        clearFields();
        return;
    }
    m_occasionID = key;
    m_record.setDateLocID(key);
    showOccasion();
}

void frmDateLoc::inserted(const clsDateLoc &occasion)
{
    ++m_listRows;
    const QString row = SQLLong(occasion.DateLocID()) + QLatin1Char('\t') + occasion.Location()
        + QLatin1Char('\t') + DateText(occasion.DatePreached());
    grdDateLoc->addRow(occasion.DateLocID(), row, m_listRows);
    // Keep the new row in sight: six data rows fit the grid.
    if (m_listRows > 6) {
        grdDateLoc->setTopRow(m_listRows - 5);
    }
}

void frmDateLoc::updated(const clsDateLoc &occasion)
{
    const int row = grdDateLoc->rowOfKey(occasion.DateLocID());
    if (row < 0) {
        return;
    }
    // The row shows the fields as the user typed them, the date included.
    grdDateLoc->setText(row, 1, txtLocation->text() + QLatin1Char(' '));
    grdDateLoc->setText(row, 2, txtDate->text() + QLatin1Char(' '));
    grdDateLoc->setCol(0);
}

void frmDateLoc::deleted(qint32 key)
{
    // The row stays, emptied, until the list is filled again.
    const int row = grdDateLoc->rowOfKey(key);
    if (row >= 0) {
        grdDateLoc->blankRow(row, 2);
        grdDateLoc->setCol(0);
    }
}
