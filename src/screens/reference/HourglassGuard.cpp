#include "HourglassGuard.h"

#include "UserInterface.h"

HourglassGuard::HourglassGuard()
    : m_wasShown(UserInterface::current().hourglassShown())
{
    UserInterface::current().setHourglass(true);
}

HourglassGuard::~HourglassGuard()
{
    UserInterface::current().setHourglass(m_wasShown);
}
