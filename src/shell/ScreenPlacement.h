#pragma once

class QWidget;

// Moves a window so that it is centred on the screen both ways (a child window: centred in
// the main window's work area).
void CenterForm(QWidget *window);
