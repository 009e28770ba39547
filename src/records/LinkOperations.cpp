#include "LinkOperations.h"

#include "DbDatabase.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"

namespace {

DbError g_lastError;

bool runLink(const QString &sql, const QString &message)
{
    g_lastError.clear();
    DbDatabase *db = ProgramConnection().openDatabase(g_lastError);
    if (!db)
        return false;
    DbError error;
    int affected = 0;
    if (!db->execute(sql, &affected, error)) {
        g_lastError = error;
        return false;
    }
    if (affected != 1) {
        MsgBox(message);
        return false;
    }
    return true;
}

} // namespace

const DbError &LinkLastError()
{
    return g_lastError;
}

namespace {

// "INSERT INTO tbl (first, second ) VALUES (a, b)": one link pair.
bool insertPair(const QString &table, const QString &firstColumn, const QString &secondColumn,
    qint32 first, qint32 second, const QString &failure)
{
    return runLink(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + firstColumn
            + QStringLiteral(", ") + secondColumn + QStringLiteral(" ")
            + QStringLiteral(") VALUES (") + SQLLong(first) + QStringLiteral(", ") + SQLLong(second)
            + QStringLiteral(")"),
        failure);
}

// "DELETE FROM tbl WHERE first=a AND second=b": one link pair.
bool deletePair(const QString &table, const QString &firstColumn, const QString &secondColumn,
    qint32 first, qint32 second, const QString &failure)
{
    return runLink(QStringLiteral("DELETE FROM ") + table + QStringLiteral(" ")
            + QStringLiteral("WHERE ") + firstColumn + QStringLiteral("=") + SQLLong(first)
            + QStringLiteral(" ") + QStringLiteral("AND ") + secondColumn + QStringLiteral("=")
            + SQLLong(second),
        failure);
}

} // namespace

bool AddSermonTopic(qint32 sermonID, qint32 topicID)
{
    return insertPair(QStringLiteral("tblSermonTopics"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngTopicID"), sermonID, topicID,
        QStringLiteral("Error adding Sermon/Topic Record"));
}

bool RemoveSermonTopic(qint32 sermonID, qint32 topicID)
{
    return deletePair(QStringLiteral("tblSermonTopics"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngTopicID"), sermonID, topicID,
        QStringLiteral("Error deleting Sermon/Topic Record"));
}

bool AddIllustrTopic(qint32 illustrationID, qint32 topicID)
{
    return insertPair(QStringLiteral("tblIllustrTopics"), QStringLiteral("lngIllustrID"),
        QStringLiteral("lngTopicID"), illustrationID, topicID,
        QStringLiteral("Error adding Illustr/Topic Record"));
}

bool RemoveIllustrTopic(qint32 illustrationID, qint32 topicID)
{
    return deletePair(QStringLiteral("tblIllustrTopics"), QStringLiteral("lngIllustrID"),
        QStringLiteral("lngTopicID"), illustrationID, topicID,
        QStringLiteral("Error deleting Illustr/Topic Record"));
}

bool AddSermonIllustr(qint32 sermonID, qint32 illustrationID)
{
    return insertPair(QStringLiteral("tblSermonIllustr"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngIllustrID"), sermonID, illustrationID,
        QStringLiteral("Error adding Sermon/Illustration Record"));
}

bool RemoveSermonIllustr(qint32 sermonID, qint32 illustrationID)
{
    return deletePair(QStringLiteral("tblSermonIllustr"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngIllustrID"), sermonID, illustrationID,
        QStringLiteral("Error deleting Sermon/Illustration Record"));
}
