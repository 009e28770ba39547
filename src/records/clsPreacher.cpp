#include "clsPreacher.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

namespace {

QString columnPieces()
{
    return QStringLiteral("lngPreacherID, ") + QStringLiteral("strFirstName, ")
        + QStringLiteral("strMiddleInitial, ") + QStringLiteral("strLastName, ")
        + QStringLiteral("strCity, ") + QStringLiteral("lngStateID, ")
        + QStringLiteral("strCountry, ") + QStringLiteral("strOrganization, ")
        + QStringLiteral("strPosition, ") + QStringLiteral("strSeminary, ")
        + QStringLiteral("strNotes ");
}

} // namespace

clsPreacher::clsPreacher()
    : RecordBase(EngineErrors::Trapped)
{
    checkRowsOf(QStringLiteral("tblPreachers"), QStringLiteral("lngPreacherID"));
}

clsPreacher::~clsPreacher() = default;

bool clsPreacher::Check()
{
    if (TrimBlanks(m_lastName).isEmpty()) {
        setInfoMessage(QStringLiteral("Last Name ") + MustBeFilledIn);
        return false;
    }
    return true;
}

bool clsPreacher::AddNew()
{
    clearLastError();
    m_preacherID = newKey(QStringLiteral("tblPreachers"), QStringLiteral("lngPreacherID"));
    if (m_preacherID == 0) {
        // The allocator failed and has said so; key 0 is the shipped default preacher.
        setInfoMessage(QStringLiteral("Error Adding a New Record"));
        return false;
    }
    const QString sql = QStringLiteral("INSERT INTO tblPreachers (") + columnPieces()
        + QStringLiteral(") VALUES (") + SQLLong(m_preacherID) + QStringLiteral(", ")
        + SQLText(m_firstName) + QStringLiteral(", ") + SQLText(m_middleInitial)
        + QStringLiteral(", ") + SQLText(m_lastName) + QStringLiteral(", ") + SQLText(m_city)
        + QStringLiteral(", ") + SQLLong(m_stateID) + QStringLiteral(", ") + SQLText(m_country)
        + QStringLiteral(", ") + SQLText(m_organization) + QStringLiteral(", ")
        + SQLText(m_position) + QStringLiteral(", ") + SQLText(m_seminary) + QStringLiteral(", ")
        + SQLText(m_notes) + QStringLiteral(")");
    return insertRow(sql, QStringLiteral("Error Adding a New Record"), m_preacherID);
}

bool clsPreacher::Replace()
{
    clearLastError();
    if (!Check())
        return false;
    const QString sql = QStringLiteral("UPDATE tblPreachers SET ") + QStringLiteral("strFirstName=")
        + SQLText(m_firstName) + QStringLiteral(", ") + QStringLiteral("strMiddleInitial=")
        + SQLText(m_middleInitial) + QStringLiteral(", ") + QStringLiteral("strLastName=")
        + SQLText(m_lastName) + QStringLiteral(", ") + QStringLiteral("strCity=") + SQLText(m_city)
        + QStringLiteral(", ") + QStringLiteral("lngStateID=") + SQLLong(m_stateID)
        + QStringLiteral(", ") + QStringLiteral("strCountry=") + SQLText(m_country)
        + QStringLiteral(", ") + QStringLiteral("strOrganization=") + SQLText(m_organization)
        + QStringLiteral(", ") + QStringLiteral("strPosition=") + SQLText(m_position)
        + QStringLiteral(", ") + QStringLiteral("strSeminary=") + SQLText(m_seminary)
        + QStringLiteral(", ") + QStringLiteral("strNotes=") + SQLText(m_notes)
        + QStringLiteral(" ") + QStringLiteral("WHERE lngPreacherID=") + SQLLong(m_preacherID);
    return updateRow(sql, QStringLiteral("Error Updating Current Record"), m_preacherID);
}

bool clsPreacher::Delete()
{
    clearLastError();
    // The preacher's sermons go with the preacher (a cascading relation of the database).
    const QString sql = QStringLiteral("DELETE FROM tblPreachers ")
        + QStringLiteral("WHERE lngPreacherID=") + SQLLong(m_preacherID);
    return deleteRow(sql, QStringLiteral("Error Deleting Current Record"), m_preacherID);
}

QString clsPreacher::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnPieces() + QStringLiteral("FROM tblPreachers ");
    if (withKey)
        sql += QStringLiteral("WHERE lngPreacherID=") + SQLLong(m_preacherID);
    sql += QStringLiteral(" Order by strLastName");
    return sql;
}

void clsPreacher::CopyFields(const DbSnapshot &rs)
{
    m_preacherID = NullToLong(rs.field(u"lngPreacherID"));
    m_firstName = NullToText(rs.field(u"strFirstName"));
    m_middleInitial = NullToText(rs.field(u"strMiddleInitial"));
    m_lastName = NullToText(rs.field(u"strLastName"));
    m_city = NullToText(rs.field(u"strCity"));
    m_stateID = NullToLong(rs.field(u"lngStateID"));
    m_country = NullToText(rs.field(u"strCountry"));
    m_organization = NullToText(rs.field(u"strOrganization"));
    m_position = NullToText(rs.field(u"strPosition"));
    m_seminary = NullToText(rs.field(u"strSeminary"));
    m_notes = NullToText(rs.field(u"strNotes"));
}
