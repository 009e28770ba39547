#include "clsSermon.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The columns as CopyFields reads them; the positions follow columnValues().
enum Column : int {
    Key,
    Preacher,
    Type,
    Book,
    BeginChapter,
    BeginVerse,
    EndChapter,
    EndVerse,
    Reference,
    Series,
    Title,
    BigIdea,
    Date,
    Location,
    Outline,
    ColumnCount
};

constexpr const char16_t *columnNames[ColumnCount]
    = { u"lngSermonID", u"lngPreacherID", u"lngTypeID", u"lngBibleBookID", u"intBeginChapter",
          u"intBeginVerse", u"intEndChapter", u"intEndVerse", u"strDisplayText", u"lngSeriesID",
          u"strTitle", u"strBigIdea", u"dtDatePreached", u"strLocation", u"strOutline" };

// A column by its looked-up position; a missing one is read by name, so that the set
// reports it (FieldNotFound) exactly as a read by name always has.
QVariant columnValue(const DbSnapshot &rs, int position, Column column)
{
    return position >= 0 ? rs.field(position) : rs.field(QStringView(columnNames[column]));
}

} // namespace

clsSermon::clsSermon()
    : TableRecord(EngineErrors::Trapped, QStringLiteral("tblSermons"),
        { { QStringLiteral("lngSermonID"), &m_sermonID },
            { QStringLiteral("lngPreacherID"), &m_preacherID },
            { QStringLiteral("lngTypeID"), &m_typeID },
            { QStringLiteral("lngBibleBookID"), &m_bibleBookID },
            { QStringLiteral("intBeginChapter"), &m_beginChapter },
            { QStringLiteral("intBeginVerse"), &m_beginVerse },
            { QStringLiteral("intEndChapter"), &m_endChapter },
            { QStringLiteral("intEndVerse"), &m_endVerse },
            { QStringLiteral("strDisplayText"), &m_reference },
            { QStringLiteral("lngSeriesID"), &m_seriesID },
            { QStringLiteral("strTitle"), &m_title }, { QStringLiteral("strBigIdea"), &m_bigIdea },
            { QStringLiteral("dtDatePreached"), &m_datePreached },
            { QStringLiteral("strLocation"), &m_location },
            { QStringLiteral("strOutline"), &m_outline } },
        Checks::OnReplace,
        QStringLiteral(" Order by lngBibleBookID, intBeginChapter, intBeginVerse, strDisplayText"))
{
}

clsSermon::~clsSermon() = default;

QList<ColumnValue> clsSermon::columnValues() const
{
    DatePreached(); // a date read from the database is converted before it is written back
    return TableRecord::columnValues();
}

void clsSermon::stored(StoredChange change)
{
    announce(change, *this, m_sermonID);
}

QString clsSermon::BigIdeaOrTitle(const QString &bigIdea, const QString &title)
{
    if (bigIdea != QLatin1String(" ") && !bigIdea.isEmpty())
        return bigIdea;
    return title + QLatin1Char(' ');
}

bool clsSermon::Check()
{
    if (m_reference == QLatin1String(" ") || m_reference.isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsSermon", "Reference Must Be Filled In."),
            QStringLiteral("strDisplayText"));
        return false;
    }
    return true;
}

bool clsSermon::OpenRecordset()
{
    m_listWalk = false;
    m_keptColumnsKnown = false;
    return RecordBase::OpenRecordset();
}

QString clsSermon::listSelectSql(bool withOutline, const QStringList &conditions)
{
    QString sql = QStringLiteral("SELECT lngSermonID, lngPreacherID, lngBibleBookID, lngSeriesID, ")
        + QStringLiteral("strDisplayText, strTitle, strBigIdea")
        + (withOutline ? QStringLiteral(", strOutline ") : QStringLiteral(" "))
        + QStringLiteral("FROM tblSermons ");
    if (!conditions.isEmpty())
        sql += QStringLiteral("WHERE (") + conditions.join(QStringLiteral(") AND ("))
            + QStringLiteral(") ");
    // The key last: sermons on the same reference tie on every other column, and a server's
    // sort (unlike SQLite's walk of the table) returns ties in no settled order, so that the
    // list, its printout and a remembered row would change from one fill to the next.
    return sql + QStringLiteral("Order by lngBibleBookID, ")
        + QStringLiteral("intBeginChapter, intBeginVerse, strDisplayText, lngSermonID");
}

