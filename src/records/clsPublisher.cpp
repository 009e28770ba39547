#include "clsPublisher.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

namespace {

QString columnPieces()
{
    return QStringLiteral("lngPublisherID, ") + QStringLiteral("strPublisher, ")
        + QStringLiteral("strCity, ") + QStringLiteral("lngStateID ");
}

} // namespace

clsPublisher::clsPublisher()
    : RecordBase(EngineErrors::Trapped)
{
    checkRowsOf(QStringLiteral("tblPublishers"), QStringLiteral("lngPublisherID"));
}

clsPublisher::~clsPublisher() = default;

bool clsPublisher::Check()
{
    if (TrimBlanks(m_publisher).isEmpty()) {
        setInfoMessage(QStringLiteral("Name ") + MustBeFilledIn);
        return false;
    }
    return true;
}

bool clsPublisher::AddNew()
{
    clearLastError();
    m_publisherID = newKey(QStringLiteral("tblPublishers"), QStringLiteral("lngPublisherID"));
    if (m_publisherID == 0) {
        // The allocator failed and has said so; key 0 is the shipped default publisher.
        setInfoMessage(QStringLiteral("Error Adding a New Record"));
        return false;
    }
    const QString sql = QStringLiteral("INSERT INTO tblPublishers (") + columnPieces()
        + QStringLiteral(") VALUES (") + SQLLong(m_publisherID) + QStringLiteral(", ")
        + SQLText(m_publisher) + QStringLiteral(", ") + SQLText(m_city) + QStringLiteral(", ")
        + SQLLong(m_stateID) + QStringLiteral(")");
    return insertRow(sql, QStringLiteral("Error Adding a New Record"), m_publisherID);
}

bool clsPublisher::Replace()
{
    clearLastError();
    const QString sql = QStringLiteral("UPDATE tblPublishers SET ")
        + QStringLiteral("strPublisher=") + SQLText(m_publisher) + QStringLiteral(", ")
        + QStringLiteral("strCity=") + SQLText(m_city) + QStringLiteral(", ")
        + QStringLiteral("lngStateID=") + SQLLong(m_stateID) + QStringLiteral(" ")
        + QStringLiteral("WHERE lngPublisherID=") + SQLLong(m_publisherID);
    return updateRow(sql, QStringLiteral("Error Updating Current Record"), m_publisherID);
}

bool clsPublisher::Delete()
{
    clearLastError();
    // The publisher's series, and their sermons, go with it (cascading relations).
    const QString sql = QStringLiteral("DELETE FROM tblPublishers ")
        + QStringLiteral("WHERE lngPublisherID=") + SQLLong(m_publisherID);
    return deleteRow(sql, QStringLiteral("Error Deleting Current Record"), m_publisherID);
}

QString clsPublisher::BuildSelectSql(bool withKey) const
{
    QString sql
        = QStringLiteral("SELECT ") + columnPieces() + QStringLiteral("FROM tblPublishers ");
    if (withKey)
        sql += QStringLiteral("WHERE lngPublisherID=") + SQLLong(m_publisherID);
    sql += QStringLiteral(" Order by strPublisher");
    return sql;
}

void clsPublisher::CopyFields(const DbSnapshot &rs)
{
    m_publisherID = NullToLong(rs.field(u"lngPublisherID"));
    m_publisher = NullToText(rs.field(u"strPublisher"));
    m_city = NullToText(rs.field(u"strCity"));
    m_stateID = NullToLong(rs.field(u"lngStateID"));
}
