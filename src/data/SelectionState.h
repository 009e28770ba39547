#pragma once

#include "DbPairLookup.h"

#include <QString>
#include <memory>

// The choices the screens hand each other: the checklist and text-search criteria that the
// sermon screen's next list fill uses, the key of the sermon chosen in the sermon list (read
// by the assignment screens and the tracker), the outline text travelling to the notes
// window.
//
// There is one instance for the whole run, ProgramSelection(). Every key starts at 0, every
// text empty and every flag 0; a test starts afresh with `ProgramSelection() = SelectionState();`.
// A chosen key of 0 or -1 means that nothing is chosen. Flags hold 0 or 1 and are tested
// against 1.
struct SelectionState
{
    // Checklist choices (the checklist screens write them, the list fill reads them).
    qint32 glngBibleBookID = 0;
    qint32 glngPreacherID = 0;
    qint32 glngSeriesID = 0;
    qint32 glngTopicID = 0;
    // The sermon the list fill is testing against the selection.
    qint32 glngTestSermonID = 0;
    // The sermon selected in the sermon list.
    qint32 glngCurrentSermonID = 0;
    // The outline of the sermon shown, handed between the sermon screen and the notes window.
    QString gstrOutline;
    // Texts searched for by the text search.
    QString gstrSearchOutline;
    QString gstrSearchBigIdea;
    QString gstrSearchTitle;
    // Checklist criteria in use.
    qint16 gboolByBibleBook = 0;
    qint16 gboolByPreacher = 0;
    qint16 gboolBySeries = 0;
    qint16 gboolByTopic = 0;
    // Text-search fields in use.
    qint16 gboolSearchOutline = 0;
    qint16 gboolSearchBigIdea = 0;
    qint16 gboolSearchTitle = 0;
    // The selection is a text search; with AND logic every filled field must match.
    qint16 gboolTextSearch = 0;
    qint16 gboolAndLogic = 0;
    // Several criteria combined (Checklist "By Combination" or Search-Text "Search All").
    qint16 gboolCombination = 0;
    // List every sermon without a filter.
    qint16 gboolShowAll = 0;
    // The verdict of the filters for the sermon under test.
    qint16 gboolInclude = 0;
    // Passage search: the sermons whose Bible range overlaps the reference gstrPassage, or,
    // with glngPassageSermonID above 0, the range of that sermon (which is then left out of
    // the list). The reference text outlives the reset, so the passage dialog offers it
    // again.
    qint16 gboolByPassage = 0;
    QString gstrPassage;
    qint32 glngPassageSermonID = 0;
    // The sermon-topic pair look-up, open only while a list fill filters by topic.
    std::unique_ptr<DbPairLookup> grsSermonTopics;

    // Program-wide values of the series and sermon screens, kept here with the others because
    // other screens test the flags.
    qint16 gboolSeriesScreenOpen = 0; // the series screen is open
    qint16 gboolSermonScreenOpen = 0; // the sermon identification screen is open

    // The reset that ends every sermon list fill, so that each selection serves one list:
    // chosen keys to -1, the outline emptied, criteria flags off. The text-search field flags
    // and texts and the current sermon are kept.
    void InitializeGlobals();
};

SelectionState &ProgramSelection();