QString clsSermon::conditionSql(
    const DbDatabase &db, const SermonListNarrowing::Condition &condition)
{
    using Field = SermonListNarrowing::Field;
    // The tests read a missing key as 0.
    auto keyIs = [&condition](const QString &column) -> QString {
        if (condition.key == 0)
            return QStringLiteral("(%1 = 0 OR %1 IS NULL)").arg(column);
        return column + QStringLiteral(" = ") + SQLLong(condition.key);
    };
    switch (condition.field) {
    case Field::BibleBook:
        return keyIs(QStringLiteral("lngBibleBookID"));
    case Field::Preacher:
        return keyIs(QStringLiteral("lngPreacherID"));
    case Field::Series:
        return keyIs(QStringLiteral("lngSeriesID"));
    case Field::Topic:
        return QStringLiteral("EXISTS (SELECT 1 FROM tblSermonTopics WHERE ")
            + QStringLiteral("tblSermonTopics.lngSermonID = tblSermons.lngSermonID AND ")
            + QStringLiteral("tblSermonTopics.lngTopicID = ") + SQLLong(condition.key)
            + QLatin1Char(')');
    case Field::Title:
        return db.textContainsSql(QStringLiteral("strTitle"), condition.text);
    case Field::BigIdea:
        return db.textContainsSql(QStringLiteral("strBigIdea"), condition.text);
    case Field::Outline:
        return db.textContainsSql(QStringLiteral("strOutline"), condition.text);
    case Field::Passage:
        return BiblePassage::overlapSql(condition.passages);
    case Field::OtherThan:
        return QStringLiteral("lngSermonID <> ") + SQLLong(condition.key);
    case Field::Keys: {
        if (condition.keys.isEmpty())
            return QStringLiteral("1 = 0");
        QStringList keys;
        for (const qint32 key : condition.keys)
            keys.append(SQLLong(key));
        return QStringLiteral("lngSermonID IN (") + keys.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    }
    return {};
}

SermonListNarrowing clsSermon::ListNarrowingInDatabase(const SermonListNarrowing &wanted)
{
    SermonListNarrowing tested;
    tested.join = wanted.join;
    DbError error;
    const DbDatabase *db = database(error);
    if (!db)
        return tested;
    for (const SermonListNarrowing::Condition &condition : wanted.conditions) {
        if (!conditionSql(*db, condition).isEmpty())
            tested.conditions.append(condition);
        else if (wanted.join == SermonListNarrowing::Join::AnyOf)
            return { wanted.join, {} };
    }
    // The long outlines are searched last, on the rows the other conditions leave.
    std::stable_partition(tested.conditions.begin(), tested.conditions.end(),
        [](const SermonListNarrowing::Condition &condition) {
            return condition.field != SermonListNarrowing::Field::Outline;
        });
    return tested;
}

bool clsSermon::OpenListRecordset(bool withOutline, const SermonListNarrowing &narrowing)
{
    m_listWalk = true;
    m_listWithOutline = withOutline;
    m_keptColumnsKnown = false;
    QStringList conditions;
    DbError error;
    if (const DbDatabase *db = database(error)) {
        for (const SermonListNarrowing::Condition &condition :
            ListNarrowingInDatabase(narrowing).conditions)
            conditions.append(conditionSql(*db, condition));
    }
    if (narrowing.join == SermonListNarrowing::Join::AnyOf && conditions.size() > 1)
        conditions = QStringList { conditions.join(QStringLiteral(") OR (")) };
    return openList(listSelectSql(withOutline, conditions));
}

bool clsSermon::ReadOutlines(const QList<qint32> &keys, QHash<qint32, QString> &outlines)
{
    clearLastError();
    if (keys.isEmpty())
        return true;
    QString sql
        = QStringLiteral("SELECT lngSermonID, strOutline FROM tblSermons WHERE lngSermonID IN (");
    sql.reserve(sql.size() + keys.size() * 8 + 1);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i > 0)
            sql += QLatin1Char(',');
        sql += SQLLong(keys.at(i));
    }
    sql += QLatin1Char(')');
    DbError error;
    DbDatabase *db = database(error);
    if (!db)
        return engineFailed(error);
    const std::unique_ptr<DbSnapshot> rs = db->openSnapshot(sql, error);
    if (!rs)
        return engineFailed(error);
    outlines.reserve(keys.size());
    for (; !rs->eof(); rs->moveNext())
        outlines.insert(NullToLong(rs->field(0)), NullToText(rs->field(1)));
    if (rs->lastError().isSet())
        return engineFailed(rs->lastError());
    return true;
}

