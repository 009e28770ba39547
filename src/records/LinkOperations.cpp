#include "LinkOperations.h"

#include "DbDatabase.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "clsConnect.h"

#include <QCoreApplication>

namespace {

LinkResult runLink(const QString &sql, const QString &message)
{
    LinkResult result;
    DbDatabase *db = ProgramConnection().openDatabase(result.error);
    if (!db)
        return result;
    int affected = 0;
    if (!db->execute(sql, &affected, result.error))
        return result;
    result.done = affected == 1;
    if (!result.done)
        result.message = message;
    return result;
}

} // namespace

namespace {

// "INSERT INTO tbl (first, second ) VALUES (a, b)": one link pair.
LinkResult insertPair(const QString &table, const QString &firstColumn, const QString &secondColumn,
    qint32 first, qint32 second, const QString &failure)
{
    return runLink(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + firstColumn
            + QStringLiteral(", ") + secondColumn + QStringLiteral(" ")
            + QStringLiteral(") VALUES (") + SQLLong(first) + QStringLiteral(", ") + SQLLong(second)
            + QStringLiteral(")"),
        failure);
}

// "DELETE FROM tbl WHERE first=a AND second=b": one link pair.
LinkResult deletePair(const QString &table, const QString &firstColumn, const QString &secondColumn,
    qint32 first, qint32 second, const QString &failure)
{
    return runLink(QStringLiteral("DELETE FROM ") + table + QStringLiteral(" ")
            + QStringLiteral("WHERE ") + firstColumn + QStringLiteral("=") + SQLLong(first)
            + QStringLiteral(" ") + QStringLiteral("AND ") + secondColumn + QStringLiteral("=")
            + SQLLong(second),
        failure);
}

} // namespace

LinkResult AddSermonTopic(qint32 sermonID, qint32 topicID)
{
    return insertPair(QStringLiteral("tblSermonTopics"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngTopicID"), sermonID, topicID,
        QCoreApplication::translate("LinkOperations", "Error adding Sermon/Topic Record"));
}

LinkResult RemoveSermonTopic(qint32 sermonID, qint32 topicID)
{
    return deletePair(QStringLiteral("tblSermonTopics"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngTopicID"), sermonID, topicID,
        QCoreApplication::translate("LinkOperations", "Error deleting Sermon/Topic Record"));
}

LinkResult AddIllustrTopic(qint32 illustrationID, qint32 topicID)
{
    return insertPair(QStringLiteral("tblIllustrTopics"), QStringLiteral("lngIllustrID"),
        QStringLiteral("lngTopicID"), illustrationID, topicID,
        QCoreApplication::translate("LinkOperations", "Error adding Illustr/Topic Record"));
}

LinkResult RemoveIllustrTopic(qint32 illustrationID, qint32 topicID)
{
    return deletePair(QStringLiteral("tblIllustrTopics"), QStringLiteral("lngIllustrID"),
        QStringLiteral("lngTopicID"), illustrationID, topicID,
        QCoreApplication::translate("LinkOperations", "Error deleting Illustr/Topic Record"));
}

LinkResult AddSermonIllustr(qint32 sermonID, qint32 illustrationID)
{
    return insertPair(QStringLiteral("tblSermonIllustr"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngIllustrID"), sermonID, illustrationID,
        QCoreApplication::translate("LinkOperations", "Error adding Sermon/Illustration Record"));
}

LinkResult RemoveSermonIllustr(qint32 sermonID, qint32 illustrationID)
{
    return deletePair(QStringLiteral("tblSermonIllustr"), QStringLiteral("lngSermonID"),
        QStringLiteral("lngIllustrID"), sermonID, illustrationID,
        QCoreApplication::translate("LinkOperations", "Error deleting Sermon/Illustration Record"));
}
