#pragma once

#include "ListKeeper.h"

// The sermon identification screen's side of clsSermon's list keeping (grid grdSermons).
// Registered with clsSermon::registerListKeeper while the screen is open.
class SermonListKeeper : public ListKeeper
{
public:
    // Looks up the last name of the preacher whose key is in
    // ProgramSelection().glngLookupPreacherID and leaves it in gstrLastName.
    virtual void GetPreacher() = 0;
    // The screen's New action: start entering a new sermon.
    virtual void cmdNew_Click() = 0;
};