QDateTime clsSermon::DatePreached() const
{
    if (m_datePending) {
        m_datePreached = DateField(m_dateValue);
        m_dateValue = QVariant();
        m_datePending = false;
    }
    return m_datePreached;
}

void clsSermon::setDatePreached(const QDateTime &value)
{
    m_datePreached = value;
    m_dateValue = QVariant();
    m_datePending = false;
}

void clsSermon::CopyFields(const DbSnapshot &rs)
{
    const bool kept = &rs == keptSnapshot();
    std::array<int, ColumnCount> local;
    std::array<int, ColumnCount> &at = kept ? m_keptColumns : local;
    if (!kept || !m_keptColumnsKnown) {
        for (int column = 0; column < ColumnCount; ++column)
            at[size_t(column)] = rs.fieldIndex(QStringView(columnNames[column]));
        m_keptColumnsKnown = m_keptColumnsKnown || kept;
    }
    if (kept && m_listWalk) {
        copyListFields(rs);
        return;
    }
    auto value = [&rs, &at](Column column) { return columnValue(rs, at[size_t(column)], column); };
    m_sermonID = NullToLong(value(Column::Key));
    m_preacherID = NullToLong(value(Column::Preacher));
    m_typeID = NullToLong(value(Column::Type));
    m_bibleBookID = NullToLong(value(Column::Book));
    m_beginChapter = NullToInteger(value(Column::BeginChapter));
    m_beginVerse = NullToInteger(value(Column::BeginVerse));
    m_endChapter = NullToInteger(value(Column::EndChapter));
    m_endVerse = NullToInteger(value(Column::EndVerse));
    m_reference = NullToText(value(Column::Reference));
    m_seriesID = NullToLong(value(Column::Series));
    m_title = NullToText(value(Column::Title));
    m_bigIdea = NullToText(value(Column::BigIdea));
    m_dateValue = value(Column::Date);
    m_datePending = true;
    m_location = NullToText(value(Column::Location));
    m_outline = NullToText(value(Column::Outline));
}

void clsSermon::copyListFields(const DbSnapshot &rs)
{
    auto value = [this, &rs](Column column) {
        return columnValue(rs, m_keptColumns[size_t(column)], column);
    };
    m_sermonID = NullToLong(value(Column::Key));
    m_preacherID = NullToLong(value(Column::Preacher));
    m_typeID = 0;
    m_bibleBookID = NullToLong(value(Column::Book));
    m_beginChapter = m_beginVerse = m_endChapter = m_endVerse = 0;
    m_reference = NullToText(value(Column::Reference));
    m_seriesID = NullToLong(value(Column::Series));
    m_title = NullToText(value(Column::Title));
    m_bigIdea = NullToText(value(Column::BigIdea));
    setDatePreached(QDateTime());
    m_location.clear();
    if (m_listWithOutline)
        m_outline = NullToText(value(Column::Outline));
    else
        m_outline.clear();
}
