#include "clsType.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

clsType::clsType()
    : RecordBase(EngineErrors::Trapped)
{
}

clsType::~clsType() = default;

bool clsType::Check()
{
    if (TrimBlanks(m_typeDesc).isEmpty()) {
        setInfoMessage(QStringLiteral("Type ") + MustBeFilledIn);
        return false;
    }
    return true;
}

bool clsType::Find()
{
    return findRow();
}

void clsType::CloseRecordset()
{
    closeList();
}

bool clsType::OpenRecordset()
{
    return openList();
}

bool clsType::MoveNext()
{
    return nextRow();
}

QString clsType::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + QStringLiteral("lngTypeID, ")
        + QStringLiteral("strTypeDesc ") + QStringLiteral("FROM tblType ");
    if (withKey)
        sql += QStringLiteral("WHERE lngTypeID=") + SQLLong(m_typeID);
    return sql;
}

void clsType::CopyFields(const DbSnapshot &rs)
{
    m_typeID = NullToLong(rs.field(u"lngTypeID"));
    m_typeDesc = NullToText(rs.field(u"strTypeDesc"));
}
