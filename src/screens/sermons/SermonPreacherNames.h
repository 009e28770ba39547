#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

// The sermon screen's preacher-name look-up: "Select strLastName FROM tblPreachers Where
// lngPreacherID = N". While a list fill runs nothing else writes to the database, so the fill
// switches on a cache and asks the database once per preacher instead of once per sermon;
// the answers are the same.
class SermonPreacherNames
{
public:
    // The preacher's last name; empty text for a key no preacher has. An engine failure is
    // shown once per fill and answers empty text.
    QString lastName(qint32 preacherID);

    void startCache();
    void stopCache();

    static QString lookupSql(qint32 preacherID);

private:
    QString query(qint32 preacherID);

    QHash<qint32, QString> m_cache;
    bool m_caching = false;
    bool m_failedInFill = false;
};
