#pragma once

#include <QString>

// The grid operations a record uses to keep its screen's list in step after an insert or a
// delete. The screen that owns the grid implements them (usually by handing each call to its
// grid) and registers itself with the record class while it is open; records never include
// a screen. Rows and columns count as on the grid: row 0 is the heading row, column 0 the
// key column.
class ListKeeper
{
public:
    virtual ~ListKeeper() = default;

    // Inserts one row at `row`; `cells` holds the cell texts separated by tabs (code 9).
    virtual void addListRow(const QString &cells, qint32 row) = 0;
    // Makes `row` the grid's current and selected row.
    virtual void setListRow(qint32 row) = 0;
    // Sets the text of a cell of the current row.
    virtual void setListCellText(int column, const QString &text) = 0;
    // Moves the current cell to `column` of the current row.
    virtual void setListColumn(int column) = 0;
    // Scrolls the grid so that `row` is its top visible data row.
    virtual void setListTopRow(qint32 row) = 0;
};
