#pragma once

#include "RecordBase.h"

#include <QString>

// One row of tblStates, the states and provinces. The table is delivered with the database
// and only read: the list comes in the table's stored order. Engine failures are trapped:
// shown through ShowSystemError, the operation returns false.
class clsState : private RecordBase
{
public:
    clsState();
    ~clsState() override;

    qint32 StateID() const { return m_stateID; }
    void setStateID(qint32 value) { m_stateID = value; }
    QString StateCode() const { return m_stateCode; }
    void setStateCode(const QString &value) { m_stateCode = value; }
    QString StateDesc() const { return m_stateDesc; }
    void setStateDesc(const QString &value) { m_stateDesc = value; }
    QString RegionCode() const { return m_regionCode; }
    void setRegionCode(const QString &value) { m_regionCode = value; }

    using RecordBase::InfoMsg;
    bool Check();
    using RecordBase::CloseRecordset;
    using RecordBase::Find;
    using RecordBase::MoveNext;
    using RecordBase::OpenRecordset;

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;

    qint32 m_stateID = 0;
    QString m_stateCode;
    QString m_stateDesc;
    QString m_regionCode;
};
