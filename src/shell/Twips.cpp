#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

int TwipsToPixels(double twips)
{
    return int(std::lround(twips * logicalDpi() / 1440.0));
}

double PixelsToTwips(int pixels)
{
    return pixels * 1440.0 / logicalDpi();
}
