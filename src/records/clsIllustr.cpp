#include "clsIllustr.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

clsIllustr::clsIllustr()
    : RecordBase(EngineErrors::Trapped)
{
    checkRowsOf(QStringLiteral("tblIllustr"), QStringLiteral("lngIllustrID"));
}

clsIllustr::~clsIllustr() = default;

bool clsIllustr::Check()
{
    bool valid = true;
    if (TrimBlanks(m_illustration).isEmpty()) {
        setInfoMessage(QStringLiteral("Illustration ") + MustBeFilledIn);
        valid = false;
    }
    if (TrimBlanks(m_name).isEmpty()) {
        setInfoMessage(QStringLiteral("Name ") + MustBeFilledIn);
        valid = false;
    }
    return valid;
}

QList<ColumnValue> clsIllustr::columnValues() const
{
    return { { QStringLiteral("lngIllustrID"), SQLLong(m_illustrationID) },
        { QStringLiteral("strName"), SQLText(m_name) },
        { QStringLiteral("strIllustration"), SQLText(m_illustration) } };
}

bool clsIllustr::AddNew()
{
    return addNewRow(m_illustrationID);
}

bool clsIllustr::Replace()
{
    return replaceRow(m_illustrationID);
}

bool clsIllustr::Delete()
{
    return deleteRowWithKey(m_illustrationID);
}

QString clsIllustr::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblIllustr ");
    if (withKey)
        sql += QStringLiteral("WHERE lngIllustrID=") + SQLLong(m_illustrationID);
    sql += QStringLiteral(" ORDER BY strName");
    return sql;
}

void clsIllustr::CopyFields(const DbSnapshot &rs)
{
    m_illustrationID = NullToLong(rs.field(u"lngIllustrID"));
    m_name = NullToText(rs.field(u"strName"));
    m_illustration = NullToText(rs.field(u"strIllustration"));
}
