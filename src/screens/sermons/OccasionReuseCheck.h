#pragma once

#include <QDateTime>
#include <QString>

// The tracker's question before it records a sermon at a place where the sermon, or one of
// its illustrations, was heard within the reuse period: "This sermon was preached at
// <place> on <date>. Record it again?"
namespace OccasionReuseCheck {

// The setting "ReusePeriodYears" of section "Library": the period in years, 3 when it is
// missing or not a number, 0 (or less) for no question. Only read, never written.
int reusePeriodYears();

// True when the occasion may be recorded: nothing was heard there within the period, or the
// user answered Yes. A failing look-up does not stand in the way (the save then reports).
bool confirm(qint32 sermonID, const QString &place, const QDateTime &date, const QString &caption);

} // namespace OccasionReuseCheck
