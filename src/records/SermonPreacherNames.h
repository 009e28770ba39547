#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

// The sermon screen's preacher-name look-up: "Select strLastName FROM tblPreachers Where
// lngPreacherID = N". While a list fill runs nothing else writes to the database, so the fill
// switches on a cache, filled on its first question with every preacher's name in one
// statement; the answers are the same, and a fill sends two statements whatever the number
// of preachers.
class SermonPreacherNames
{
public:
    // The preacher's last name; empty text for a key no preacher has. An engine failure is
    // shown once per fill and answers empty text.
    QString lastName(qint32 preacherID);

    void startCache();
    void stopCache();

    static QString lookupSql(qint32 preacherID);
    static QString everyNameSql();

private:
    QString query(qint32 preacherID);
    // Fills the cache with every preacher's name; false after a failure, which was shown.
    bool loadEveryName();

    QHash<qint32, QString> m_cache;
    bool m_caching = false;
    bool m_loaded = false;
    bool m_failedInFill = false;
};
