#pragma once

#include "RecordBase.h"

#include <QDateTime>
#include <QString>

class DateLocListKeeper;

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
// After a successful AddNew or Delete the record keeps the tracker's grid in step through
// the DateLocListKeeper the tracker registered (nothing happens to a list when none is
// registered); ProgramSelection().glngDateLocRows counts the grid's rows.
class clsDateLoc : private RecordBase
{
public:
    clsDateLoc();
    ~clsDateLoc() override;

    // Date and location are both required; when both are missing the location's message is
    // the one left in InfoMsg.
    bool Check();
    using RecordBase::InfoMsg;
    // After a false Replace: the row changed or went since it was loaded (see RecordBase).
    using RecordBase::OverwriteTheirs;
    using RecordBase::SaveConflict;
    // The tracker reads the occasion it shows itself ("Select *" by key): the current row of
    // that set is the version its save is checked against.
    void KeepLoadedRow(const DbSnapshot &rs) { keepLoadedRow(rs); }
    using RecordBase::Find;
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
    using RecordBase::CloseRecordset;
    using RecordBase::MoveNext;
    using RecordBase::OpenRecordset;
    // Takes the key, then runs Check.
    bool AddNew();
    // Runs Check; assigns the key column its own value as well.
    bool Replace();
    bool Delete();

    // The engine failure behind the last false result, if that was one.
    const DbError &LastError() const { return lastError(); }

    // The date/location tracker registers itself while it is open. Unregistering another
    // keeper than the registered one changes nothing.
    static void registerListKeeper(DateLocListKeeper *keeper);
    static void unregisterListKeeper(DateLocListKeeper *keeper);

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;
    void keepListAfterInsert();
    void keepListAfterDelete();

    qint32 m_dateLocID = 0;
    QString m_location;
    qint32 m_sermonID = 0;
    QDateTime m_datePreached;
};
