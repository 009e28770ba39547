#include "SermonPreacherNames.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"

QString SermonPreacherNames::lookupSql(qint32 preacherID)
{
    return QStringLiteral("Select strLastName") + QStringLiteral(" FROM tblPreachers")
        + QStringLiteral(" Where lngPreacherID = ") + SQLLong(preacherID);
}

void SermonPreacherNames::startCache()
{
    m_cache.clear();
    m_caching = true;
    m_failedInFill = false;
}

void SermonPreacherNames::stopCache()
{
    m_cache.clear();
    m_caching = false;
    m_failedInFill = false;
}

QString SermonPreacherNames::lastName(qint32 preacherID)
{
    if (!m_caching) {
        return query(preacherID);
    }
    const auto known = m_cache.constFind(preacherID);
    if (known != m_cache.constEnd()) {
        return known.value();
    }
    const QString name = m_failedInFill ? QString() : query(preacherID);
    m_cache.insert(preacherID, name);
    return name;
}

QString SermonPreacherNames::query(qint32 preacherID)
{
    DbError error;
    DbDatabase *database = ProgramConnection().DBObject();
    std::unique_ptr<DbSnapshot> rs;
    if (!database) {
        error.number = DbErrorNumber::NoDatabase;
        error.driverText = QStringLiteral("No database is open.");
    } else {
        rs = database->openSnapshot(lookupSql(preacherID), error);
    }
    if (!rs) {
        // One report is enough: a list fill would otherwise repeat it for every sermon.
        if (!m_failedInFill) {
            ShowSystemError(error);
        }
        m_failedInFill = m_caching;
        return QString();
    }
    const QString name = rs->eof() ? QString() : NullToText(rs->field(u"strLastName"));
    rs->close();
    return name;
}
