#pragma once

#include <QList>
#include <QString>

// A stretch of one book of the Bible: from a (chapter, verse) place to another, both
// included. Places compare as pairs, chapter first. Verse 0 stands for a chapter's start and
// verse ChapterEnd for its end, so "John 3" runs from (3, 0) to (3, ChapterEnd); a whole book
// runs from (0, 0) to (ChapterEnd, ChapterEnd).
//
// Whether two passages share a verse is plain arithmetic on those pairs; the same rule goes
// to the database as a condition on a sermon's columns (overlapSql), so that a list is
// narrowed where the rows are.
struct BiblePassage
{
    static constexpr int ChapterEnd = 32767;

    struct Place
    {
        int chapter = 0;
        int verse = 0;
        friend bool operator<(const Place &a, const Place &b)
        {
            return a.chapter != b.chapter ? a.chapter < b.chapter : a.verse < b.verse;
        }
        friend bool operator==(const Place &a, const Place &b)
        {
            return a.chapter == b.chapter && a.verse == b.verse;
        }
        friend bool operator<=(const Place &a, const Place &b) { return !(b < a); }
    };

    qint32 bookID = 0;
    QString bookName;
    Place from;
    Place to;

    // A book key of 0 or less is no passage at all: it shares no verse with anything.
    bool isValid() const { return bookID > 0; }
    bool isWholeBook() const
    {
        return from == Place { 0, 0 } && to == Place { ChapterEnd, ChapterEnd };
    }
    // Both passages hold at least one common verse.
    bool overlaps(const BiblePassage &other) const;

    // The passage as a reader writes it: "Romans", "John 3", "Genesis 1–3", "John 3:16",
    // "John 3:16–21", "John 3:16–4:2" (with an en dash).
    QString reading() const;
    // Several passages, separated by "; ".
    static QString reading(const QList<BiblePassage> &passages);

    // A sermon's own range from its columns. A beginning chapter of 0 is the whole book; a
    // verse of 0 is the chapter's start (beginning) or end (ending); an ending chapter of 0
    // is the beginning chapter; with both ending numbers 0 the passage is its beginning verse
    // alone, or the whole beginning chapter when that verse is 0 too; an end before the
    // beginning is read the same way. Numbers below 0 count as 0.
    static BiblePassage fromSermonColumns(
        qint32 bookID, int beginChapter, int beginVerse, int endChapter, int endVerse);

    // SQL that is true for exactly the rows of tblSermons whose range, read as
    // fromSermonColumns reads it, overlaps one of the passages; "1 = 0" for none.
    // It leads with the book and the beginning chapter, so an index on those columns serves.
    static QString overlapSql(const QList<BiblePassage> &passages);
};
