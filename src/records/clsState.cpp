#include "clsState.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

clsState::clsState()
    : RecordBase(EngineErrors::Trapped)
{
}

clsState::~clsState() = default;

bool clsState::Check()
{
    if (TrimBlanks(m_stateDesc).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsState", "StateDesc Must Be Filled In."));
        return false;
    }
    return true;
}

QString clsState::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + QStringLiteral("lngStateID, ")
        + QStringLiteral("strStateCode, ") + QStringLiteral("strStateDesc, ")
        + QStringLiteral("strRegionCode ") + QStringLiteral("FROM tblStates ");
    if (withKey)
        sql += QStringLiteral("WHERE lngStateID=") + SQLLong(m_stateID);
    return sql;
}

void clsState::CopyFields(const DbSnapshot &rs)
{
    m_stateID = NullToLong(rs.field(u"lngStateID"));
    m_stateCode = NullToText(rs.field(u"strStateCode"));
    m_stateDesc = NullToText(rs.field(u"strStateDesc"));
    m_regionCode = NullToText(rs.field(u"strRegionCode"));
}
