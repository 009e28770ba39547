#pragma once

#include "GridRowTexts.h"

#include <QHash>
#include <QTableView>

class DataGridModel;

// The list grid of the screens (sermons, series, preaching occasions). Rows and columns are
// numbered the way the screens count them: with one fixed row, row 0 is the heading row and
// the data starts at row 1. Cells hold text only; a row is added as one tab-separated text,
// with the key of the record it lists (see key()). Column widths are in twips.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);

    // All rows, the fixed heading row included. Setting it adds empty rows or drops rows at
    // the end.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    // 0 or 1: whether row 0 is a heading row that stays in view.
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows);
    // Leading columns drawn like headings.
    int fixedCols() const;
    void setFixedCols(int cols);

    int colWidth(int col) const;
    // The width asked for, or what the column's heading needs where that is more.
    void setColWidth(int col, int twips);

    // The text of any cell; row 0 of a grid with a fixed row is the heading of that column.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);
    // The text of the current cell.
    QString currentText() const { return text(row(), col()); }

    // Inserts a row of tab-separated cells in front of `row`; -1 (or the row count) appends.
    void addItem(const QString &tabText, int row = -1);
    // The same for the row listing the record with `key`.
    void addRow(qint32 key, const QString &tabText, int row = -1);
    // Many rows in front of `row` as addItem would insert them one after another, in one
    // insertion (a long list costs the view one update instead of one per row).
    void addItems(GridRowTexts tabTexts, int row = -1);
    void removeItem(int row);

    // The key of the record that `row` lists; NoKey for the heading row, blank rows and rows
    // beyond the grid.
    static constexpr qint32 NoKey = GridRowTexts::NoKey;
    qint32 key(int row) const;
    void setKey(int row, qint32 key);
    // The first data row listing `key`; -1 when no row does.
    int rowOfKey(qint32 key) const;
    // Empties the cells of `row` (each becomes one blank, up to `lastColumn`) and forgets its
    // key: the row of a record that is gone stays in its place until the list is filled again.
    void blankRow(int row, int lastColumn);
    // Removes every data row at once; headings and column settings stay.
    void clearRows();

    // The current cell. Setting it also makes that cell the whole selection. With no current
    // cell yet the first data cell counts as current; -1 when the grid has no data rows.
    // A click on the heading row makes row 0 current (no cell selected) until a data row is
    // chosen.
    int row() const;
    void setRow(int row);
    int col() const;
    void setCol(int col);

    // The first data row in view.
    int topRow() const;
    void setTopRow(int row);

    DataGridModel *gridModel() const { return m_model; }

protected:
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

Q_SIGNALS:
    // The current cell moved to another row, by the user or by setRow().
    void currentRowChanged(int row);
    // The user (mouse or keyboard) moved the current cell to another row.
    void rowChosen(int row);

private:
    void moveCurrent(int row, int col);
    void chooseHeadingRow();
    int headingWidth(int col) const;
    void widenToHeading(int col);
    void onCurrentChanged(const QModelIndex &current, const QModelIndex &previous);

    DataGridModel *m_model = nullptr;
    int m_fixedRows = 1;
    bool m_movingByCode = false;
    bool m_headingChosen = false;
    // The width each heading text needs, measured once per font and style: a list that sets
    // its headings up for every fill would otherwise measure them for every fill.
    mutable QHash<QString, int> m_headingWidths;
};
