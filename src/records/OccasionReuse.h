#pragma once

#include "DbError.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Before a sermon is recorded as preached at a place: was it, or one of its illustrations,
// already heard there lately? "Lately" is within a number of years before or after the new
// date (the reuse period; 0 or less looks at nothing). Places are the same when they differ
// only in case and surrounding blanks.
class OccasionReuse
{
public:
    struct Use
    {
        QString name; // the illustration's name; empty for the sermon itself
        QDateTime date; // the latest use within the period
        QString place; // as it was recorded
    };

    struct Finding
    {
        bool sermonPreached = false;
        Use sermon;
        // The sermon's illustrations that other sermons used there, by name.
        QList<Use> illustrations;
        bool any() const { return sermonPreached || !illustrations.isEmpty(); }
    };

    // False after an engine failure (in `error`, not shown).
    static bool find(qint32 sermonID, const QString &place, const QDateTime &date, int years,
        Finding &finding, DbError &error);

    // Whether `earlier` lies within `years` of `date` (by calendar day, both ends included).
    static bool withinPeriod(const QDateTime &earlier, const QDateTime &date, int years);

    // "This sermon was preached at <place> on <date>. The illustration "<name>" was used at
    // <place> on <date>. Record it again?"
    static QString question(const Finding &finding);
};
