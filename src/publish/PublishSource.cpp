#include "PublishSource.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "DbTransaction.h"
#include "RecordValues.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

bool hasTable(DbDatabase &db, const QString &table)
{
    DbError ignored;
    return db.openSnapshot(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table), ignored)
        != nullptr;
}

QString fullName(const DbSnapshot &rs, int first)
{
    QStringList parts;
    for (int i = first; i < first + 3; ++i) {
        const QString part = NullToText(rs.field(i));
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

bool failed(const DbSnapshot &rs, DbError &error)
{
    if (!rs.lastError().isSet())
        return false;
    error = rs.lastError();
    return true;
}

// Walks `sql`, handing each row of a wanted sermon (its key in column 0) to `take`.
bool eachRow(DbDatabase &db, const QString &sql, const QHash<qint32, int> &index,
    const std::function<void(const DbSnapshot &, int)> &take, DbError &error)
{
    auto rs = db.openSnapshot(sql, error);
    if (!rs)
        return false;
    for (; !rs->eof(); rs->moveNext()) {
        const auto found = index.constFind(NullToLong(rs->field(0)));
        if (found != index.cend())
            take(*rs, *found);
    }
    return !failed(*rs, error);
}

const char *const kSettings[]
    = { "Title", "Description", "Author", "Picture", "BaseUrl", "Language", "Folder", "Sermons",
          "SeriesID", "Outlines", "PassageText", "BibleVersion", "OutlineWithheld" };

QString withheldList(QList<qint32> keys)
{
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    QStringList texts;
    for (qint32 key : keys)
        texts.append(QString::number(key));
    return texts.join(QLatin1Char(' '));
}

} // namespace

bool PublishSource::readSermons(DbDatabase &db, const PublishChoices &choices,
    const QList<qint32> &keys, QList<PublishSermon> &sermons, DbError &error)
{
    sermons.clear();
    error.clear();
    QString sql = QStringLiteral(
        "SELECT s.lngSermonID, s.strTitle, s.strDisplayText, s.lngBibleBookID, b.strBibleBook, "
        "s.intBeginChapter, s.intBeginVerse, s.strBigIdea, s.dtDatePreached, s.strLocation, "
        "s.lngPreacherID, p.strFirstName, p.strMiddleInitial, p.strLastName, s.lngSeriesID, "
        "r.strName AS strSeriesName, s.intEndChapter, s.intEndVerse");
    if (choices.outlines)
        sql += QStringLiteral(", s.strOutline");
    sql += QStringLiteral(
        " FROM ((tblSermons s LEFT JOIN tblPreachers p ON p.lngPreacherID = s.lngPreacherID)"
        " LEFT JOIN tblSeries r ON r.lngSeriesID = s.lngSeriesID)"
        " LEFT JOIN tblBibleBooks b ON b.lngBibleBookID = s.lngBibleBookID");
    switch (choices.sermons) {
    case PublishChoices::Sermons::AllDated:
        sql += QStringLiteral(" WHERE s.dtDatePreached IS NOT NULL");
        break;
    case PublishChoices::Sermons::Series:
        sql += QStringLiteral(" WHERE s.lngSeriesID = ") + SQLLong(choices.seriesId);
        break;
    case PublishChoices::Sermons::CurrentList:
        break; // filtered below by the list's keys
    }
    sql += QStringLiteral(" ORDER BY s.lngSermonID");
    const QSet<qint32> wanted(keys.cbegin(), keys.cend());
    const QSet<qint32> withheld(choices.outlineWithheld.cbegin(), choices.outlineWithheld.cend());
    auto rs = db.openSnapshot(sql, error);
    if (!rs)
        return false;
    QHash<qint32, int> index;
    for (; !rs->eof(); rs->moveNext()) {
        PublishSermon s;
        s.id = NullToLong(rs->field(0));
        if (choices.sermons == PublishChoices::Sermons::CurrentList && !wanted.contains(s.id))
            continue;
        s.title = NullToText(rs->field(1));
        s.passage = NullToText(rs->field(2));
        s.bookOrder = NullToLong(rs->field(3));
        if (s.bookOrder > 0)
            s.book = NullToText(rs->field(4));
        s.chapter = NullToLong(rs->field(5));
        s.verse = NullToLong(rs->field(6));
        s.bigIdea = NullToText(rs->field(7));
        s.occasions.append({ DateField(rs->field(8)), NullToText(rs->field(9)) });
        // Key 0 is the library's "none" row ("(No Preacher)", "(No Series)").
        if (NullToLong(rs->field(10)) != 0)
            s.preacher = fullName(*rs, 11);
        if (NullToLong(rs->field(14)) != 0)
            s.series = NullToText(rs->field(15));
        s.endChapter = NullToLong(rs->field(16));
        s.endVerse = NullToLong(rs->field(17));
        if (choices.outlines && !withheld.contains(s.id))
            s.outline = rs->field(18).toString();
        // A page and an episode need a title: an untitled sermon goes by its passage.
        if (s.title.trimmed().isEmpty())
            s.title = s.passage.isEmpty()
                ? QCoreApplication::translate("PublishSource", "Sermon %1").arg(s.id)
                : s.passage;
        index.insert(s.id, int(sermons.size()));
        sermons.append(s);
    }
    if (failed(*rs, error))
        return false;
    rs.reset();

    if (!eachRow(
            db,
            QStringLiteral("SELECT st.lngSermonID, t.strTopic FROM tblSermonTopics st INNER JOIN "
                           "tblTopics t ON t.lngTopicID = st.lngTopicID ORDER BY t.strTopic"),
            index,
            [&](const DbSnapshot &row, int at) {
                sermons[at].topics.append(NullToText(row.field(1)));
            },
            error))
        return false;
    if (!eachRow(
            db,
            QStringLiteral("SELECT lngSermonID, dtDatePreached, strLocation FROM tblDateLoc "
                           "ORDER BY lngSermonID, dtDatePreached, lngDateLocID"),
            index,
            [&](const DbSnapshot &row, int at) {
                sermons[at].occasions.append({ DateField(row.field(1)), NullToText(row.field(2)) });
            },
            error))
        return false;
    if (hasTable(db, QStringLiteral("tblRecordings"))
        && !eachRow(
            db,
            QStringLiteral("SELECT lngSermonID, lngRecordingID, strSource, strMimeType, "
                           "lngMilliseconds, lngKilobytes FROM tblRecordings "
                           "ORDER BY lngSermonID, lngRecordingID"),
            index,
            [&](const DbSnapshot &row, int at) {
                PublishRecording r;
                r.id = NullToLong(row.field(1));
                r.source = NullToText(row.field(2));
                r.mimeType = NullToText(row.field(3));
                r.milliseconds = NullToLong(row.field(4));
                r.bytes = qint64(NullToLong(row.field(5))) * 1024;
                sermons[at].recordings.append(r);
            },
            error))
        return false;
    return true;
}

bool PublishSource::keepsChoices(DbDatabase &db)
{
    return hasTable(db, QStringLiteral("tblPublishSettings"));
}

bool PublishSource::readChoices(DbDatabase &db, PublishChoices &choices, DbError &error)
{
    error.clear();
    if (!hasTable(db, QStringLiteral("tblPublishSettings")))
        return true;
    auto rs = db.openSnapshot(
        QStringLiteral("SELECT strSetting, strValue FROM tblPublishSettings"), error);
    if (!rs)
        return false;
    QHash<QString, QString> kept;
    for (; !rs->eof(); rs->moveNext())
        kept.insert(NullToText(rs->field(0)), NullToText(rs->field(1)));
    if (failed(*rs, error))
        return false;
    auto text = [&](const char *name, QString &value) {
        const auto found = kept.constFind(QLatin1String(name));
        if (found != kept.cend())
            value = *found;
    };
    auto flag = [&](const char *name, bool &value) {
        const auto found = kept.constFind(QLatin1String(name));
        if (found != kept.cend())
            value = *found == QLatin1String("1");
    };
    text("Title", choices.site.title);
    text("Description", choices.site.description);
    text("Author", choices.site.author);
    text("Picture", choices.site.imagePath);
    text("BaseUrl", choices.site.baseUrl);
    text("Language", choices.site.language);
    text("Folder", choices.folder);
    text("BibleVersion", choices.bibleVersion);
    flag("Outlines", choices.outlines);
    flag("PassageText", choices.passageText);
    const QString sermonsChoice = kept.value(QStringLiteral("Sermons"));
    if (sermonsChoice == QLatin1String("Series"))
        choices.sermons = PublishChoices::Sermons::Series;
    else if (sermonsChoice == QLatin1String("CurrentList"))
        choices.sermons = PublishChoices::Sermons::CurrentList;
    choices.seriesId = kept.value(QStringLiteral("SeriesID")).toInt();
    choices.outlineWithheld.clear();
    for (const QString &key :
        kept.value(QStringLiteral("OutlineWithheld")).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        choices.outlineWithheld.append(key.toInt());
    if (choices.site.language.isEmpty())
        choices.site.language = QStringLiteral("en");
    return true;
}

bool PublishSource::writeChoices(DbDatabase &db, const PublishChoices &choices, DbError &error)
{
    error.clear();
    if (!hasTable(db, QStringLiteral("tblPublishSettings")))
        return false;
    const QString sermonsChoice = choices.sermons == PublishChoices::Sermons::Series
        ? QStringLiteral("Series")
        : choices.sermons == PublishChoices::Sermons::CurrentList ? QStringLiteral("CurrentList")
                                                                  : QStringLiteral("AllDated");
    const QStringList values { choices.site.title, choices.site.description, choices.site.author,
        choices.site.imagePath, choices.site.baseUrl, choices.site.language, choices.folder,
        sermonsChoice, QString::number(choices.seriesId),
        choices.outlines ? QStringLiteral("1") : QStringLiteral("0"),
        choices.passageText ? QStringLiteral("1") : QStringLiteral("0"), choices.bibleVersion,
        withheldList(choices.outlineWithheld) };
    DbTransaction transaction(db);
    if (!transaction.beginWrite(error))
        return false;
    int affected = 0;
    if (!db.execute(QStringLiteral("DELETE FROM tblPublishSettings"), &affected, error))
        return false;
    for (int i = 0; i < values.size(); ++i) {
        if (!db.execute(QStringLiteral("INSERT INTO tblPublishSettings (strSetting, strValue) "
                                       "VALUES (%1, %2)")
                            .arg(SQLText(QLatin1String(kSettings[i])), SQLText(values.at(i))),
                &affected, error))
            return false;
    }
    return transaction.commit(error);
}
