#include "SermonExportRows.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "RecordValues.h"
#include "SqlLiterals.h"
#include "clsConnect.h"

#include <QHash>
#include <QSet>

namespace {

// Lists up to this long are read by their keys; longer ones by reading every sermon once.
constexpr int kKeyListLimit = 200;

QString keyCondition(const QString &column, const QList<qint32> &ids)
{
    if (ids.size() > kKeyListLimit)
        return QString();
    QStringList keys;
    for (qint32 id : ids)
        keys.append(SQLLong(id));
    return QStringLiteral(" WHERE %1 IN (%2)").arg(column, keys.join(QLatin1Char(',')));
}

QString fullName(const DbSnapshot &rs)
{
    QStringList parts;
    for (const char *column : { "strFirstName", "strMiddleInitial", "strLastName" }) {
        const QString part = NullToText(rs.field(QString::fromLatin1(column)));
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

bool SermonExportRows::read(
    const QList<qint32> &sermonIds, bool withOutlines, QList<SermonExportRow> &rows, DbError &error)
{
    rows.clear();
    DbDatabase *database = ProgramConnection().openDatabase(error);
    if (!database)
        return false;
    if (sermonIds.isEmpty())
        return true;
    QString sql = QStringLiteral(
        "SELECT s.lngSermonID, s.strDisplayText, s.strTitle, s.strBigIdea, s.dtDatePreached, "
        "s.strLocation, p.strFirstName, p.strMiddleInitial, p.strLastName, r.strName AS strSeriesName");
    if (withOutlines)
        sql += QStringLiteral(", s.strOutline");
    sql += QStringLiteral(
               " FROM (tblSermons s LEFT JOIN tblPreachers p ON p.lngPreacherID = s.lngPreacherID)"
               " LEFT JOIN tblSeries r ON r.lngSeriesID = s.lngSeriesID")
        + keyCondition(QStringLiteral("s.lngSermonID"), sermonIds);
    auto rs = database->openSnapshot(sql, error);
    if (!rs)
        return false;
    QHash<qint32, SermonExportRow> byKey;
    const QSet<qint32> wanted(sermonIds.cbegin(), sermonIds.cend());
    for (; !rs->eof(); rs->moveNext()) {
        SermonExportRow row;
        row.sermonId = NullToLong(rs->field(0));
        if (!wanted.contains(row.sermonId))
            continue;
        row.reference = NullToText(rs->field(1));
        row.title = NullToText(rs->field(2));
        row.bigIdea = NullToText(rs->field(3));
        row.datePreached = DateField(rs->field(4));
        row.location = NullToText(rs->field(5));
        row.preacher = fullName(*rs);
        row.series = NullToText(rs->field(9));
        if (withOutlines)
            row.outline = rs->field(10).toString();
        byKey.insert(row.sermonId, row);
    }
    if (rs->lastError().isSet()) {
        error = rs->lastError();
        return false;
    }
    auto topics = database->openSnapshot(
        QStringLiteral("SELECT st.lngSermonID, t.strTopic FROM tblSermonTopics st"
                       " INNER JOIN tblTopics t ON t.lngTopicID = st.lngTopicID")
            + keyCondition(QStringLiteral("st.lngSermonID"), sermonIds),
        error);
    if (!topics)
        return false;
    for (; !topics->eof(); topics->moveNext()) {
        const auto found = byKey.find(NullToLong(topics->field(0)));
        if (found != byKey.end())
            found->topics.append(NullToText(topics->field(1)));
    }
    if (topics->lastError().isSet()) {
        error = topics->lastError();
        return false;
    }
    rows.reserve(sermonIds.size());
    for (qint32 id : sermonIds) {
        auto found = byKey.find(id);
        if (found == byKey.end())
            continue;
        found->topics.sort();
        rows.append(*found);
    }
    return true;
}
