#include "DataGrid.h"

#include "DataGridModel.h"
#include "Twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <cmath>

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new DataGridModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTabKeyNavigation(false);
    // Uniform row heights keep the vertical header's bookkeeping cheap for very long lists.
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The heading row is a row the user can choose, as the trailing blank row is.
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(
        selectionModel(), &QItemSelectionModel::currentChanged, this, &DataGrid::onCurrentChanged);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::chooseHeadingRow);
    // A new grid starts as the screens expect one: two columns, a heading row and one empty row.
    setRows(2);
}

int DataGrid::rows() const
{
    return m_model->rowCount() + m_fixedRows;
}

void DataGrid::setRows(int rows)
{
    m_model->setDataRows(rows - m_fixedRows);
}

int DataGrid::cols() const
{
    return m_model->columnCount();
}

void DataGrid::setCols(int cols)
{
    m_model->setColumns(cols);
}

void DataGrid::setFixedRows(int rows)
{
    const int fixed = qBound(0, rows, 1);
    if (fixed == m_fixedRows) {
        return;
    }
    // The total row count stays: the first data row becomes the heading row or back.
    const int total = this->rows();
    if (fixed == 1 && m_model->rowCount() > 0) {
        for (int c = 0; c < cols(); ++c) {
            m_model->setHeading(c, m_model->cell(0, c));
        }
        m_model->removeDataRow(0);
    } else if (fixed == 0) {
        QStringList headings;
        for (int c = 0; c < cols(); ++c) {
            headings.append(m_model->heading(c));
        }
        m_model->insertRowText(0, headings.join(QLatin1Char('\t')));
    }
    m_fixedRows = fixed;
    horizontalHeader()->setVisible(fixed == 1);
    setRows(total);
}

int DataGrid::fixedCols() const
{
    return m_model->fixedColumns();
}

void DataGrid::setFixedCols(int cols)
{
    m_model->setFixedColumns(cols);
}

int DataGrid::colWidth(int col) const
{
    return int(std::lround(PixelsToTwips(columnWidth(col))));
}

void DataGrid::setColWidth(int col, int twips)
{
    // The width is set once, already widened: a column resized twice lays the grid out twice.
    setColumnWidth(col, qMax(TwipsToPixels(twips), headingWidth(col)));
}

int DataGrid::headingWidth(int col) const
{
    // A heading is never cut: a column narrower than its heading needs widens just enough.
    if (m_fixedRows != 1 || col < 0 || col >= cols()) {
        return 0;
    }
    const QString heading = m_model->heading(col);
    auto known = m_headingWidths.constFind(heading);
    if (known == m_headingWidths.cend()) {
        known = m_headingWidths.insert(heading, horizontalHeader()->sectionSizeHint(col));
    }
    return known.value();
}

void DataGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_headingWidths.clear();
    }
    QTableView::changeEvent(event);
}

void DataGrid::focusInEvent(QFocusEvent *event)
{
    if (currentIndex().isValid()) {
        QTableView::focusInEvent(event);
        return;
    }
    // A view without a current cell makes its first cell current when it takes the focus by
    // any means but a click: its window activated (the window manager answers a click on an
    // inactive window after the click has arrived), the focus given back to the sermon screen
    // from the notes window, Tab. Here that is the heading row chosen, or no row chosen yet:
    // the grid would announce row 1 as the user's choice, and the screen would show its record
    // again right after the heading row emptied the fields. Rows change only by a click, a key
    // or the program.
    // The view's own handler is passed over on purpose: it is the one that picks the cell.
    QAbstractScrollArea::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
    viewport()->update();
}

void DataGrid::widenToHeading(int col)
{
    const int needed = headingWidth(col);
    if (needed > columnWidth(col)) {
        setColumnWidth(col, needed);
    }
}

QString DataGrid::text(int row, int col) const
{
    if (row < m_fixedRows) {
        return row == 0 ? m_model->heading(col) : QString();
    }
    return m_model->cell(row - m_fixedRows, col);
}

