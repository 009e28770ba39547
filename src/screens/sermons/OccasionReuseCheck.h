#pragma once

#include <QDateTime>
#include <QString>

// The tracker's question before it records a sermon at a place where the sermon, or one of
// its illustrations, was heard within the reuse period: "This sermon was preached at
// <place> on <date>. Record it again?"
namespace OccasionReuseCheck {

// True when the occasion may be recorded: nothing was heard there within the period, or the
// user answered Yes. A failing look-up does not stand in the way (the save then reports).
bool confirm(qint32 sermonID, const QString &place, const QDateTime &date, const QString &caption);

} // namespace OccasionReuseCheck
