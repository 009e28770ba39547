#include "clsTopic.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

namespace {

QString columnPieces()
{
    return QStringLiteral("lngTopicID, ") + QStringLiteral("strTopic ");
}

} // namespace

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

bool clsTopic::AddNew()
{
    clearLastError();
    m_topicID = newKey(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID"));
    if (m_topicID == 0) {
        // The allocator failed and has said so; no topic is stored under key 0.
        setInfoMessage(QStringLiteral("Error Adding a New Record"));
        return false;
    }
    const QString sql = QStringLiteral("INSERT INTO tblTopics (") + columnPieces()
        + QStringLiteral(") VALUES (") + SQLLong(m_topicID) + QStringLiteral(", ")
        + SQLText(m_description) + QStringLiteral(")");
    return insertRow(sql, QStringLiteral("Error Adding a New Record"), m_topicID);
}

bool clsTopic::Replace()
{
    clearLastError();
    const QString sql = QStringLiteral("UPDATE tblTopics SET ") + QStringLiteral("strTopic=")
        + SQLText(m_description) + QStringLiteral(" ") + QStringLiteral("WHERE lngTopicID=")
        + SQLLong(m_topicID);
    return updateRow(sql, QStringLiteral("Error Updating Current Record"), m_topicID);
}

bool clsTopic::Delete()
{
    clearLastError();
    const QString sql = QStringLiteral("DELETE FROM tblTopics ")
        + QStringLiteral("WHERE lngTopicID=") + SQLLong(m_topicID);
    return deleteRow(sql, QStringLiteral("Error Deleting Current Record"), m_topicID);
}

QString clsTopic::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnPieces() + QStringLiteral("FROM tblTopics ");
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
