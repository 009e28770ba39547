#include "SermonListFill.h"

#include "DataGrid.h"
#include "SelectionState.h"
#include "SermonListFilter.h"
#include "SqlLiterals.h"
#include "clsSermon.h"

SermonListFill::SermonListFill(clsSermon &sermon, LastNameLookup lastName)
    : m_sermon(sermon)
    , m_lastName(std::move(lastName))
{
}

QStringList SermonListFill::rows(bool *anySermon)
{
    SelectionState &selection = ProgramSelection();
    QStringList rows;
    bool more = m_sermon.OpenRecordset();
    if (anySermon) {
        *anySermon = more;
    }
    if (!more) {
        return rows;
    }
    SermonListFilter filter(m_sermon);
    filter.openTopicLookup();
    const bool showAll = selection.gboolShowAll == 1;
    const bool combination = selection.gboolCombination == 1;
    while (more) {
        selection.gboolInclude = 0;
        if (!showAll) {
            selection.glngTestSermonID = m_sermon.SermonID();
            if (combination) {
                filter.SelectComboTest();
            } else {
                filter.SelectSingleTest();
            }
        }
        if (showAll || selection.gboolInclude == 1) {
            rows.append(SQLLong(m_sermon.SermonID()) + QLatin1Char('\t') + m_sermon.Reference()
                + QLatin1Char('\t') + m_lastName(m_sermon.PreacherID()) + QLatin1Char('\t')
                + clsSermon::BigIdeaOrTitle(m_sermon.BigIdea(), m_sermon.Title()));
        }
        more = m_sermon.MoveNext();
    }
    SermonListFilter::releaseTopicLookup();
    return rows;
}

void SermonListFill::setUpGrid(DataGrid *grid)
{
    static const int widths[] = { 480, 1586, 1106, 7888 };
    static const char *headings[] = { "ID#", "BIBLE REF", "PREACHER", "BIG IDEA or TITLE" };
    grid->clearRows();
    grid->setCols(4);
    grid->setFixedRows(1);
    for (int col = 0; col < 4; ++col) {
        grid->setColWidth(col, widths[col]);
        grid->setText(0, col, QLatin1String(headings[col]));
    }
    grid->setRows(2);
    grid->setRow(1);
    grid->setCol(0);
}

void SermonListFill::insertRows(DataGrid *grid, const QStringList &rows)
{
    grid->setUpdatesEnabled(false);
    int position = grid->rows() - 1;
    for (const QString &row : rows) {
        grid->addItem(row, position++);
    }
    grid->setUpdatesEnabled(true);
}
