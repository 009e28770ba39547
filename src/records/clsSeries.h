#pragma once

#include "TableRecord.h"

#include <QString>

// One row of tblSeries, a series of messages. The list comes in the table's stored order.
//
// Engine failures are not trapped here: an operation that meets one shows nothing, returns
// false and keeps the failure, which the series screen reads with LastError() right after
// the false result and reports (LastError().isSet() tells it from a validation or row-count
// failure, whose reason is in InfoMsg). A failed key allocation takes the same way: AddNew
// fails with its InfoMsg and the allocator's failure in LastError().
//
// After a successful AddNew, Replace or Delete the record announces the change to the
// listening screen (the series screen, see RecordChanges).
class clsSeries : public TableRecord, public AnnouncesChanges<clsSeries>
{
public:
    clsSeries();
    ~clsSeries() override;

    // A year, when given, must read 1400 to 2100 (its leading digits); then the name is
    // required. AddNew (after taking the key) and Replace run it.
    bool Check() override;

    qint32 SeriesID() const { return m_seriesID; }
    void setSeriesID(qint32 value) { m_seriesID = value; }
    QString Name() const { return m_name; }
    void setName(const QString &value) { m_name = value; }
    // Foreign keys of 0 mean that nothing is chosen.
    qint32 BibleBookID() const { return m_bibleBookID; }
    void setBibleBookID(qint32 value) { m_bibleBookID = value; }
    qint32 PreacherID() const { return m_preacherID; }
    void setPreacherID(qint32 value) { m_preacherID = value; }
    qint32 TypeID() const { return m_typeID; }
    void setTypeID(qint32 value) { m_typeID = value; }
    QString PubTitle() const { return m_pubTitle; }
    void setPubTitle(const QString &value) { m_pubTitle = value; }
    qint32 PublisherID() const { return m_publisherID; }
    void setPublisherID(qint32 value) { m_publisherID = value; }
    // The year of publication is text, validated only when not blank.
    QString PubYear() const { return m_pubYear; }
    void setPubYear(const QString &value) { m_pubYear = value; }
    QString Notes() const { return m_notes; }
    void setNotes(const QString &value) { m_notes = value; }

    // The engine failure behind the last false result, if that was one.
    const DbError &LastError() const { return lastError(); }

private:
    QList<ColumnValue> updateValues() const override;
    void stored(StoredChange change) override;

    qint32 m_seriesID = 0;
    QString m_name;
    qint32 m_bibleBookID = 0;
    qint32 m_preacherID = 0;
    qint32 m_typeID = 0;
    QString m_pubTitle;
    qint32 m_publisherID = 0;
    QString m_pubYear;
    QString m_notes;
};
