#pragma once

#include "DataGrid.h"

// A screen's side of a record's list keeping, handed straight to the screen's grid: the
// screen derives from GridListKeeper<ItsKeeper>, names its grid once with keepListIn(), and
// implements only what its keeper adds (look-ups, the New action).
template <class Keeper> class GridListKeeper : public Keeper
{
public:
    void addListRow(const QString &cells, qint32 row) override { m_grid->addItem(cells, row); }
    void setListRow(qint32 row) override { m_grid->setRow(row); }
    void setListCellText(int column, const QString &text) override
    {
        m_grid->setText(m_grid->row(), column, text);
    }
    void setListColumn(int column) override { m_grid->setCol(column); }
    void setListTopRow(qint32 row) override { m_grid->setTopRow(row); }

protected:
    void keepListIn(DataGrid *grid) { m_grid = grid; }

private:
    DataGrid *m_grid = nullptr;
};
