#pragma once

// Shows the hourglass pointer for the life of the guard and then puts back whatever pointer
// was there before, so that nested steps do not end an outer step's hourglass.
class HourglassGuard
{
public:
    HourglassGuard();
    ~HourglassGuard();
    HourglassGuard(const HourglassGuard &) = delete;
    HourglassGuard &operator=(const HourglassGuard &) = delete;

private:
    bool m_wasShown;
};
