#pragma once

#include "GridRowTexts.h"

#include <QAbstractTableModel>
#include <QStringList>

// The cells behind a DataGrid. A row is kept as the one tab-separated text it was added as
// (see GridRowTexts) and read cell by cell on demand, so adding a hundred thousand rows
// copies no cell and emptying them frees a few blocks. The heading texts live apart from the
// data rows.
class DataGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DataGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setColumns(int columns);
    // Grows (with empty rows) or shrinks the data rows.
    void setDataRows(int rows);
    // Every data row at once, as one model reset: the view forgets its rows in one step
    // instead of being told of each one that goes.
    void clearRows();

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // Inserts a row before `row` (rowCount() appends); the cells are the tab-separated parts
    // of `tabText`, extra parts beyond the column count are dropped. `key` is the record the
    // row lists (GridRowTexts::NoKey for none).
    void insertRowText(int row, const QString &tabText, qint32 key = GridRowTexts::NoKey);
    // The same for many rows at once, announced to the view as one insertion; the rows'
    // texts are taken over, not copied.
    void insertRowTexts(int row, GridRowTexts tabTexts);
    void removeDataRow(int row);
    qint32 rowKey(int row) const { return m_rows.key(row); }
    void setRowKey(int row, qint32 key) { m_rows.setKey(row, key); }

    QString heading(int column) const;
    // False when the column has that heading already (or is none of the grid's).
    bool setHeading(int column, const QString &text);

    // Columns drawn like headings (the grid's fixed columns).
    void setFixedColumns(int columns);
    int fixedColumns() const { return m_fixedColumns; }

private:
    GridRowTexts m_rows;
    QStringList m_headings;
    int m_columns = 2;
    int m_fixedColumns = 0;
};
