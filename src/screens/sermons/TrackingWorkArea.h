#pragma once

#include <QString>

class QMdiSubWindow;
class QWidget;

// The tracker and the assignment screens work beside screens that other parts of the program
// own (the sermon screen, the illustration screen). They find them by object name in the
// main window's work area and read their fields, without depending on their classes.

// The open screen called `screenName` in the work area, or null (also when no main window
// exists). A screen whose frame has already been closed does not count.
QWidget *FindOpenScreen(const QString &screenName);

// The frame of that screen in the work area, or null.
QMdiSubWindow *FindOpenScreenFrame(const QString &screenName);

// The text a control of an open screen shows (text box, label, drop-down list, button), or
// empty text when the screen is not open or has no such control.
QString OpenScreenFieldText(const QString &screenName, const QString &controlName);

// Brings an open screen to the front of the work area, restoring it when minimised.
void ActivateOpenScreen(QWidget *screen);
