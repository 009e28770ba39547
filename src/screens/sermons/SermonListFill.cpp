#include "SermonListFill.h"

#include "DataGrid.h"
#include "SermonListFilter.h"
#include "SermonPreacherNames.h"
#include "SqlLiterals.h"
#include "clsSermon.h"

#include <QCoreApplication>

SermonListFill::SermonListFill(
    clsSermon &sermon, const SermonQuery &query, SermonPreacherNames &names)
    : m_sermon(sermon)
    , m_query(query)
    , m_names(names)
{
}

void SermonListFill::appendRow(GridRowTexts &rows, const ListedRow &row)
{
    rows.appendRow(row.key,
        { SQLLong(row.key), row.reference, m_names.lastName(row.preacherID), row.bigIdeaOrTitle });
}

GridRowTexts SermonListFill::rows(bool *anySermon)
{
    GridRowTexts rows;
    const bool showAll = m_query.kind == SermonQuery::Kind::Everything;
    SermonListFilter filter(m_sermon, m_query);
    // The database leaves out what it can; the tests below decide on the rest.
    const SermonListNarrowing inDatabase = showAll
        ? SermonListNarrowing()
        : m_sermon.ListNarrowingInDatabase(SermonListFilter::narrowing(m_query));
    filter.answerFromDatabase(inDatabase);
    // The outline is the longest column by far: read only when a text search looks into it
    // and the database has not answered that test.
    const bool outlineSearched = m_query.kind == SermonQuery::Kind::TextSearch
        && (m_query.outline.inUse || m_query.outline.text != SearchSentinel)
        && !inDatabase.has(SermonListNarrowing::Field::Outline);
    // With AND logic the title and big idea tests come first and usually decide alone: the
    // outlines are then read afterwards, in one statement, for the sermons still undecided.
    const bool outlineLater = outlineSearched && m_query.combination && m_query.allFieldsMatch
        && (m_query.title.text != SearchSentinel || m_query.bigIdea.text != SearchSentinel);
    bool more = m_sermon.OpenListRecordset(outlineSearched && !outlineLater, inDatabase);
    if (anySermon) {
        *anySermon = more;
    }
    if (!more) {
        return rows;
    }
    filter.openTopicLookup();
    std::vector<Undecided> undecided;
    std::vector<ListedRow> waiting; // for their names, while the list is short
    bool namesWait = true;
    while (more) {
        bool decided = true;
        const bool include = passes(filter, outlineLater, &decided);
        if (include || !decided) {
            ListedRow row { m_sermon.SermonID(), m_sermon.Reference(), m_sermon.PreacherID(),
                clsSermon::BigIdeaOrTitle(m_sermon.BigIdea(), m_sermon.Title()) };
            if (!namesWait) {
                appendRow(rows, row);
            } else {
                waiting.push_back(std::move(row));
                if (waiting.size() > FewRows) {
                    // A long list: every name, asked for by the first of these rows.
                    namesWait = false;
                    for (const ListedRow &listed : waiting) {
                        appendRow(rows, listed);
                    }
                    waiting.clear();
                }
            }
        }
        if (!decided) {
            undecided.push_back({ rows.size() + qsizetype(waiting.size()) - 1, m_sermon.SermonID(),
                m_sermon.Title(), m_sermon.BigIdea() });
        }
        more = m_sermon.MoveNext();
    }
    if (!waiting.empty()) {
        QList<qint32> preachers;
        for (const ListedRow &listed : waiting) {
            if (!preachers.contains(listed.preacherID)) {
                preachers.append(listed.preacherID);
            }
        }
        m_names.readNames(preachers);
        for (const ListedRow &listed : waiting) {
            appendRow(rows, listed);
        }
    }
    if (!undecided.empty()) {
        decideWithOutlines(filter, undecided, rows);
    }
    filter.releaseTopicLookup();
    return rows;
}

bool SermonListFill::passes(SermonListFilter &filter, bool outlineLater, bool *decided)
{
    if (!outlineLater) {
        return filter.includes();
    }
    // The verdict with either outline test answer: equal verdicts need no outline.
    filter.setOutlineAnswer(SermonListFilter::OutlineAnswer::NotFound);
    const bool without = filter.includes();
    filter.setOutlineAnswer(SermonListFilter::OutlineAnswer::Found);
    const bool with = filter.includes();
    filter.setOutlineAnswer(SermonListFilter::OutlineAnswer::Read);
    *decided = without == with;
    return without;
}

void SermonListFill::decideWithOutlines(
    SermonListFilter &filter, const std::vector<Undecided> &undecided, GridRowTexts &rows)
{
    QList<qint32> keys;
    keys.reserve(qsizetype(undecided.size()));
    for (const Undecided &sermon : undecided) {
        keys.append(sermon.key);
    }
    // A failure has been shown; the undecided sermons are then left out.
    QHash<qint32, QString> outlines;
    const bool read = m_sermon.ReadOutlines(keys, outlines);
    std::vector<bool> kept(size_t(rows.size()), true);
    for (const Undecided &sermon : undecided) {
        bool include = false;
        if (read) {
            m_sermon.setSermonID(sermon.key);
            m_sermon.setTitle(sermon.title);
            m_sermon.setBigIdea(sermon.bigIdea);
            m_sermon.setOutline(outlines.value(sermon.key));
            include = filter.SelectComboTest();
        }
        kept[size_t(sermon.row)] = include;
    }
    rows.keepOnly(kept);
}

void SermonListFill::setUpGrid(DataGrid *grid)
{
    static const int widths[] = { 480, 1586, 1106, 7888 };
    static const char *const headings[] = { QT_TRANSLATE_NOOP("SermonListFill", "ID#"),
        QT_TRANSLATE_NOOP("SermonListFill", "BIBLE REF"),
        QT_TRANSLATE_NOOP("SermonListFill", "PREACHER"),
        QT_TRANSLATE_NOOP("SermonListFill", "BIG IDEA or TITLE") };
    grid->clearRows();
    grid->setCols(4);
    grid->setFixedRows(1);
    for (int col = 0; col < 4; ++col) {
        grid->setColWidth(col, widths[col]);
        grid->setText(0, col, QCoreApplication::translate("SermonListFill", headings[col]));
    }
    grid->setRows(2);
    grid->setRow(1);
    grid->setCol(0);
}

void SermonListFill::insertRows(DataGrid *grid, GridRowTexts rows)
{
    grid->setUpdatesEnabled(false);
    grid->addItems(std::move(rows), grid->rows() - 1);
    grid->setUpdatesEnabled(true);
}
