#include "ImportNames.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "KeyCounter.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

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
        lines.append(QCoreApplication::translate("ImportNames", "Preachers: %1")
                         .arg(preachers.join(QStringLiteral(", "))));
    if (!series.isEmpty())
        lines.append(QCoreApplication::translate("ImportNames", "Series: %1")
                         .arg(series.join(QStringLiteral(", "))));
    if (!topics.isEmpty())
        lines.append(QCoreApplication::translate("ImportNames", "Topics: %1")
                         .arg(topics.join(QStringLiteral(", "))));
    return lines.join(QLatin1Char('\n'));
}

void ImportNames::add(Kind kind, const QString &name, qint32 key)
{
    if (kind == Kind::Preacher) {
        addPreacher(splitPersonName(name), key);
        return;
    }
    const QString folded = fold(name);
    if (folded.isEmpty() || table(kind).keys.contains(folded))
        return;
    table(kind).keys.insert(folded, key);
    table(kind).names.insert(key, name.simplified());
    table(kind).written.append(name.simplified());
}

QStringList ImportNames::personKeys(const QString &name)
{
    return partKeys(splitPersonName(name));
}

QStringList ImportNames::partKeys(QStringList parts)
{
    QStringList keys;
    for (QString &part : parts) {
        QString plain;
        for (const QChar c : part.normalized(QString::NormalizationForm_D)) {
            if (c.category() != QChar::Mark_NonSpacing && c != QLatin1Char('.'))
                plain += c;
        }
        part = fold(plain);
    }
    const QString full = QStringList({ parts.at(0), parts.at(1), parts.at(2) })
                             .join(QLatin1Char(' '))
                             .simplified();
    if (!full.isEmpty())
        keys.append(full);
    const QString shortForm = QString(parts.at(0) + QLatin1Char(' ') + parts.at(2)).simplified();
    if (!parts.at(1).isEmpty() && !shortForm.isEmpty())
        keys.append(shortForm);
    return keys;
}

void ImportNames::addPreacher(const QStringList &parts, qint32 key)
{
    Table &t = table(Kind::Preacher);
    const QString written = parts.join(QLatin1Char(' ')).simplified();
    if (written.isEmpty() || t.names.contains(key))
        return;
    // The full form of one preacher wins over another's form without a middle initial.
    const QStringList keys = partKeys(parts);
    for (int i = 0; i < keys.size(); ++i) {
        if (!t.keys.contains(keys.at(i)) || i == 0)
            t.keys.insert(keys.at(i), key);
    }
    t.names.insert(key, written);
    t.written.append(written);
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
            for (int i = 1; i < rs->fieldCount(); ++i)
                parts.append(NullToText(rs->field(i)).simplified());
            if (Kind(kind) == Kind::Preacher)
                addPreacher(parts, NullToLong(rs->field(0)));
            else
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
    if (kind != Kind::Preacher)
        return table(kind).keys.value(fold(name), 0);
    for (const QString &key : personKeys(name)) {
        if (const auto it = table(kind).keys.constFind(key); it != table(kind).keys.cend())
            return *it;
    }
    return 0;
}

bool ImportNames::has(Kind kind, const QString &name) const
{
    if (kind != Kind::Preacher)
        return table(kind).keys.contains(fold(name));
    const QStringList keys = personKeys(name);
    return std::any_of(keys.cbegin(), keys.cend(),
        [this, kind](const QString &key) { return table(kind).keys.contains(key); });
}

QString ImportNames::written(Kind kind, const QString &name) const
{
    return has(kind, name) ? table(kind).names.value(find(kind, name)) : QString();
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
    if (const QString name = written(Kind::Preacher, row.preacher); !name.isEmpty())
        row.preacher = name;
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
    QString simplified = name.simplified();
    QString last;
    // "Last, First M." as preacher lists show names (a comma in a last name is not known).
    if (const qsizetype comma = simplified.indexOf(QLatin1Char(',')); comma >= 0) {
        last = simplified.left(comma).trimmed();
        simplified = simplified.mid(comma + 1).simplified();
    }
    QStringList words = simplified.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (last.isEmpty() && !words.isEmpty())
        last = words.takeLast();
    QString middle;
    if (words.size() >= 2 && words.last().size() <= 2)
        middle = words.takeLast();
    return { words.join(QLatin1Char(' ')), middle, last };
}
