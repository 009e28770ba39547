#include "ScreenEvents.h"

ScreenEvents &ScreenEvents::instance()
{
    static ScreenEvents events;
    return events;
}
