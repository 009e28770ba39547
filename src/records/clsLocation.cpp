#include "clsLocation.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

namespace {

qint32 g_defaultLocationID = 1;

} // namespace

clsLocation::clsLocation()
    : RecordBase(EngineErrors::Trapped)
{
}

clsLocation::~clsLocation() = default;

qint32 clsLocation::DefaultLocationID()
{
    return g_defaultLocationID;
}

void clsLocation::setDefaultLocationID(qint32 value)
{
    g_defaultLocationID = value;
}

bool clsLocation::Check()
{
    return true;
}

bool clsLocation::Retrieve()
{
    clearLastError();
    const DbSnapshot *rs = keptSnapshot();
    if (!rs || rs->eof()) {
        DbError error;
        error.number = DbErrorNumber::NoCurrentRecord;
        error.driverText = QCoreApplication::translate("clsLocation", "No current record.");
        error.sql = BuildSelectSql(false);
        return failureToCaller(error);
    }
    CopyFields(*rs);
    if (rs->lastError().isSet())
        return failureToCaller(rs->lastError());
    return true;
}

bool clsLocation::OpenRecordset()
{
    // The caller reads the one row with Retrieve.
    keepSnapshot();
    return false;
}

bool clsLocation::Replace()
{
    clearLastError();
    const QString sql = QStringLiteral("UPDATE tblLocation SET ") + QStringLiteral("strLocation=")
        + SQLText(m_location) + QStringLiteral(" ") + QStringLiteral("WHERE lngLocationID=")
        + SQLLong(g_defaultLocationID);
    return writeRow(
        sql, QCoreApplication::translate("clsLocation", "Error Updating Current Record"));
}

QString clsLocation::BuildSelectSql(bool) const
{
    return QStringLiteral("SELECT ") + QStringLiteral("lngLocationID, ")
        + QStringLiteral("strLocation ") + QStringLiteral("FROM tblLocation ")
        + QStringLiteral("WHERE lngLocationID=") + SQLLong(g_defaultLocationID);
}

void clsLocation::CopyFields(const DbSnapshot &rs)
{
    m_locationID = NullToLong(rs.field(u"lngLocationID"));
    m_location = NullToText(rs.field(u"strLocation"));
}