void DataGrid::setText(int row, int col, const QString &text)
{
    if (row < 0) {
        return;
    }
    if (row < m_fixedRows) {
        if (m_model->setHeading(col, text)) {
            widenToHeading(col);
        }
    } else {
        m_model->setCell(row - m_fixedRows, col, text);
    }
}

void DataGrid::addItem(const QString &tabText, int row)
{
    const int dataRow = row < 0 ? -1 : qMax(0, row - m_fixedRows);
    m_model->insertRowText(dataRow, tabText);
}

void DataGrid::addRow(qint32 key, const QString &tabText, int row)
{
    const int dataRow = row < 0 ? -1 : qMax(0, row - m_fixedRows);
    m_model->insertRowText(dataRow, tabText, key);
}

qint32 DataGrid::key(int row) const
{
    return row < m_fixedRows ? NoKey : m_model->rowKey(row - m_fixedRows);
}

void DataGrid::setKey(int row, qint32 key)
{
    if (row >= m_fixedRows) {
        m_model->setRowKey(row - m_fixedRows, key);
    }
}

int DataGrid::rowOfKey(qint32 key) const
{
    const int count = m_model->rowCount();
    for (int dataRow = 0; dataRow < count; ++dataRow) {
        if (m_model->rowKey(dataRow) == key) {
            return dataRow + m_fixedRows;
        }
    }
    return -1;
}

void DataGrid::blankRow(int row, int lastColumn)
{
    for (int column = 0; column <= lastColumn; ++column) {
        setText(row, column, QStringLiteral(" "));
    }
    setKey(row, NoKey);
}

void DataGrid::addItems(GridRowTexts tabTexts, int row)
{
    const int dataRow = row < 0 ? -1 : qMax(0, row - m_fixedRows);
    m_model->insertRowTexts(dataRow, std::move(tabTexts));
}

void DataGrid::removeItem(int row)
{
    if (row >= m_fixedRows) {
        m_model->removeDataRow(row - m_fixedRows);
    }
}

void DataGrid::clearRows()
{
    m_model->clearRows();
}

int DataGrid::row() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        return current.row() + m_fixedRows;
    }
    if (m_headingChosen) {
        return 0;
    }
    return m_model->rowCount() > 0 ? m_fixedRows : -1;
}

void DataGrid::setRow(int row)
{
    moveCurrent(row, qMax(0, col()));
}

int DataGrid::col() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        return current.column();
    }
    return cols() > 0 ? 0 : -1;
}

void DataGrid::setCol(int col)
{
    const int current = row();
    moveCurrent(current < m_fixedRows ? m_fixedRows : current, col);
}

void DataGrid::moveCurrent(int row, int col)
{
    const QModelIndex target = m_model->index(row - m_fixedRows, col);
    if (!target.isValid()) {
        return;
    }
    m_movingByCode = true;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    m_movingByCode = false;
}

int DataGrid::topRow() const
{
    const int first = rowAt(0);
    return (first < 0 ? 0 : first) + m_fixedRows;
}

void DataGrid::setTopRow(int row)
{
    const QModelIndex target = m_model->index(row - m_fixedRows, 0);
    if (target.isValid()) {
        scrollTo(target, QAbstractItemView::PositionAtTop);
    }
}

void DataGrid::chooseHeadingRow()
{
    if (m_fixedRows == 0 || !isEnabled()) {
        return;
    }
    // No data cell stays current, so that a click back on the row chosen before counts as
    // a new choice.
    m_movingByCode = true;
    selectionModel()->clearCurrentIndex();
    selectionModel()->clearSelection();
    m_movingByCode = false;
    m_headingChosen = true;
    Q_EMIT currentRowChanged(0);
    Q_EMIT rowChosen(0);
}

void DataGrid::onCurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (!current.isValid()) {
        return;
    }
    m_headingChosen = false;
    if (previous.isValid() && previous.row() == current.row()) {
        return;
    }
    const int gridRow = current.row() + m_fixedRows;
    Q_EMIT currentRowChanged(gridRow);
    if (!m_movingByCode) {
        Q_EMIT rowChosen(gridRow);
    }
}
