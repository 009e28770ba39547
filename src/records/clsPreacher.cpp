#include "clsPreacher.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

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

QList<ColumnValue> clsPreacher::columnValues() const
{
    return { { QStringLiteral("lngPreacherID"), SQLLong(m_preacherID) },
        { QStringLiteral("strFirstName"), SQLText(m_firstName) },
        { QStringLiteral("strMiddleInitial"), SQLText(m_middleInitial) },
        { QStringLiteral("strLastName"), SQLText(m_lastName) },
        { QStringLiteral("strCity"), SQLText(m_city) },
        { QStringLiteral("lngStateID"), SQLLong(m_stateID) },
        { QStringLiteral("strCountry"), SQLText(m_country) },
        { QStringLiteral("strOrganization"), SQLText(m_organization) },
        { QStringLiteral("strPosition"), SQLText(m_position) },
        { QStringLiteral("strSeminary"), SQLText(m_seminary) },
        { QStringLiteral("strNotes"), SQLText(m_notes) } };
}

bool clsPreacher::AddNew()
{
    // Key 0 is the shipped default preacher: a failed allocation stores nothing.
    return addNewRow(m_preacherID);
}

bool clsPreacher::Replace()
{
    return replaceRow(m_preacherID, [this] { return Check(); });
}

bool clsPreacher::Delete()
{
    // The preacher's sermons go with the preacher (a cascading relation of the database).
    return deleteRowWithKey(m_preacherID);
}

QString clsPreacher::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblPreachers ");
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
