#pragma once

#include "ListKeeper.h"

// The series screen's side of clsSeries's list keeping (grid grdSeries). Registered with
// clsSeries::registerListKeeper while the screen is open. The look-ups take their key from
// and leave their answer in ProgramSelection().
class SeriesListKeeper : public ListKeeper
{
public:
    // glngBibleBookID -> gstrBibleBook.
    virtual void GetBibleBook() = 0;
    // glngLookupPreacherID -> gstrLastName and gstrFirstName (the first name with one blank
    // after it).
    virtual void GetPreacher() = 0;
    // glngTypeID -> gstrTypeDesc.
    virtual void GetType() = 0;
    // The screen's New action: start entering a new series.
    virtual void cmdNew_Click() = 0;
};
