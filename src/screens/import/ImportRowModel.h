#pragma once

#include "ImportNames.h"
#include "ImportReview.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of an import's review as a table: a tick per row, every fact of the sermon editable
// (the file and its status are what was found, not facts to type). Edits keep the statuses
// right: a passage typed is read at once, and duplicates are worked out again.
class ImportRowModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Tick,
        File,
        Title,
        Passage,
        Date,
        Preacher,
        Type,
        Series,
        Location,
        Status,
        ColumnCount
    };
    // The role a column sorts by (dates as dates, ticks as numbers).
    static constexpr int SortRole = Qt::UserRole + 1;

    ImportRowModel(const ImportReview &review, const ImportNames &names, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    const QList<ImportRow> &rows() const { return m_rows; }
    void setRows(const QList<ImportRow> &rows);
    // Adds rows read later (another folder); duplicates among them start unticked.
    void appendRows(const QList<ImportRow> &rows);
    void clear();

    // The preacher of the given rows (all when empty), by name as the library writes it.
    void setPreacher(const QList<int> &rows, const QString &name);
    // Each row's series from the name of its folder, where the library has such a series.
    void setSeriesFromFolder(bool on);
    int tickedCount() const;
    // The row's state, and the outside program that read its file when one did.
    static QString statusText(const ImportRow &row);

private:
    static QString stateText(const ImportRow &row);
    QVariant cell(const ImportRow &row, int column) const;
    QVariant sortKey(const ImportRow &row, int column) const;
    bool setName(ImportRow &row, int column, const QString &text);
    void refresh();

    const ImportReview &m_review;
    const ImportNames &m_names;
    QList<ImportRow> m_rows;
};
