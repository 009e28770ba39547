#include "DataGridModel.h"

#include <QApplication>
#include <QPalette>

DataGridModel::DataGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int DataGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DataGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant DataGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size())) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return cell(index.row(), index.column());
    case Qt::BackgroundRole:
        if (index.column() < m_fixedColumns) {
            return QApplication::palette().button();
        }
        return {};
    default:
        return {};
    }
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return m_headings.value(section);
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // The screens write cells through code only; the user moves the current cell.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void DataGridModel::setColumns(int columns)
{
    columns = qMax(0, columns);
    if (columns == m_columns) {
        return;
    }
    if (columns > m_columns) {
        m_rows.dropCellsBeyond(m_columns);
        beginInsertColumns(QModelIndex(), m_columns, columns - 1);
        m_columns = columns;
        endInsertColumns();
        return;
    }
    beginRemoveColumns(QModelIndex(), columns, m_columns - 1);
    m_columns = columns;
    if (m_headings.size() > columns) {
        m_headings.resize(columns);
    }
    endRemoveColumns();
}

void DataGridModel::setDataRows(int rows)
{
    rows = qMax(0, rows);
    const int current = int(m_rows.size());
    if (rows == current) {
        return;
    }
    if (rows > current) {
        beginInsertRows(QModelIndex(), current, rows - 1);
        m_rows.resize(rows);
        endInsertRows();
        return;
    }
    beginRemoveRows(QModelIndex(), rows, current - 1);
    m_rows.resize(rows);
    endRemoveRows();
}

void DataGridModel::clearRows()
{
    if (m_rows.isEmpty()) {
        return;
    }
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QString DataGridModel::cell(int row, int column) const
{
    if (column >= m_columns) {
        return {};
    }
    return m_rows.cell(row, column);
}

void DataGridModel::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= m_columns) {
        return;
    }
    m_rows.setCell(row, column, text, m_columns);
    const QModelIndex at = index(row, column);
    Q_EMIT dataChanged(at, at, { Qt::DisplayRole });
}

void DataGridModel::insertRowText(int row, const QString &tabText, qint32 key)
{
    const int count = int(m_rows.size());
    row = (row < 0 || row > count) ? count : row;
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(row, tabText, key);
    endInsertRows();
}

void DataGridModel::insertRowTexts(int row, GridRowTexts tabTexts)
{
    if (tabTexts.isEmpty()) {
        return;
    }
    const int count = int(m_rows.size());
    row = (row < 0 || row > count) ? count : row;
    beginInsertRows(QModelIndex(), row, row + int(tabTexts.size()) - 1);
    m_rows.insert(row, std::move(tabTexts));
    endInsertRows();
}

void DataGridModel::removeDataRow(int row)
{
    if (row < 0 || row >= int(m_rows.size())) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.remove(row);
    endRemoveRows();
}

QString DataGridModel::heading(int column) const
{
    return m_headings.value(column);
}

bool DataGridModel::setHeading(int column, const QString &text)
{
    // A list set up again for each fill keeps its headings.
    if (column < 0 || column >= m_columns || heading(column) == text) {
        return false;
    }
    if (m_headings.size() <= column) {
        m_headings.resize(column + 1);
    }
    m_headings[column] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    return true;
}

void DataGridModel::setFixedColumns(int columns)
{
    m_fixedColumns = qMax(0, columns);
    if (!m_rows.isEmpty() && m_columns > 0) {
        Q_EMIT dataChanged(
            index(0, 0), index(int(m_rows.size()) - 1, m_columns - 1), { Qt::BackgroundRole });
    }
}
