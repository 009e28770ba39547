#include "SermonPreacherNames.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"

#include <QStringList>

QString SermonPreacherNames::lookupSql(qint32 preacherID)
{
    return QStringLiteral("Select strLastName") + QStringLiteral(" FROM tblPreachers")
        + QStringLiteral(" Where lngPreacherID = ") + SQLLong(preacherID);
}

QString SermonPreacherNames::everyNameSql()
{
    return QStringLiteral("Select lngPreacherID, strLastName FROM tblPreachers");
}

QString SermonPreacherNames::someNamesSql(const QList<qint32> &preacherIDs)
{
    QStringList keys;
    keys.reserve(preacherIDs.size());
    for (const qint32 key : preacherIDs) {
        keys.append(SQLLong(key));
    }
    return everyNameSql() + QStringLiteral(" Where lngPreacherID IN (")
        + keys.join(QLatin1Char(',')) + QLatin1Char(')');
}

void SermonPreacherNames::startCache()
{
    m_cache.clear();
    m_caching = true;
    m_loaded = false;
    m_failedInFill = false;
}

void SermonPreacherNames::stopCache()
{
    m_cache.clear();
    m_caching = false;
    m_loaded = false;
    m_failedInFill = false;
}

QString SermonPreacherNames::lastName(qint32 preacherID)
{
    if (!m_caching) {
        return query(preacherID);
    }
    if (!m_loaded && !m_failedInFill) {
        m_loaded = load(everyNameSql());
        m_failedInFill = !m_loaded;
    }
    // A key no preacher has, or a failed load, answers empty text.
    return m_cache.value(preacherID);
}

void SermonPreacherNames::readNames(const QList<qint32> &preacherIDs)
{
    if (!m_caching || m_loaded || m_failedInFill || preacherIDs.isEmpty()) {
        return;
    }
    m_loaded = load(someNamesSql(preacherIDs));
    m_failedInFill = !m_loaded;
}

bool SermonPreacherNames::load(const QString &sql)
{
    DbError error;
    const std::unique_ptr<DbSnapshot> rs = ProgramConnection().openSnapshot(sql, error);
    if (rs) {
        for (; !rs->eof(); rs->moveNext()) {
            m_cache.insert(NullToLong(rs->field(0)), NullToText(rs->field(1)));
        }
        error = rs->lastError();
    }
    if (error.isSet()) {
        m_cache.clear();
        // One report for the fill, not one for every sermon.
        ShowSystemError(error);
        return false;
    }
    return true;
}

QString SermonPreacherNames::query(qint32 preacherID)
{
    DbError error;
    const std::unique_ptr<DbSnapshot> rs
        = ProgramConnection().openSnapshot(lookupSql(preacherID), error);
    if (!rs) {
        ShowSystemError(error);
        return QString();
    }
    const QString name = rs->eof() ? QString() : NullToText(rs->field(u"strLastName"));
    rs->close();
    return name;
}
