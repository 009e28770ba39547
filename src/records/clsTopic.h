#pragma once

#include "TableRecord.h"

#include <QString>

// One row of tblTopics. The list comes sorted by the topic's text. Engine failures are
// trapped: shown through ShowSystemError, the operation returns false.
class clsTopic : public TableRecord
{
public:
    clsTopic();
    ~clsTopic() override;

    qint32 TopicID() const { return m_topicID; }
    void setTopicID(qint32 value) { m_topicID = value; }
    QString Description() const { return m_description; }
    void setDescription(const QString &value) { m_description = value; }

    // The text is required. Neither AddNew nor Replace runs it: the screen validates first.
    bool Check() override;

private:
    qint32 m_topicID = 0;
    QString m_description;
};
