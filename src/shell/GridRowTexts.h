#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <vector>

// The rows of a list grid, in order. A row is the key of the record it lists and the
// tab-separated text of its cells, written back to back with the other rows into large
// blocks: a hundred thousand rows cost a few dozen allocations, and dropping them all frees
// those few blocks instead of one string per row, so a long list empties at once. A row whose
// cell was set on its own keeps its cells apart instead (a cell text may hold a tab).
//
// The key travels with the row, so a screen learns which record a row lists without reading
// it back from a cell's text; rows that list no record (headings, blank rows, a row whose
// record was deleted) carry NoKey.
class GridRowTexts
{
public:
    static constexpr qint32 NoKey = -1;

    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // Adds a row at the end: the cells joined by tabs, written straight into the blocks.
    void appendRow(qint32 key, std::initializer_list<QStringView> cells);
    void appendRow(std::initializer_list<QStringView> cells) { appendRow(NoKey, cells); }
    void append(QStringView tabText) { appendRow({ tabText }); }
    // A row in front of `at`.
    void insert(qsizetype at, QStringView tabText, qint32 key = NoKey);
    // Every row of `rows` in front of `at`; their blocks are taken over, not copied.
    void insert(qsizetype at, GridRowTexts &&rows);
    void remove(qsizetype at);
    // Grows with empty rows or drops rows at the end.
    void resize(qsizetype rows);
    void clear();
    // Keeps the rows whose entry in `keep` is true, in their order.
    void keepOnly(const std::vector<bool> &keep);

    // The key of the record a row lists; NoKey for none, or beyond the rows.
    qint32 key(qsizetype row) const;
    void setKey(qsizetype row, qint32 key);
    // A row's text as added: its cells joined by tabs.
    QString rowText(qsizetype row) const;
    // A cell; empty beyond the row's cells.
    QString cell(qsizetype row, int column) const;
    // Sets one cell; the row then keeps its cells apart, `columns` of them at most.
    void setCell(qsizetype row, int column, const QString &text, int columns);
    // Drops every row's cells beyond the first `columns`, so that columns added later start
    // empty.
    void dropCellsBeyond(int columns);

private:
    // One row: the key of its record, and where its text lies: `length` characters from
    // `offset` in block `block`. A row kept as separate cells has block SplitRow and `offset`
    // indexes m_splitRows.
    struct Span
    {
        qint32 block = 0;
        qint32 offset = 0;
        qint32 length = 0;
        qint32 key = NoKey;
    };
    static constexpr qint32 SplitRow = -1;
    // Characters per block: large enough that a long list needs few blocks, small enough that
    // a short list wastes little.
    static constexpr qsizetype BlockCharacters = 64 * 1024;

    QStringView textOf(const Span &span) const;
    // Room for `characters` more at the end of the last block; returns that block's index.
    qint32 roomFor(qsizetype characters);
    Span store(QStringView tabText, qint32 key);

    std::vector<QString> m_blocks;
    std::vector<Span> m_rows;
    std::vector<QStringList> m_splitRows;
};
