#include "clsIllustr.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

namespace {

QString columnPieces()
{
    return QStringLiteral("lngIllustrID, ") + QStringLiteral("strName, ")
        + QStringLiteral("strIllustration ");
}

} // namespace

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

bool clsIllustr::AddNew()
{
    clearLastError();
    m_illustrationID = newKey(QStringLiteral("tblIllustr"), QStringLiteral("lngIllustrID"));
    if (m_illustrationID == 0) {
        // The allocator failed and has said so; no illustration is stored under key 0.
        setInfoMessage(QStringLiteral("Error Adding a New Record"));
        return false;
    }
    const QString sql = QStringLiteral("INSERT INTO tblIllustr (") + columnPieces()
        + QStringLiteral(") VALUES (") + SQLLong(m_illustrationID) + QStringLiteral(", ")
        + SQLText(m_name) + QStringLiteral(", ") + SQLText(m_illustration) + QStringLiteral(")");
    return insertRow(sql, QStringLiteral("Error Adding a New Record"), m_illustrationID);
}

bool clsIllustr::Replace()
{
    clearLastError();
    const QString sql = QStringLiteral("UPDATE tblIllustr SET ") + QStringLiteral("strName=")
        + SQLText(m_name) + QStringLiteral(", ") + QStringLiteral("strIllustration=")
        + SQLText(m_illustration) + QStringLiteral(" ") + QStringLiteral("WHERE lngIllustrID=")
        + SQLLong(m_illustrationID);
    return updateRow(sql, QStringLiteral("Error Updating Current Record"), m_illustrationID);
}

bool clsIllustr::Delete()
{
    clearLastError();
    const QString sql = QStringLiteral("DELETE FROM tblIllustr ")
        + QStringLiteral("WHERE lngIllustrID=") + SQLLong(m_illustrationID);
    return deleteRow(sql, QStringLiteral("Error Deleting Current Record"), m_illustrationID);
}

QString clsIllustr::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnPieces() + QStringLiteral("FROM tblIllustr ");
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
