#pragma once

#include "DbError.h"
#include "ReportFilter.h"

#include <QDate>
#include <QList>
#include <QString>

// The numbers behind the reports, each one grouped query computed by the database from the
// sermons' own dates and their occasions (tblDateLoc), never by reading sermons one by one.
// A sermon without a date was never preached and counts in no year. Every function returns
// false after an engine failure (in `error`, not shown).
class ReportQueries
{
public:
    // One heat-map cell: how often sermons on `row` (a book, or in the chapter view a
    // chapter, 0 for the whole book) were preached in `year`.
    struct Cell
    {
        int row = 0;
        int year = 0;
        int count = 0;
    };
    // One bar piece: preaching in `year` by one preacher or of one type.
    struct YearCount
    {
        int year = 0;
        qint32 groupID = 0;
        QString group;
        int count = 0;
    };
    // One topic or illustration: the sermons that use it, how often they were preached, the
    // first and last time and where, and (illustrations) whether it was heard twice at one
    // place within the reuse period.
    struct Usage
    {
        enum class Kind { Topic, Illustration };
        Kind kind = Kind::Topic;
        qint32 id = 0;
        QString name;
        int sermons = 0;
        int times = 0;
        QDate first;
        QString firstPlace;
        QDate last;
        QString lastPlace;
        bool reused = false;
    };
    // A book with its last preaching (invalid: never) and its sermons in the library.
    struct BookHistory
    {
        qint32 bookID = 0;
        QString book;
        QDate last;
        QString lastPlace;
        int sermons = 0;
    };
    struct Sermon
    {
        qint32 sermonID = 0;
        QString title;
    };
    enum class Grouping { Preacher, Type };

    static bool coverage(const ReportFilter &filter, QList<Cell> &cells, DbError &error);
    // Cross-chapter references count in every chapter they touch.
    static bool chapters(
        const ReportFilter &filter, qint32 bookID, QList<Cell> &cells, DbError &error);
    static bool perYear(
        const ReportFilter &filter, Grouping grouping, QList<YearCount> &counts, DbError &error);
    // Every topic and illustration that a sermon meeting the filter uses, topics first, by
    // name. Undated sermons count among the sermons unless a date range or place is chosen.
    static bool usage(
        const ReportFilter &filter, int reuseYears, QList<Usage> &rows, DbError &error);
    // The 66 books in Bible order that were not preached on or after 1 January of
    // `sinceYear`; 0 for the books never preached at all.
    static bool booksNotPreached(
        const ReportFilter &filter, int sinceYear, QList<BookHistory> &books, DbError &error);

    // The sermons behind a heat-map cell (chapter 0 is the whole book; -1 any chapter),
    // by title.
    static bool cellSermons(const ReportFilter &filter, qint32 bookID, int chapter, int year,
        QList<Sermon> &sermons, DbError &error);
    // A book's sermons that meet the filter's preacher, type and series, in Bible order.
    static bool bookSermons(
        const ReportFilter &filter, qint32 bookID, QList<Sermon> &sermons, DbError &error);

    // The Bible's chapter count of a book (1 to 66), 0 for another key.
    static int chapterCount(qint32 bookID);
};
