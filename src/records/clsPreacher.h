#pragma once

#include "TableRecord.h"

#include <QString>

// One row of tblPreachers. The list comes sorted by last name. Engine failures are
// trapped: shown through ShowSystemError, the operation returns false. The preachers screen
// keeps its own list.
class clsPreacher : public TableRecord
{
public:
    clsPreacher();
    ~clsPreacher() override;

    qint32 PreacherID() const { return m_preacherID; }
    void setPreacherID(qint32 value) { m_preacherID = value; }
    QString LastName() const { return m_lastName; }
    void setLastName(const QString &value) { m_lastName = value; }
    QString FirstName() const { return m_firstName; }
    void setFirstName(const QString &value) { m_firstName = value; }
    QString MiddleInitial() const { return m_middleInitial; }
    void setMiddleInitial(const QString &value) { m_middleInitial = value; }
    QString City() const { return m_city; }
    void setCity(const QString &value) { m_city = value; }
    // A state of tblStates; 0 when none was chosen.
    qint32 StateID() const { return m_stateID; }
    void setStateID(qint32 value) { m_stateID = value; }
    QString Country() const { return m_country; }
    void setCountry(const QString &value) { m_country = value; }
    QString Organization() const { return m_organization; }
    void setOrganization(const QString &value) { m_organization = value; }
    QString Position() const { return m_position; }
    void setPosition(const QString &value) { m_position = value; }
    QString Seminary() const { return m_seminary; }
    void setSeminary(const QString &value) { m_seminary = value; }
    QString Notes() const { return m_notes; }
    void setNotes(const QString &value) { m_notes = value; }

    // Only the last name is required.
    // Replace runs it first; AddNew does not (the screen validates first).
    bool Check() override;

private:
    qint32 m_preacherID = 0;
    QString m_lastName;
    QString m_firstName;
    QString m_middleInitial;
    QString m_city;
    qint32 m_stateID = 0;
    QString m_country;
    QString m_organization;
    QString m_position;
    QString m_seminary;
    QString m_notes;
};
