#include "clsRecording.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

clsRecording::clsRecording()
    : TableRecord(EngineErrors::ToCaller, QStringLiteral("tblRecordings"),
        { { QStringLiteral("lngRecordingID"), &m_recordingID },
            { QStringLiteral("lngSermonID"), &m_sermonID },
            { QStringLiteral("strSource"), &m_source },
            { QStringLiteral("strMimeType"), &m_mimeType },
            { QStringLiteral("lngMilliseconds"), &m_milliseconds },
            { QStringLiteral("lngKilobytes"), &m_kilobytes } },
        Checks::OnAddAndReplace, QStringLiteral(" ORDER BY lngRecordingID"))
{
}

clsRecording::~clsRecording() = default;

bool clsRecording::Available()
{
    DbError error;
    DbDatabase *db = database(error);
    return db
        && db->openSnapshot(
               QStringLiteral("SELECT lngRecordingID FROM tblRecordings WHERE 1 = 0"), error)
        != nullptr;
}

bool clsRecording::Check()
{
    if (TrimBlanks(m_source).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsRecording", "Recording Must Be Filled In."));
        return false;
    }
    return true;
}

bool clsRecording::IsWebAddress() const
{
    static const QRegularExpression web(
        QStringLiteral("^https?://"), QRegularExpression::CaseInsensitiveOption);
    return web.match(m_source).hasMatch();
}

bool clsRecording::FileMissing() const
{
    return !IsWebAddress() && !QFileInfo(m_source).isFile();
}

QString clsRecording::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblRecordings ");
    if (withKey)
        sql += QStringLiteral("WHERE lngSermonID=") + SQLLong(m_sermonID);
    sql += QStringLiteral(" ORDER BY lngRecordingID");
    return sql;
}
