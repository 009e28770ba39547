#pragma once

#include <QString>
#include <QtGlobal>

// Opens a screen that works on the sermon selected in the sermon list (the tracker and the
// topic and illustration assignment screens, owned elsewhere): runs its command, then fills
// its sermon-key label and, when a title is given, its title panel. The screen is found by
// its object name in the main window's work area.
class SermonRelatedScreens
{
public:
    static void open(const QString &command, qint32 sermonID, const QString *title);
};
