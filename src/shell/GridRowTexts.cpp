#include "GridRowTexts.h"

#include <iterator>

namespace {

// The part of a tab-separated text that is cell `column`; empty when the text has fewer cells.
QStringView cellIn(QStringView text, int column)
{
    qsizetype start = 0;
    for (int c = 0; c < column; ++c) {
        const qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
        if (tab < 0) {
            return {};
        }
        start = tab + 1;
    }
    const qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
    return text.sliced(start, (tab < 0 ? text.size() : tab) - start);
}

} // namespace

QStringView GridRowTexts::textOf(const Span &span) const
{
    if (span.length == 0) {
        return {};
    }
    return QStringView(m_blocks[size_t(span.block)]).sliced(span.offset, span.length);
}

qint32 GridRowTexts::roomFor(qsizetype characters)
{
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < characters) {
        QString block;
        block.reserve(qMax(BlockCharacters, characters));
        m_blocks.push_back(std::move(block));
    }
    return qint32(m_blocks.size() - 1);
}

GridRowTexts::Span GridRowTexts::store(QStringView tabText, qint32 key)
{
    if (tabText.isEmpty()) {
        return { 0, 0, 0, key };
    }
    const qint32 block = roomFor(tabText.size());
    QString &text = m_blocks[size_t(block)];
    const Span span { block, qint32(text.size()), qint32(tabText.size()), key };
    text.append(tabText);
    return span;
}

void GridRowTexts::appendRow(qint32 key, std::initializer_list<QStringView> cells)
{
    qsizetype length = qsizetype(cells.size()) - 1;
    for (QStringView cell : cells) {
        length += cell.size();
    }
    if (length <= 0) {
        m_rows.push_back({ 0, 0, 0, key });
        return;
    }
    const qint32 block = roomFor(length);
    QString &text = m_blocks[size_t(block)];
    const Span span { block, qint32(text.size()), qint32(length), key };
    bool first = true;
    for (QStringView cell : cells) {
        if (!first) {
            text.append(QLatin1Char('\t'));
        }
        text.append(cell);
        first = false;
    }
    m_rows.push_back(span);
}

void GridRowTexts::insert(qsizetype at, QStringView tabText, qint32 key)
{
    at = qBound(qsizetype(0), at, size());
    const Span span = store(tabText, key);
    m_rows.insert(m_rows.begin() + at, span);
}

void GridRowTexts::insert(qsizetype at, GridRowTexts &&rows)
{
    at = qBound(qsizetype(0), at, size());
    const auto blockShift = qint32(m_blocks.size());
    const auto splitShift = qint32(m_splitRows.size());
    for (Span &span : rows.m_rows) {
        if (span.block == SplitRow) {
            span.offset += splitShift;
        } else {
            span.block += blockShift;
        }
    }
    m_blocks.insert(m_blocks.end(), std::make_move_iterator(rows.m_blocks.begin()),
        std::make_move_iterator(rows.m_blocks.end()));
    m_splitRows.insert(m_splitRows.end(), std::make_move_iterator(rows.m_splitRows.begin()),
        std::make_move_iterator(rows.m_splitRows.end()));
    m_rows.insert(m_rows.begin() + at, rows.m_rows.begin(), rows.m_rows.end());
    rows.clear();
}

void GridRowTexts::remove(qsizetype at)
{
    if (at < 0 || at >= size()) {
        return;
    }
    // The text stays in its block until the rows are cleared; a split row's cells go now.
    const Span span = m_rows[size_t(at)];
    if (span.block == SplitRow) {
        m_splitRows[size_t(span.offset)] = QStringList();
    }
    m_rows.erase(m_rows.begin() + at);
}

void GridRowTexts::resize(qsizetype rows)
{
    rows = qMax(qsizetype(0), rows);
    if (rows == 0) {
        clear();
        return;
    }
    m_rows.resize(size_t(rows));
}

void GridRowTexts::clear()
{
    std::vector<Span>().swap(m_rows);
    std::vector<QString>().swap(m_blocks);
    std::vector<QStringList>().swap(m_splitRows);
}

void GridRowTexts::keepOnly(const std::vector<bool> &keep)
{
    std::vector<Span> kept;
    kept.reserve(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (i < keep.size() && keep[i]) {
            kept.push_back(m_rows[i]);
        }
    }
    m_rows.swap(kept);
}

qint32 GridRowTexts::key(qsizetype row) const
{
    if (row < 0 || row >= size()) {
        return NoKey;
    }
    return m_rows[size_t(row)].key;
}

void GridRowTexts::setKey(qsizetype row, qint32 key)
{
    if (row >= 0 && row < size()) {
        m_rows[size_t(row)].key = key;
    }
}

QString GridRowTexts::rowText(qsizetype row) const
{
    if (row < 0 || row >= size()) {
        return {};
    }
    const Span &span = m_rows[size_t(row)];
    if (span.block == SplitRow) {
        return m_splitRows[size_t(span.offset)].join(QLatin1Char('\t'));
    }
    return textOf(span).toString();
}

QString GridRowTexts::cell(qsizetype row, int column) const
{
    if (row < 0 || row >= size() || column < 0) {
        return {};
    }
    const Span &span = m_rows[size_t(row)];
    if (span.block == SplitRow) {
        return m_splitRows[size_t(span.offset)].value(column);
    }
    return cellIn(textOf(span), column).toString();
}

void GridRowTexts::setCell(qsizetype row, int column, const QString &text, int columns)
{
    if (row < 0 || row >= size() || column < 0 || column >= columns) {
        return;
    }
    Span &span = m_rows[size_t(row)];
    if (span.block != SplitRow) {
        QStringList cells;
        if (span.length > 0) {
            cells = textOf(span).toString().split(QLatin1Char('\t'));
            if (cells.size() > columns) {
                cells.resize(columns);
            }
        }
        m_splitRows.push_back(std::move(cells));
        span = { SplitRow, qint32(m_splitRows.size() - 1), 0, span.key };
    }
    QStringList &cells = m_splitRows[size_t(span.offset)];
    if (cells.size() <= column) {
        cells.resize(column + 1);
    }
    cells[column] = text;
}

void GridRowTexts::dropCellsBeyond(int columns)
{
    for (Span &span : m_rows) {
        if (span.block == SplitRow) {
            QStringList &cells = m_splitRows[size_t(span.offset)];
            if (cells.size() > columns) {
                cells.resize(columns);
            }
            continue;
        }
        if (columns == 0) {
            span = { 0, 0, 0, span.key };
            continue;
        }
        // Shortening the span is enough: the dropped cells' text is never read again.
        const QStringView text = textOf(span);
        qsizetype tab = -1;
        for (int c = 0; c < columns; ++c) {
            tab = text.indexOf(QLatin1Char('\t'), tab + 1);
            if (tab < 0) {
                break;
            }
        }
        if (tab >= 0) {
            span.length = qint32(tab);
        }
    }
}
