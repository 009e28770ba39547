#include "clsSermon.h"

#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SelectionState.h"
#include "SermonListKeeper.h"
#include "SqlLiterals.h"

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

} // namespace

clsSermon::clsSermon()
    : RecordBase(EngineErrors::Trapped)
{
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

bool clsSermon::Find()
{
    return findRow();
}

void clsSermon::CloseRecordset()
{
    closeList();
}

bool clsSermon::OpenRecordset()
{
    return openList();
}

bool clsSermon::MoveNext()
{
    return nextRow();
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
        + DateLiteral(m_datePreached) + QStringLiteral(", ") + SQLText(m_location)
        + QStringLiteral(", ") + SQLText(m_outline) + QStringLiteral(")");
    if (!writeRow(sql, QStringLiteral("Error Adding a New Record")))
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
        + DateLiteral(m_datePreached) + QStringLiteral(", ") + QStringLiteral("strLocation=")
        + SQLText(m_location) + QStringLiteral(", ") + QStringLiteral("strOutline=")
        + SQLText(m_outline) + QStringLiteral(" ") + QStringLiteral("WHERE lngSermonID=")
        + SQLLong(m_sermonID);
    return writeRow(sql, QStringLiteral("Error Updating Current Record"));
}

bool clsSermon::Delete()
{
    clearLastError();
    const QString sql = QStringLiteral("DELETE FROM tblSermons ")
        + QStringLiteral("WHERE lngSermonID=") + SQLLong(m_sermonID);
    if (!writeRow(sql, QStringLiteral("Error Deleting Current Record")))
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
    m_sermonID = NullToLong(rs.field(u"lngSermonID"));
    m_preacherID = NullToLong(rs.field(u"lngPreacherID"));
    m_typeID = NullToLong(rs.field(u"lngTypeID"));
    m_bibleBookID = NullToLong(rs.field(u"lngBibleBookID"));
    m_beginChapter = NullToInteger(rs.field(u"intBeginChapter"));
    m_beginVerse = NullToInteger(rs.field(u"intBeginVerse"));
    m_endChapter = NullToInteger(rs.field(u"intEndChapter"));
    m_endVerse = NullToInteger(rs.field(u"intEndVerse"));
    m_reference = NullToText(rs.field(u"strDisplayText"));
    m_seriesID = NullToLong(rs.field(u"lngSeriesID"));
    m_title = NullToText(rs.field(u"strTitle"));
    m_bigIdea = NullToText(rs.field(u"strBigIdea"));
    m_datePreached = DateField(rs.field(u"dtDatePreached"));
    m_location = NullToText(rs.field(u"strLocation"));
    m_outline = NullToText(rs.field(u"strOutline"));
}
