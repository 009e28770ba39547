#include "HourglassGuard.h"

#include "UserInterface.h"

HourglassGuard::HourglassGuard()
    : m_wasShown(UserInterface::current().hourglassShown())
{
    UserInterface::current().setHourglass(true);
}

HourglassGuard::~HourglassGuard()
{
    release();
}

void HourglassGuard::release()
{
    if (!m_released) {
        m_released = true;
        UserInterface::current().setHourglass(m_wasShown);
    }
}
