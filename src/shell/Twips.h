#pragma once

// Sizes in the screens' own unit: 1440 twips to the inch, so 15 twips per pixel on a 96-dpi
// screen, scaled by the screen's logical dpi.
int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);
