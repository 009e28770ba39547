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
    DbDatabase *db = ProgramConnection().DBObject();
    if (!db) {
        g_lastError.number = DbErrorNumber::NoDatabase;
        g_lastError.driverText = QStringLiteral("No database is open.");
        return false;
    }
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

bool AddSermonTopic(qint32 sermonID, qint32 topicID)
{
    return runLink(QStringLiteral("INSERT INTO tblSermonTopics (") + QStringLiteral("lngSermonID, ")
            + QStringLiteral("lngTopicID ") + QStringLiteral(") VALUES (") + SQLLong(sermonID)
            + QStringLiteral(", ") + SQLLong(topicID) + QStringLiteral(")"),
        QStringLiteral("Error adding Sermon/Topic Record"));
}

bool RemoveSermonTopic(qint32 sermonID, qint32 topicID)
{
    return runLink(QStringLiteral("DELETE FROM tblSermonTopics ")
            + QStringLiteral("WHERE lngSermonID=") + SQLLong(sermonID) + QStringLiteral(" ")
            + QStringLiteral("AND lngTopicID=") + SQLLong(topicID),
        QStringLiteral("Error deleting Sermon/Topic Record"));
}

bool AddIllustrTopic(qint32 illustrationID, qint32 topicID)
{
    return runLink(QStringLiteral("INSERT INTO tblIllustrTopics (")
            + QStringLiteral("lngIllustrID, ") + QStringLiteral("lngTopicID ")
            + QStringLiteral(") VALUES (") + SQLLong(illustrationID) + QStringLiteral(", ")
            + SQLLong(topicID) + QStringLiteral(")"),
        QStringLiteral("Error adding Illustr/Topic Record"));
}

bool RemoveIllustrTopic(qint32 illustrationID, qint32 topicID)
{
    return runLink(QStringLiteral("DELETE FROM tblIllustrTopics ")
            + QStringLiteral("WHERE lngIllustrID=") + SQLLong(illustrationID) + QStringLiteral(" ")
            + QStringLiteral("AND lngTopicID=") + SQLLong(topicID),
        QStringLiteral("Error deleting Illustr/Topic Record"));
}

bool AddSermonIllustr(qint32 sermonID, qint32 illustrationID)
{
    return runLink(QStringLiteral("INSERT INTO tblSermonIllustr (")
            + QStringLiteral("lngSermonID, ") + QStringLiteral("lngIllustrID ")
            + QStringLiteral(") VALUES (") + SQLLong(sermonID) + QStringLiteral(", ")
            + SQLLong(illustrationID) + QStringLiteral(")"),
        QStringLiteral("Error adding Sermon/Illustration Record"));
}

bool RemoveSermonIllustr(qint32 sermonID, qint32 illustrationID)
{
    return runLink(QStringLiteral("DELETE FROM tblSermonIllustr ")
            + QStringLiteral("WHERE lngSermonID=") + SQLLong(sermonID) + QStringLiteral(" ")
            + QStringLiteral("AND lngIllustrID=") + SQLLong(illustrationID),
        QStringLiteral("Error deleting Sermon/Illustration Record"));
}
