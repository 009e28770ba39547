#pragma once

// The operations every screen shares. The status-box and error operations (SetStatusText,
// GetStatusText, BeginBusy, EndBusy, ShowSystemError, MsgBox) come from the data layer, which
// reaches the screen through the interface the shell installs; the rest live here, next to
// ListOperations.h, ClipboardOperations.h, DateEntry.h and ScreenPlacement.h (CenterForm).
#include "UserInterface.h"

#include <QString>

class QKeyEvent;
class QWidget;

// The open-screen counter. When the last data screen closes the status box shows the
// product's name again, which is how the main window knows it may change the database.
void ScreenOpened();
void ScreenClosed();

// "Data Has Been Changed" / "Save Changes ?" with Yes, No and Cancel, titled with the
// screen's caption. A minimised screen is restored and brought to the front first, so the
// user sees what the question is about. Returns MsgBoxAnswer::Yes, No or Cancel.
MsgBoxAnswer AskSaveChanges(QWidget *screen);

// A Yes/No question titled with the active window's caption; true on Yes.
bool ConfirmDelete(const QString &question);

// The caption of the active window: the main window's current child screen, else the
// application's active window, else the application title.
QString ActiveWindowCaption();

// "major.minor.revision" of this build.
QString AppVersionText();
// The legal notice of the program's version information (shown by the about screen).
QString AppLegalCopyright();

// Whether a key pressed on a data screen counts as the user's first change: keys that type,
// delete or paste text do; moving the cursor or the focus, function keys, Escape and plain
// shortcuts do not. Only keys on a control that edits count: a text box that is not
// read-only, a combo box, a spin box (not a list, a grid or a button, where typing only moves
// the selection); Return counts only in a multi-line text. With no target only the key counts.
bool IsChangeKey(const QKeyEvent *event, const QWidget *target = nullptr);
