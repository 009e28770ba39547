#pragma once

#include "TableRecord.h"

#include <QString>

// One row of tblPublishers. The list comes sorted by name. Engine failures are trapped:
// shown through ShowSystemError, the operation returns false. The publishers screen keeps
// its own list.
class clsPublisher : public TableRecord
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

    // The name is required.
    // Neither AddNew nor Replace runs it: validating is the caller's duty.
    bool Check() override;

private:
    qint32 m_publisherID = 0;
    QString m_publisher;
    QString m_city;
    qint32 m_stateID = 0;
};
