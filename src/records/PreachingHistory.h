#pragma once

#include "DbError.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Where and when a sermon was preached: its own date and place (tblSermons) and its further
// occasions (tblDateLoc). A sermon's own place without a date is no occasion: a new sermon's
// place is filled in before it is ever preached.
class PreachingHistory
{
public:
    struct Occasion
    {
        qint32 sermonID = 0;
        QDateTime date;
        QString place;
    };

    // The occasions of the given sermons, in no particular order. False after an engine
    // failure (in `error`, not shown).
    static bool read(const QList<qint32> &sermonIDs, QList<Occasion> &occasions, DbError &error);

    // "Last preached 6/15/1998 at Main Street; 3 times in all" (" at <place>" left out for an
    // occasion without a place, "1 time" for one); empty for no occasion.
    static QString line(const QList<Occasion> &occasions);

    // The same place as people write it: case and surrounding blanks do not count.
    static bool samePlace(const QString &a, const QString &b);
};
