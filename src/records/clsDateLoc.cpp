#include "clsDateLoc.h"

#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SqlLiterals.h"

clsDateLoc::clsDateLoc()
    : RecordBase(EngineErrors::ToCaller)
{
    checkRowsOf(QStringLiteral("tblDateLoc"), QStringLiteral("lngDateLocID"));
}

clsDateLoc::~clsDateLoc() = default;

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

QList<ColumnValue> clsDateLoc::columnValues() const
{
    return { { QStringLiteral("lngDateLocID"), SQLLong(m_dateLocID) },
        { QStringLiteral("lngSermonID"), SQLLong(m_sermonID) },
        { QStringLiteral("dtDatePreached"), DateLiteral(m_datePreached) },
        { QStringLiteral("strLocation"), SQLText(m_location) } };
}

QList<ColumnValue> clsDateLoc::updateValues() const
{
    // The key is assigned its own value, and the location comes before the date.
    const QList<ColumnValue> values = columnValues();
    return { values.at(0), values.at(1), values.at(3), values.at(2) };
}

bool clsDateLoc::AddNew()
{
    // The key is taken before the check; no occasion is stored under key 0.
    if (!addNewRow(m_dateLocID, [this] { return Check(); }))
        return false;
    announceInserted(*this);
    return true;
}

bool clsDateLoc::Replace()
{
    if (!replaceRow(m_dateLocID, [this] { return Check(); }))
        return false;
    announceUpdated(*this);
    return true;
}

bool clsDateLoc::Delete()
{
    if (!deleteRowWithKey(m_dateLocID))
        return false;
    announceDeleted(m_dateLocID);
    return true;
}

QString clsDateLoc::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblDateLoc ");
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
