#pragma once

#include <QIcon>

// The pictures of the 14 toolbar buttons, numbered 1..14 left to right: the desktop theme's
// icon where it has one, otherwise a small drawing of our own (so the program ships no
// picture files).
class ToolbarPictures
{
public:
    static QIcon picture(int number);
    // The drawing used when the theme has no icon.
    static QPixmap drawing(int number, int size = 32);
};
