#pragma once

#include "RecordBase.h"

#include <QString>

// The default preaching location: the one row of tblLocation whose key is the program's
// default-location key (1). The record never inserts or deletes; its SELECT and UPDATE
// address that row whatever LocationID holds.
//
// Reading it: OpenRecordset (which only opens the one-row set and always answers false),
// then Retrieve, then Location. OpenRecordset, MoveNext and Replace trap engine failures
// (shown through ShowSystemError, result false). Retrieve does not: when there is no row to
// copy (the set did not open, or row 1 is missing) it returns false, shows nothing and keeps
// the failure for LastError(), leaving the properties as they were.
class clsLocation : private RecordBase
{
public:
    clsLocation();
    ~clsLocation() override;

    qint32 LocationID() const { return m_locationID; }
    void setLocationID(qint32 value) { m_locationID = value; }
    QString Location() const { return m_location; }
    void setLocation(const QString &value) { m_location = value; }

    using RecordBase::InfoMsg;
    // Nothing to validate: always true.
    bool Check();
    // Copies the kept set's current row without moving.
    bool Retrieve();
    using RecordBase::CloseRecordset;
    bool OpenRecordset();
    using RecordBase::MoveNext;
    bool Replace();

    // The failure behind the last false Retrieve.
    const DbError &LastError() const { return lastError(); }

    // The program-wide key of the default-location row. Every user of the record sets it to
    // 1 first; it also starts at 1, the one row the delivered database holds.
    static qint32 DefaultLocationID();
    static void setDefaultLocationID(qint32 value);

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;

    qint32 m_locationID = 0;
    QString m_location;
};
