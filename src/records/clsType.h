#pragma once

#include "RecordBase.h"

#include <QString>

// One row of tblType, the sermon types. The table is delivered with the database and only
// read: the list comes in the table's stored order. Engine failures are trapped: shown
// through ShowSystemError, the operation returns false.
class clsType : private RecordBase
{
public:
    clsType();
    ~clsType() override;

    qint32 TypeID() const { return m_typeID; }
    void setTypeID(qint32 value) { m_typeID = value; }
    QString TypeDesc() const { return m_typeDesc; }
    void setTypeDesc(const QString &value) { m_typeDesc = value; }

    QString InfoMsg() const { return infoMessage(); }
    bool Check();
    bool Find();
    void CloseRecordset();
    bool OpenRecordset();
    bool MoveNext();

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;

    qint32 m_typeID = 0;
    QString m_typeDesc;
};
