#pragma once

#include "RecordBase.h"

#include <QString>

// One row of tblPublishers. The list comes sorted by name. Engine failures are trapped:
// shown through ShowSystemError, the operation returns false. The publishers screen keeps
// its own list.
class clsPublisher : private RecordBase
{
public:
    clsPublisher();
    ~clsPublisher() override;

    qint32 PublisherID() const { return m_publisherID; }
    void setPublisherID(qint32 value) { m_publisherID = value; }
    QString Publisher() const { return m_publisher; }
    void setPublisher(const QString &value) { m_publisher = value; }
    QString City() const { return m_city; }
    void setCity(const QString &value) { m_city = value; }
    // A state of tblStates; 0 when none was chosen.
    qint32 StateID() const { return m_stateID; }
    void setStateID(qint32 value) { m_stateID = value; }
    using RecordBase::InfoMsg;
    // After a false Replace: the row changed or went since it was loaded (see RecordBase).
    using RecordBase::OverwriteTheirs;
    using RecordBase::SaveConflict;

    // The name is required.
    bool Check();
    using RecordBase::CloseRecordset;
    using RecordBase::MoveNext;
    using RecordBase::OpenRecordset;
    // Neither AddNew nor Replace runs Check: validating is the caller's duty.
    bool AddNew();
    bool Replace();
    bool Delete();
    using RecordBase::Find;

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;
    QList<ColumnValue> columnValues() const override;

    qint32 m_publisherID = 0;
    QString m_publisher;
    QString m_city;
    qint32 m_stateID = 0;
};
