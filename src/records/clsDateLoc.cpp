#include "clsDateLoc.h"

#include "DateLocListKeeper.h"
#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SelectionState.h"
#include "SqlLiterals.h"

namespace {

DateLocListKeeper *g_listKeeper = nullptr;

QString columnPieces()
{
    return QStringLiteral("lngDateLocID, ") + QStringLiteral("lngSermonID, ")
        + QStringLiteral("dtDatePreached, ") + QStringLiteral("strLocation ");
}

} // namespace

clsDateLoc::clsDateLoc()
    : RecordBase(EngineErrors::ToCaller)
{
    checkRowsOf(QStringLiteral("tblDateLoc"), QStringLiteral("lngDateLocID"));
}

clsDateLoc::~clsDateLoc() = default;

void clsDateLoc::registerListKeeper(DateLocListKeeper *keeper)
{
    g_listKeeper = keeper;
}

void clsDateLoc::unregisterListKeeper(DateLocListKeeper *keeper)
{
    if (g_listKeeper == keeper)
        g_listKeeper = nullptr;
}

bool clsDateLoc::Check()
{
    bool valid = true;
    if (TrimBlanks(DateText(m_datePreached)).isEmpty()) {
        setInfoMessage(QStringLiteral("Date Preached") + QLatin1Char(' ') + MustBeFilledIn);
        valid = false;
    }
    if (TrimBlanks(m_location).isEmpty()) {
        setInfoMessage(QStringLiteral("Location") + QLatin1Char(' ') + MustBeFilledIn);
        valid = false;
    }
    return valid;
}

bool clsDateLoc::AddNew()
{
    clearLastError();
    // The key is taken before the check and is not given back when the check fails.
    m_dateLocID = newKey(QStringLiteral("tblDateLoc"), QStringLiteral("lngDateLocID"));
    if (!Check())
        return false;
    if (m_dateLocID == 0) {
        // The allocator failed (its failure is in lastError()); no occasion is stored under key 0.
        setInfoMessage(QStringLiteral("Error Adding a New Record"));
        return false;
    }
    const QString sql = QStringLiteral("INSERT INTO tblDateLoc (") + columnPieces()
        + QStringLiteral(") VALUES (") + SQLLong(m_dateLocID) + QStringLiteral(", ")
        + SQLLong(m_sermonID) + QStringLiteral(", ") + DateLiteral(m_datePreached)
        + QStringLiteral(", ") + SQLText(m_location) + QStringLiteral(")");
    if (!insertRow(sql, QStringLiteral("Error Adding a New Record"), m_dateLocID))
        return false;
    keepListAfterInsert();
    return true;
}

void clsDateLoc::keepListAfterInsert()
{
    DateLocListKeeper *keeper = g_listKeeper;
    if (!keeper)
        return;
    SelectionState &selection = ProgramSelection();
    selection.glngDateLocRows += 1;
    const QString row = SQLLong(m_dateLocID) + QLatin1Char('\t') + m_location + QLatin1Char('\t')
        + DateText(m_datePreached);
    keeper->addListRow(row, selection.glngDateLocRows);
    // Keep the new row in sight: six data rows fit the grid.
    if (selection.glngDateLocRows > 6)
        keeper->setListTopRow(selection.glngDateLocRows - 5);
}

bool clsDateLoc::Replace()
{
    clearLastError();
    if (!Check())
        return false;
    const QString sql = QStringLiteral("UPDATE tblDateLoc SET ") + QStringLiteral("lngDateLocID=")
        + SQLLong(m_dateLocID) + QStringLiteral(", ") + QStringLiteral("lngSermonID=")
        + SQLLong(m_sermonID) + QStringLiteral(", ") + QStringLiteral("strLocation=")
        + SQLText(m_location) + QStringLiteral(", ") + QStringLiteral("dtDatePreached=")
        + DateLiteral(m_datePreached) + QStringLiteral(" ") + QStringLiteral("WHERE lngDateLocID=")
        + SQLLong(m_dateLocID);
    return updateRow(sql, QStringLiteral("Error Updating Current Record"), m_dateLocID);
}

bool clsDateLoc::Delete()
{
    clearLastError();
    const QString sql = QStringLiteral("DELETE FROM tblDateLoc ")
        + QStringLiteral("WHERE lngDateLocID=") + SQLLong(m_dateLocID);
    if (!deleteRow(sql, QStringLiteral("Error Deleting Current Record"), m_dateLocID))
        return false;
    keepListAfterDelete();
    return true;
}

void clsDateLoc::keepListAfterDelete()
{
    DateLocListKeeper *keeper = g_listKeeper;
    if (!keeper)
        return;
    // The grid's current row stays, emptied, until the tracker fills its list again.
    for (int column = 0; column <= 2; ++column)
        keeper->setListCellText(column, QStringLiteral(" "));
    keeper->setListColumn(0);
}

QString clsDateLoc::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnPieces() + QStringLiteral("FROM tblDateLoc ");
    if (withKey)
        sql += QStringLiteral("WHERE lngSermonID=") + SQLLong(m_sermonID);
    sql += QStringLiteral(" ORDER BY strLocation");
    return sql;
}

void clsDateLoc::CopyFields(const DbSnapshot &rs)
{
    m_dateLocID = NullToLong(rs.field(u"lngDateLocID"));
    m_sermonID = NullToLong(rs.field(u"lngSermonID"));
    m_location = NullToText(rs.field(u"strLocation"));
    m_datePreached = DateField(rs.field(u"dtDatePreached"));
}
