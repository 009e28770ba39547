// The series screen's list side: filling grdSeries, choosing a row of it, and showing there
// what clsSeries announces. The fields and their saving live in frmSeries.cpp.
#include "frmSeries.h"

#include "DataGrid.h"
#include "SeriesLookups.h"
#include "SqlLiterals.h"
#include "UserInterface.h"

#include <QPushButton>

void frmSeries::setUpGrid()
{
    const QStringList headings
        = { tr("ID#"), tr("Series Name"), tr("Bible Book"), tr("Preacher"), tr("Type") };
    static const int widths[] = { 480, 2372, 1226, 1106, 1186 };
    grdSeries->setFixedRows(1);
    grdSeries->setCols(int(headings.size()));
    for (int col = 0; col < headings.size(); ++col) {
        grdSeries->setText(0, col, headings.at(col));
        grdSeries->setColWidth(col, widths[col]);
    }
    // The heading row and the empty row that New moves to; the series go in between.
    grdSeries->clearRows();
    grdSeries->setRows(2);
}

void frmSeries::fillGrid()
{
    setUpGrid();
    qint32 rows = 0;
    if (m_series.OpenRecordset()) {
        do {
            ++rows;
            grdSeries->addRow(m_series.SeriesID(), rowText(m_series), rows);
        } while (m_series.MoveNext());
    }
    if (m_series.LastError().isSet()) {
        ShowSystemError(m_series.LastError());
    }
    m_listRows = rows;
    if (rows > 0) {
        grdSeries->setRow(1);
        grdSeries->setCol(0);
        m_seriesID = grdSeries->key(1);
    }
}

frmSeries::RowNames frmSeries::lookUpNames(const clsSeries &series)
{
    const SeriesLookups::PreacherName name = SeriesLookups::preacherName(series.PreacherID());
    return { SeriesLookups::bibleBookName(series.BibleBookID()),
        name.last + QStringLiteral(", ") + name.first + QLatin1Char(' '),
        SeriesLookups::typeDescription(series.TypeID()) };
}

QString frmSeries::rowText(const clsSeries &series)
{
    const RowNames names = lookUpNames(series);
    return SQLLong(series.SeriesID()) + QLatin1Char('\t') + series.Name() + QLatin1Char('\t')
        + names.bibleBook + QLatin1Char('\t') + names.preacher + QLatin1Char('\t') + names.type;
}

void frmSeries::inserted(const clsSeries &series)
{
    ++m_listRows;
    grdSeries->addRow(series.SeriesID(), rowText(series), m_listRows);
    // Keep the new row in sight: six data rows fit the grid.
    if (m_listRows > 6) {
        grdSeries->setTopRow(m_listRows - 5);
    }
}

void frmSeries::updated(const clsSeries &series)
{
    const int row = grdSeries->rowOfKey(series.SeriesID());
    if (row < 0) {
        return;
    }
    const RowNames names = lookUpNames(series);
    grdSeries->setText(row, 1, series.Name() + QLatin1Char(' '));
    grdSeries->setText(row, 2, names.bibleBook);
    grdSeries->setText(row, 3, names.preacher);
    grdSeries->setText(row, 4, names.type);
    grdSeries->setCol(0);
}

void frmSeries::deleted(qint32 key)
{
    // The row stays until the screen fills the grid again: its key, name, book and preacher
    // cells become one blank each; the type cell keeps its text. A new series starts.
    const int row = grdSeries->rowOfKey(key);
    if (row >= 0) {
        grdSeries->blankRow(row, 3);
        grdSeries->setCol(0);
    }
    cmdNew_Click();
}

void frmSeries::grdSeries_Click(int row)
{
    if (row >= grdSeries->fixedRows()) {
        grdSeries->setCol(0);
    }
    // The heading, the empty row after the last series and the row of a deleted series list
    // none.
    const qint32 key = grdSeries->key(row);
    if (key == DataGrid::NoKey) {
        clearFields();
        return;
    }
    // Choosing a series abandons a New that was never typed into: editing the series shown
    // must update it, not store a copy of it.
    if (!isEditing()) {
        m_adding = false;
        cmdNew->setEnabled(true);
    }
    m_seriesID = key;
    showSeries();
}
