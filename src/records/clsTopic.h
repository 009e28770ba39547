#pragma once

#include "RecordBase.h"

#include <QString>

// One row of tblTopics. The list comes sorted by the topic's text. Engine failures are
// trapped: shown through ShowSystemError, the operation returns false.
class clsTopic : private RecordBase
{
public:
    clsTopic();
    ~clsTopic() override;

    qint32 TopicID() const { return m_topicID; }
    void setTopicID(qint32 value) { m_topicID = value; }
    QString Description() const { return m_description; }
    void setDescription(const QString &value) { m_description = value; }

    using RecordBase::InfoMsg;
    // After a false Replace: the row changed or went since it was loaded (see RecordBase).
    using RecordBase::OverwriteTheirs;
    using RecordBase::SaveConflict;
    // The text is required.
    bool Check();
    using RecordBase::CloseRecordset;
    using RecordBase::Find;
    using RecordBase::MoveNext;
    using RecordBase::OpenRecordset;
    // Neither AddNew nor Replace runs Check: the screen validates first.
    bool AddNew();
    bool Replace();
    bool Delete();

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;
    QList<ColumnValue> columnValues() const override;

    qint32 m_topicID = 0;
    QString m_description;
};
