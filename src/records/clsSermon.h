#pragma once

#include "SermonListNarrowing.h"
#include "TableRecord.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <array>

class DbDatabase;

// One row of tblSermons. The list comes in Bible order (book key, beginning chapter,
// beginning verse, reference text). Engine failures are trapped: shown through
// ShowSystemError, the operation returns false.
//
// After a successful AddNew, Replace or Delete the
// record announces the change to the listening screen (the sermon identification screen,
// see RecordChanges).
class clsSermon : public TableRecord, public AnnouncesChanges<clsSermon>
{
public:
    clsSermon();
    ~clsSermon() override;

    qint32 SermonID() const { return m_sermonID; }
    void setSermonID(qint32 value) { m_sermonID = value; }
    qint32 PreacherID() const { return m_preacherID; }
    void setPreacherID(qint32 value) { m_preacherID = value; }
    qint32 TypeID() const { return m_typeID; }
    void setTypeID(qint32 value) { m_typeID = value; }
    qint32 BibleBookID() const { return m_bibleBookID; }
    void setBibleBookID(qint32 value) { m_bibleBookID = value; }
    qint16 BeginChapter() const { return m_beginChapter; }
    void setBeginChapter(qint16 value) { m_beginChapter = value; }
    qint16 BeginVerse() const { return m_beginVerse; }
    void setBeginVerse(qint16 value) { m_beginVerse = value; }
    qint16 EndChapter() const { return m_endChapter; }
    void setEndChapter(qint16 value) { m_endChapter = value; }
    qint16 EndVerse() const { return m_endVerse; }
    void setEndVerse(qint16 value) { m_endVerse = value; }
    // The reference as the lists show it, stored as the screen composed it.
    QString Reference() const { return m_reference; }
    void setReference(const QString &value) { m_reference = value; }
    qint32 SeriesID() const { return m_seriesID; }
    void setSeriesID(qint32 value) { m_seriesID = value; }
    QString Title() const { return m_title; }
    void setTitle(const QString &value) { m_title = value; }
    QString BigIdea() const { return m_bigIdea; }
    void setBigIdea(const QString &value) { m_bigIdea = value; }
    // An invalid date means no date. A row read from the database keeps the column's value
    // and converts it here, on the first read: a list walk rarely looks at the date.
    QDateTime DatePreached() const;
    void setDatePreached(const QDateTime &value);
    QString Outline() const { return m_outline; }
    void setOutline(const QString &value) { m_outline = value; }
    QString Location() const { return m_location; }
    void setLocation(const QString &value) { m_location = value; }

    // A reference that is empty or one blank is missing; two blanks pass. AddNew does not
    // run it (the screen validates first); Replace does.
    bool Check() override;
    bool OpenRecordset();
    // The walk of the sermon list fill: the same sermons in the same order as OpenRecordset,
    // but each row carries only what a list row and the selection tests read: key, preacher,
    // Bible book, series, reference, title, big idea, and the outline only when
    // `withOutline` (a text search of the outline). The other properties are zero or empty
    // on these rows. MoveNext walks on as after OpenRecordset.
    // With a narrowing, only the sermons that meet its conditions come back; pass the
    // conditions this database tests (ListNarrowingInDatabase).
    bool OpenListRecordset(bool withOutline, const SermonListNarrowing &narrowing = {});
    // Of the wanted conditions, the ones this database tests itself, exactly as the
    // selection tests do: under AND each one it can test, under OR all of them or none.
    SermonListNarrowing ListNarrowingInDatabase(const SermonListNarrowing &wanted);
    // The outlines of the given sermons in one statement, by key (a key no sermon has is
    // left out). False after an engine failure, which has been shown.
    bool ReadOutlines(const QList<qint32> &keys, QHash<qint32, QString> &outlines);
    // The fourth cell of a sermon list row: the big idea, or when it is empty or one blank
    // the title followed by one blank.
    static QString BigIdeaOrTitle(const QString &bigIdea, const QString &title);

private:
    void CopyFields(const DbSnapshot &rs) override;
    QList<ColumnValue> columnValues() const override;
    void stored(StoredChange change) override;
    void copyListFields(const DbSnapshot &rs);
    // The list walk's SELECT, with the narrowing's conditions as its WHERE clause.
    static QString listSelectSql(bool withOutline, const QStringList &conditions);
    // One condition as SQL; empty when the database cannot test it exactly.
    static QString conditionSql(
        const DbDatabase &db, const SermonListNarrowing::Condition &condition);

    qint32 m_sermonID = 0;
    qint32 m_preacherID = 0;
    qint32 m_typeID = 0;
    qint32 m_bibleBookID = 0;
    qint16 m_beginChapter = 0;
    qint16 m_beginVerse = 0;
    qint16 m_endChapter = 0;
    qint16 m_endVerse = 0;
    QString m_reference;
    qint32 m_seriesID = 0;
    QString m_title;
    QString m_bigIdea;
    mutable QDateTime m_datePreached;
    // The date column as read, until DatePreached() converts it.
    mutable QVariant m_dateValue;
    mutable bool m_datePending = false;
    QString m_outline;
    QString m_location;

    // Whether the kept set is the list fill's narrower one.
    bool m_listWalk = false;
    bool m_listWithOutline = false;
    // The kept set's column positions, looked up on its first row instead of by name on
    // every row.
    std::array<int, 15> m_keptColumns {};
    bool m_keptColumnsKnown = false;
};
