#pragma once

class QMdiSubWindow;
class QWidget;

// Moves a window so that it is centred on the screen both ways (a child window: centred in
// the main window's work area).
void CenterForm(QWidget *window);

// Keeps a child screen's frame wholly inside the main window's work area, so that none of
// its controls hides under the status bar or past the right edge: the frame moves in and,
// where it still does not fit, takes the room there is with its contents scrolling (the
// screen's layout moves onto a page in a scroll area; the screen stays the frame's widget).
// The main window keeps its size. A maximized or minimized frame, or a work area not on
// screen, is left alone.
void KeepInWorkArea(QMdiSubWindow *frame);
