#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QtGlobal>

// The sermon screen's preacher-name look-up: "Select strLastName FROM tblPreachers Where
// lngPreacherID = N". While a list fill runs nothing else writes to the database, so the fill
// switches on a cache, filled in one statement: with the names of the preachers a short list
// names (readNames), else on its first question with every preacher's name. The answers are
// the same, and a fill sends two statements whatever the number of preachers.
class SermonPreacherNames
{
public:
    // The preacher's last name; empty text for a key no preacher has. An engine failure is
    // shown once per fill and answers empty text.
    QString lastName(qint32 preacherID);

    void startCache();
    void stopCache();
    // With the cache on and nothing read yet: reads these preachers' names alone, the only
    // ones asked for until the cache stops.
    void readNames(const QList<qint32> &preacherIDs);

    static QString lookupSql(qint32 preacherID);
    static QString everyNameSql();
    static QString someNamesSql(const QList<qint32> &preacherIDs);

private:
    QString query(qint32 preacherID);
    // Fills the cache from `sql` (key, last name); false after a failure, which was shown.
    bool load(const QString &sql);

    QHash<qint32, QString> m_cache;
    bool m_caching = false;
    bool m_loaded = false;
    bool m_failedInFill = false;
};
