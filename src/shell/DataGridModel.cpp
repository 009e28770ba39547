#include "DataGridModel.h"

#include <QApplication>
#include <QPalette>
#include <iterator>

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
        return cellOf(m_rows[size_t(index.row())], index.column());
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
        dropCellsBeyond(m_columns);
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
        m_rows.resize(size_t(rows));
        endInsertRows();
        return;
    }
    beginRemoveRows(QModelIndex(), rows, current - 1);
    m_rows.resize(size_t(rows));
    endRemoveRows();
}

void DataGridModel::clearRows()
{
    if (m_rows.empty()) {
        return;
    }
    beginResetModel();
    std::vector<Row>().swap(m_rows);
    endResetModel();
}

QString DataGridModel::cellOf(const Row &row, int column) const
{
    if (column < 0 || column >= m_columns) {
        return {};
    }
    if (row.split) {
        return row.cells.value(column);
    }
    const QString &text = row.tabText;
    qsizetype start = 0;
    for (int c = 0; c < column; ++c) {
        const qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
        if (tab < 0) {
            return {};
        }
        start = tab + 1;
    }
    const qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
    if (start == 0 && tab < 0) {
        return text;
    }
    return text.sliced(start, (tab < 0 ? text.size() : tab) - start);
}

void DataGridModel::dropCellsBeyond(int columns)
{
    for (Row &row : m_rows) {
        if (row.split) {
            if (row.cells.size() > columns) {
                row.cells.resize(columns);
            }
            continue;
        }
        qsizetype tab = -1;
        for (int c = 0; c < columns; ++c) {
            tab = row.tabText.indexOf(QLatin1Char('\t'), tab + 1);
            if (tab < 0) {
                break;
            }
        }
        if (columns == 0) {
            row.tabText.clear();
        } else if (tab >= 0) {
            row.tabText.truncate(tab);
        }
    }
}

QString DataGridModel::cell(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size())) {
        return {};
    }
    return cellOf(m_rows[size_t(row)], column);
}

void DataGridModel::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= m_columns) {
        return;
    }
    Row &changed = m_rows[size_t(row)];
    if (!changed.split) {
        if (!changed.tabText.isNull()) {
            changed.cells = changed.tabText.split(QLatin1Char('\t'));
            if (changed.cells.size() > m_columns) {
                changed.cells.resize(m_columns);
            }
        }
        changed.tabText = QString();
        changed.split = true;
    }
    if (changed.cells.size() <= column) {
        changed.cells.resize(column + 1);
    }
    changed.cells[column] = text;
    const QModelIndex at = index(row, column);
    Q_EMIT dataChanged(at, at, { Qt::DisplayRole });
}

void DataGridModel::insertRowText(int row, const QString &tabText)
{
    const int count = int(m_rows.size());
    row = (row < 0 || row > count) ? count : row;
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(m_rows.begin() + row, Row { tabText, {}, false });
    endInsertRows();
}

void DataGridModel::insertRowTexts(int row, QStringList tabTexts)
{
    if (tabTexts.isEmpty()) {
        return;
    }
    const int count = int(m_rows.size());
    row = (row < 0 || row > count) ? count : row;
    std::vector<Row> added;
    added.reserve(size_t(tabTexts.size()));
    for (QString &tabText : tabTexts) {
        added.push_back(Row { std::move(tabText), {}, false });
    }
    beginInsertRows(QModelIndex(), row, row + int(added.size()) - 1);
    m_rows.insert(m_rows.begin() + row, std::make_move_iterator(added.begin()),
        std::make_move_iterator(added.end()));
    endInsertRows();
}

void DataGridModel::removeDataRow(int row)
{
    if (row < 0 || row >= int(m_rows.size())) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

QString DataGridModel::heading(int column) const
{
    return m_headings.value(column);
}

void DataGridModel::setHeading(int column, const QString &text)
{
    if (column < 0 || column >= m_columns) {
        return;
    }
    if (m_headings.size() <= column) {
        m_headings.resize(column + 1);
    }
    m_headings[column] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

void DataGridModel::setFixedColumns(int columns)
{
    m_fixedColumns = qMax(0, columns);
    if (!m_rows.empty() && m_columns > 0) {
        Q_EMIT dataChanged(
            index(0, 0), index(int(m_rows.size()) - 1, m_columns - 1), { Qt::BackgroundRole });
    }
}
