#pragma once

// Shows the hourglass pointer for the life of the guard and then puts back whatever pointer
// was there before, so that nested steps do not end an outer step's hourglass and an early
// return never leaves it up. release() ends it sooner (before a message box, which the user
// answers with the arrow).
class HourglassGuard
{
public:
    HourglassGuard();
    ~HourglassGuard();
    HourglassGuard(const HourglassGuard &) = delete;
    HourglassGuard &operator=(const HourglassGuard &) = delete;

    void release();

private:
    bool m_wasShown;
    bool m_released = false;
};
