#pragma once

#include "GridRowTexts.h"
#include "SermonQuery.h"

#include <QStringList>
#include <vector>

class DataGrid;
class SermonListFilter;
class SermonPreacherNames;
class clsSermon;

// The walk behind the sermon list: the sermons in the record's list order (Bible order),
// tested against a SermonQuery unless every sermon is wanted, and turned into a grid row of
// four tab-separated cells: key, reference, preacher's last name, big idea or title. The
// database leaves out beforehand the sermons it can tell the tests would refuse.
class SermonListFill
{
public:
    // `names` has its cache on for the fill.
    SermonListFill(clsSermon &sermon, const SermonQuery &query, SermonPreacherNames &names);

    // The rows of the sermons that pass; `anySermon` tells whether the database sent any
    // row at all (the grid is set up afresh only then).
    GridRowTexts rows(bool *anySermon);

    // The list's four columns with their headings and widths, and one blank data row (where
    // a new sermon is entered), current at column 0.
    static void setUpGrid(DataGrid *grid);
    // The rows in front of the trailing blank row, in one batch painted once.
    static void insertRows(DataGrid *grid, GridRowTexts rows);

private:
    // A listed row before its preacher's name is known.
    struct ListedRow
    {
        qint32 key;
        QString reference;
        qint32 preacherID;
        QString bigIdeaOrTitle;
    };
    // A list of up to this many rows waits for its own preachers' names, read in one
    // statement; a longer one reads every name, which costs less than a long list of keys.
    static constexpr size_t FewRows = 64;

    void appendRow(GridRowTexts &rows, const ListedRow &row);
    // A listed row whose verdict waits for the sermon's outline.
    struct Undecided
    {
        qsizetype row;
        qint32 key;
        QString title;
        QString bigIdea;
    };

    // The selection's verdict on the current sermon. With `outlineLater` the outline is not
    // read yet: `decided` turns false when the verdict depends on it.
    bool passes(SermonListFilter &filter, bool outlineLater, bool *decided);
    // Reads the undecided sermons' outlines, tests them and drops the rows that fail.
    void decideWithOutlines(
        SermonListFilter &filter, const std::vector<Undecided> &undecided, GridRowTexts &rows);

    clsSermon &m_sermon;
    const SermonQuery m_query;
    SermonPreacherNames &m_names;
};
