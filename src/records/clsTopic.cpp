#include "clsTopic.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

clsTopic::clsTopic()
    : RecordBase(EngineErrors::Trapped)
{
    checkRowsOf(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID"));
}

clsTopic::~clsTopic() = default;

bool clsTopic::Check()
{
    if (TrimBlanks(m_description).isEmpty()) {
        setInfoMessage(QStringLiteral("Topic ") + MustBeFilledIn);
        return false;
    }
    return true;
}

QList<ColumnValue> clsTopic::columnValues() const
{
    return { { QStringLiteral("lngTopicID"), SQLLong(m_topicID) },
        { QStringLiteral("strTopic"), SQLText(m_description) } };
}

bool clsTopic::AddNew()
{
    return addNewRow(m_topicID);
}

bool clsTopic::Replace()
{
    return replaceRow(m_topicID);
}

bool clsTopic::Delete()
{
    return deleteRowWithKey(m_topicID);
}

QString clsTopic::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblTopics ");
    if (withKey)
        sql += QStringLiteral("WHERE lngTopicID=") + SQLLong(m_topicID);
    sql += QStringLiteral(" ORDER BY strTopic");
    return sql;
}

void clsTopic::CopyFields(const DbSnapshot &rs)
{
    m_topicID = NullToLong(rs.field(u"lngTopicID"));
    m_description = NullToText(rs.field(u"strTopic"));
}
