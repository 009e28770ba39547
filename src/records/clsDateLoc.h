#pragma once

#include "TableRecord.h"

#include <QDateTime>
#include <QString>

// One occasion a sermon was preached again: a row of tblDateLoc. The SELECT filters by
// sermon, not by the row's key, and sorts by location: Find loads the occasion of the
// sermon in SermonID whose location sorts first; OpenRecordset walks the occasions of all
// sermons, ordered by location.
//
// Engine failures are not trapped here: an operation that meets one shows nothing, returns
// false and keeps the failure, which the tracker reads with LastError() right after the false
// result and reports (LastError().isSet() tells it from a validation or row-count failure,
// whose reason is in InfoMsg). A failed key allocation takes the same way: AddNew fails with
// its InfoMsg and the allocator's failure in LastError().
//
// After a successful AddNew, Replace or Delete the record announces the change to the
// listening screen (the date/location tracker, see RecordChanges).
class clsDateLoc : public TableRecord, public AnnouncesChanges<clsDateLoc>
{
public:
    clsDateLoc();
    ~clsDateLoc() override;

    // Date and location are both required; when both are missing the location's message is
    // the one left in InfoMsg. AddNew (after taking the key) and Replace run it.
    bool Check() override;
    // The tracker reads the occasion it shows itself ("Select *" by key): the current row of
    // that set is the version its save is checked against.
    void KeepLoadedRow(const DbSnapshot &rs) { keepLoadedRow(rs); }
    qint32 DateLocID() const { return m_dateLocID; }
    void setDateLocID(qint32 value) { m_dateLocID = value; }
    QString Location() const { return m_location; }
    void setLocation(const QString &value) { m_location = value; }
    // The sermon preached.
    qint32 SermonID() const { return m_sermonID; }
    void setSermonID(qint32 value) { m_sermonID = value; }
    // An invalid date means no date.
    QDateTime DatePreached() const { return m_datePreached; }
    void setDatePreached(const QDateTime &value) { m_datePreached = value; }

    // The engine failure behind the last false result, if that was one.
    const DbError &LastError() const { return lastError(); }

private:
    QString BuildSelectSql(bool withKey) const override;
    QList<ColumnValue> updateValues() const override;
    void stored(StoredChange change) override;

    qint32 m_dateLocID = 0;
    QString m_location;
    qint32 m_sermonID = 0;
    QDateTime m_datePreached;
};
