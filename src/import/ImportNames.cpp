#include "ImportNames.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "KeyCounter.h"
#include "SqlLiterals.h"

namespace {

// Each kind's table, key column and the query that gives key and name.
struct Source
{
    const char *table;
    const char *keyColumn;
    const char *query;
};
const Source Sources[] = {
    { "tblPreachers", "lngPreacherID",
        "SELECT lngPreacherID, strFirstName, strMiddleInitial, strLastName FROM tblPreachers" },
    { "tblType", "lngTypeID", "SELECT lngTypeID, strTypeDesc FROM tblType" },
    { "tblSeries", "lngSeriesID", "SELECT lngSeriesID, strName FROM tblSeries" },
    { "tblTopics", "lngTopicID", "SELECT lngTopicID, strTopic FROM tblTopics" },
};

void addNew(QStringList &list, const QString &name)
{
    const QString shown = name.simplified();
    for (const QString &had : std::as_const(list)) {
        if (had.compare(shown, Qt::CaseInsensitive) == 0)
            return;
    }
    list.append(shown);
}

} // namespace

QString ImportNames::Missing::describe() const
{
    QStringList lines;
    if (!preachers.isEmpty())
        lines.append(QStringLiteral("Preachers: ") + preachers.join(QStringLiteral(", ")));
    if (!series.isEmpty())
        lines.append(QStringLiteral("Series: ") + series.join(QStringLiteral(", ")));
    if (!topics.isEmpty())
        lines.append(QStringLiteral("Topics: ") + topics.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}

void ImportNames::add(Kind kind, const QString &name, qint32 key)
{
    const QString folded = fold(name);
    if (folded.isEmpty() || table(kind).keys.contains(folded))
        return;
    table(kind).keys.insert(folded, key);
    table(kind).written.append(name.simplified());
}

bool ImportNames::load(DbDatabase &db, DbError &error)
{
    for (int kind = 0; kind < 4; ++kind) {
        m_tables[kind] = Table();
        auto rs = db.openSnapshot(QString::fromLatin1(Sources[kind].query), error);
        if (!rs)
            return false;
        for (; !rs->eof(); rs->moveNext()) {
            QStringList parts;
            for (int i = 1; i < rs->fieldCount(); ++i) {
                const QString part = NullToText(rs->field(i));
                if (!part.isEmpty())
                    parts.append(part);
            }
            add(Kind(kind), parts.join(QLatin1Char(' ')), NullToLong(rs->field(0)));
        }
        if (rs->lastError().isSet()) {
            error = rs->lastError();
            return false;
        }
        m_tables[kind].written.sort(Qt::CaseInsensitive);
    }
    return true;
}

qint32 ImportNames::find(Kind kind, const QString &name) const
{
    return table(kind).keys.value(fold(name), 0);
}

bool ImportNames::has(Kind kind, const QString &name) const
{
    return table(kind).keys.contains(fold(name));
}

QStringList ImportNames::names(Kind kind) const
{
    return table(kind).written;
}

ImportNames::Missing ImportNames::missing(const QList<ImportRow> &rows) const
{
    Missing out;
    for (const ImportRow &row : rows) {
        if (!row.writable())
            continue;
        if (!row.preacher.trimmed().isEmpty() && !has(Kind::Preacher, row.preacher))
            addNew(out.preachers, row.preacher);
        if (!row.series.trimmed().isEmpty() && !has(Kind::Series, row.series))
            addNew(out.series, row.series);
        for (const QString &topic : row.topics) {
            if (!topic.trimmed().isEmpty() && !has(Kind::Topic, topic))
                addNew(out.topics, topic);
        }
    }
    return out;
}

bool ImportNames::create(DbDatabase &db, const Missing &missing, DbError &error)
{
    const QList<QPair<Kind, QStringList>> lists { { Kind::Preacher, missing.preachers },
        { Kind::Series, missing.series }, { Kind::Topic, missing.topics } };
    int affected = 0;
    for (const auto &[kind, names] : lists) {
        if (names.isEmpty())
            continue;
        const Source &source = Sources[int(kind)];
        const qint32 first = KeyCounter::take(db, QString::fromLatin1(source.table),
            QString::fromLatin1(source.keyColumn), int(names.size()), 1, error);
        if (first == 0)
            return false;
        for (int i = 0; i < names.size(); ++i) {
            const QString key = SQLLong(first + i);
            QString sql;
            if (kind == Kind::Preacher) {
                const QStringList parts = splitPersonName(names.at(i));
                sql = QStringLiteral("INSERT INTO tblPreachers (lngPreacherID, strFirstName, "
                                     "strMiddleInitial, strLastName, lngStateID) VALUES (")
                    + key + u", " + SQLText(parts.at(0)) + u", " + SQLText(parts.at(1)) + u", "
                    + SQLText(parts.at(2)) + u", 0)";
            } else if (kind == Kind::Series) {
                sql = QStringLiteral("INSERT INTO tblSeries (lngSeriesID, strName, lngBibleBookID, "
                                     "lngPreacherID, lngTypeID, lngPublisherID) VALUES (")
                    + key + u", " + SQLText(names.at(i)) + u", 0, 0, 0, 0)";
            } else {
                sql = QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES (") + key
                    + u", " + SQLText(names.at(i)) + u")";
            }
            if (!db.execute(sql, &affected, error))
                return false;
            add(kind, names.at(i), first + i);
        }
    }
    return true;
}

void ImportNames::resolve(ImportRow &row) const
{
    row.preacherID = find(Kind::Preacher, row.preacher);
    row.typeID = find(Kind::Type, row.type);
    row.seriesID = find(Kind::Series, row.series);
}

QList<qint32> ImportNames::topicKeys(const ImportRow &row) const
{
    QList<qint32> keys;
    for (const QString &topic : row.topics) {
        const qint32 key = find(Kind::Topic, topic);
        if (has(Kind::Topic, topic) && !keys.contains(key))
            keys.append(key);
    }
    return keys;
}

QStringList ImportNames::splitPersonName(const QString &name)
{
    QStringList words = name.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString last = words.isEmpty() ? QString() : words.takeLast();
    QString middle;
    if (words.size() >= 2 && words.last().size() <= 2)
        middle = words.takeLast();
    return { words.join(QLatin1Char(' ')), middle, last };
}
