#include "clsPublisher.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

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

QList<ColumnValue> clsPublisher::columnValues() const
{
    return { { QStringLiteral("lngPublisherID"), SQLLong(m_publisherID) },
        { QStringLiteral("strPublisher"), SQLText(m_publisher) },
        { QStringLiteral("strCity"), SQLText(m_city) },
        { QStringLiteral("lngStateID"), SQLLong(m_stateID) } };
}

bool clsPublisher::AddNew()
{
    // Key 0 is the shipped default publisher: a failed allocation stores nothing.
    return addNewRow(m_publisherID);
}

bool clsPublisher::Replace()
{
    return replaceRow(m_publisherID);
}

bool clsPublisher::Delete()
{
    // The publisher's series, and their sermons, go with it (cascading relations).
    return deleteRowWithKey(m_publisherID);
}

QString clsPublisher::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblPublishers ");
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
