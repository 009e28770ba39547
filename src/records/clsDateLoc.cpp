#include "clsDateLoc.h"

#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

clsDateLoc::clsDateLoc()
    : TableRecord(EngineErrors::ToCaller, QStringLiteral("tblDateLoc"),
        { { QStringLiteral("lngDateLocID"), &m_dateLocID },
            { QStringLiteral("lngSermonID"), &m_sermonID },
            { QStringLiteral("dtDatePreached"), &m_datePreached },
            { QStringLiteral("strLocation"), &m_location } },
        Checks::OnAddAndReplace, QStringLiteral(" ORDER BY strLocation"))
{
}

clsDateLoc::~clsDateLoc() = default;

bool clsDateLoc::Check()
{
    bool valid = true;
    if (TrimBlanks(DateText(m_datePreached)).isEmpty()) {
        setInfoMessage(
            QCoreApplication::translate("clsDateLoc", "Date Preached Must Be Filled In."),
            QStringLiteral("dtDatePreached"));
        valid = false;
    }
    if (TrimBlanks(m_location).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsDateLoc", "Location Must Be Filled In."),
            QStringLiteral("strLocation"));
        valid = false;
    }
    return valid;
}

void clsDateLoc::stored(StoredChange change)
{
    announce(change, *this, m_dateLocID);
}

QList<ColumnValue> clsDateLoc::updateValues() const
{
    // The key is assigned its own value, and the location comes before the date.
    const QList<ColumnValue> values = columnValues();
    return { values.at(0), values.at(1), values.at(3), values.at(2) };
}

QString clsDateLoc::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblDateLoc ");
    if (withKey)
        sql += QStringLiteral("WHERE lngSermonID=") + SQLLong(m_sermonID);
    sql += QStringLiteral(" ORDER BY strLocation");
    return sql;
}
