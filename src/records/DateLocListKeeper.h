#pragma once

#include "ListKeeper.h"

// The date/location tracker's side of clsDateLoc's list keeping (grid grdDateLoc).
// Registered with clsDateLoc::registerListKeeper while the tracker is open. The record needs
// only the grid operations; a type of its own keeps another screen from being registered
// in the tracker's place.
class DateLocListKeeper : public ListKeeper
{
};
