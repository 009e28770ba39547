#include "clsSermon.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SelectionState.h"
#include "SermonListKeeper.h"
#include "SqlLiterals.h"

#include <algorithm>

namespace {

SermonListKeeper *g_listKeeper = nullptr;

// The columns in the order of the SELECT and the INSERT.
QString columnPieces()
{
    return QStringLiteral("lngSermonID, ") + QStringLiteral("lngPreacherID, ")
        + QStringLiteral("lngTypeID, ") + QStringLiteral("lngBibleBookID, ")
        + QStringLiteral("intBeginChapter, ") + QStringLiteral("intBeginVerse, ")
        + QStringLiteral("intEndChapter, ") + QStringLiteral("intEndVerse, ")
        + QStringLiteral("strDisplayText, ") + QStringLiteral("lngSeriesID, ")
        + QStringLiteral("strTitle, ") + QStringLiteral("strBigIdea, ")
        + QStringLiteral("dtDatePreached, ") + QStringLiteral("strLocation, ")
        + QStringLiteral("strOutline ");
}

// The columns as CopyFields reads them; the positions follow columnPieces().
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
    : RecordBase(EngineErrors::Trapped)
{
    checkRowsOf(QStringLiteral("tblSermons"), QStringLiteral("lngSermonID"));
}

clsSermon::~clsSermon() = default;

void clsSermon::registerListKeeper(SermonListKeeper *keeper)
{
    g_listKeeper = keeper;
}

void clsSermon::unregisterListKeeper(SermonListKeeper *keeper)
{
    if (g_listKeeper == keeper)
        g_listKeeper = nullptr;
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
        setInfoMessage(QStringLiteral("Reference ") + MustBeFilledIn);
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
    return sql + QStringLiteral("Order by lngBibleBookID, ")
        + QStringLiteral("intBeginChapter, intBeginVerse, strDisplayText");
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

bool clsSermon::AddNew()
{
    clearLastError();
    // The key is taken first and stays used up even when the insert fails.
    m_sermonID = newKey(QStringLiteral("tblSermons"), QStringLiteral("lngSermonID"));
    if (m_sermonID == 0) {
        // The allocator failed and has said so; key 0 belongs to no sermon.
        setInfoMessage(QStringLiteral("Error Adding a New Record"));
        return false;
    }
    const QString sql = QStringLiteral("INSERT INTO tblSermons (") + columnPieces()
        + QStringLiteral(") VALUES (") + SQLLong(m_sermonID) + QStringLiteral(", ")
        + SQLLong(m_preacherID) + QStringLiteral(", ") + SQLLong(m_typeID) + QStringLiteral(", ")
        + SQLLong(m_bibleBookID) + QStringLiteral(", ") + SQLLong(m_beginChapter)
        + QStringLiteral(", ") + SQLLong(m_beginVerse) + QStringLiteral(", ")
        + SQLLong(m_endChapter) + QStringLiteral(", ") + SQLLong(m_endVerse) + QStringLiteral(", ")
        + SQLText(m_reference) + QStringLiteral(", ") + SQLLong(m_seriesID) + QStringLiteral(", ")
        + SQLText(m_title) + QStringLiteral(", ") + SQLText(m_bigIdea) + QStringLiteral(", ")
        + DateLiteral(DatePreached()) + QStringLiteral(", ") + SQLText(m_location)
        + QStringLiteral(", ") + SQLText(m_outline) + QStringLiteral(")");
    if (!insertRow(sql, QStringLiteral("Error Adding a New Record"), m_sermonID))
        return false;
    keepListAfterInsert();
    return true;
}

void clsSermon::keepListAfterInsert()
{
    SelectionState &selection = ProgramSelection();
    selection.glngCurrentSermonID = m_sermonID;
    SermonListKeeper *keeper = g_listKeeper;
    if (!keeper)
        return;
    selection.glngLookupPreacherID = m_preacherID;
    keeper->GetPreacher();
    selection.glngLookupPreacherID = 0;
    const QString row = SQLLong(m_sermonID) + QLatin1Char('\t') + m_reference + QLatin1Char('\t')
        + selection.gstrLastName + QLatin1Char('\t') + BigIdeaOrTitle(m_bigIdea, m_title);
    const qint32 position = selection.glngListRows + 1;
    keeper->addListRow(row, position);
    selection.glngListRow = position;
    // Keep the new row in sight: eight data rows fit the grid.
    if (selection.glngListRows > 8)
        keeper->setListTopRow(selection.glngListRows - 7);
    selection.glngListRows += 1;
}

bool clsSermon::Replace()
{
    clearLastError();
    if (!Check())
        return false;
    const QString sql = QStringLiteral("UPDATE tblSermons SET ") + QStringLiteral("lngPreacherID=")
        + SQLLong(m_preacherID) + QStringLiteral(", ") + QStringLiteral("lngTypeID=")
        + SQLLong(m_typeID) + QStringLiteral(", ") + QStringLiteral("lngBibleBookID=")
        + SQLLong(m_bibleBookID) + QStringLiteral(", ") + QStringLiteral("intBeginChapter=")
        + SQLLong(m_beginChapter) + QStringLiteral(", ") + QStringLiteral("intBeginVerse=")
        + SQLLong(m_beginVerse) + QStringLiteral(", ") + QStringLiteral("intEndChapter=")
        + SQLLong(m_endChapter) + QStringLiteral(", ") + QStringLiteral("intEndVerse=")
        + SQLLong(m_endVerse) + QStringLiteral(", ") + QStringLiteral("strDisplayText=")
        + SQLText(m_reference) + QStringLiteral(", ") + QStringLiteral("lngSeriesID=")
        + SQLLong(m_seriesID) + QStringLiteral(", ") + QStringLiteral("strTitle=")
        + SQLText(m_title) + QStringLiteral(", ") + QStringLiteral("strBigIdea=")
        + SQLText(m_bigIdea) + QStringLiteral(", ") + QStringLiteral("dtDatePreached=")
        + DateLiteral(DatePreached()) + QStringLiteral(", ") + QStringLiteral("strLocation=")
        + SQLText(m_location) + QStringLiteral(", ") + QStringLiteral("strOutline=")
        + SQLText(m_outline) + QStringLiteral(" ") + QStringLiteral("WHERE lngSermonID=")
        + SQLLong(m_sermonID);
    return updateRow(sql, QStringLiteral("Error Updating Current Record"), m_sermonID);
}

bool clsSermon::Delete()
{
    clearLastError();
    const QString sql = QStringLiteral("DELETE FROM tblSermons ")
        + QStringLiteral("WHERE lngSermonID=") + SQLLong(m_sermonID);
    if (!deleteRow(sql, QStringLiteral("Error Deleting Current Record"), m_sermonID))
        return false;
    keepListAfterDelete();
    return true;
}

void clsSermon::keepListAfterDelete()
{
    SermonListKeeper *keeper = g_listKeeper;
    if (!keeper)
        return;
    // The row stays, emptied, until the list is filled again.
    keeper->setListRow(ProgramSelection().glngListRow);
    for (int column = 0; column <= 3; ++column)
        keeper->setListCellText(column, QStringLiteral(" "));
    keeper->setListColumn(0);
    keeper->cmdNew_Click();
}

QString clsSermon::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnPieces() + QStringLiteral("FROM tblSermons ");
    if (withKey)
        sql += QStringLiteral("WHERE lngSermonID=") + SQLLong(m_sermonID);
    sql += QStringLiteral(" Order by lngBibleBookID, ")
        + QStringLiteral("intBeginChapter, intBeginVerse, strDisplayText");
    return sql;
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
