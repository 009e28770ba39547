#pragma once

#include "LookupRecord.h"

// One row of tblType, the sermon types.
class clsType : public LookupRecord
{
public:
    clsType();

    qint32 TypeID() const { return m_key; }
    void setTypeID(qint32 value) { m_key = value; }
    QString TypeDesc() const { return m_text; }
    void setTypeDesc(const QString &value) { m_text = value; }
};
