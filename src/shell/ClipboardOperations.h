#pragma once

class QWidget;

// Edit > Cut, Copy and Paste (and their toolbar buttons) work on the active control of the
// main window's current child screen. Text boxes and combo boxes the user can type into take
// part; a drop-down list, a list, a grid or a button is left alone. With no child screen or
// no active control the user is told "Make sure text has been properly selected first!".
void CutCopyText(bool cut);
void PasteText();

// The same on a given control (null counts as "nothing that can take a selection").
void CutCopyTextOf(QWidget *control, bool cut);
void PasteTextInto(QWidget *control);

// The control Cut, Copy and Paste would work on: the focus control of the main window's
// current child screen, or null.
QWidget *ActiveChildControl();
