#pragma once

#include "ChangedUnderneath.h"

#include <QDialog>

// The other copy's version of a record that a save found changed, read-only, beside the
// screen that still holds the user's version: each field under the screen's own label, a long
// text (an outline in the notes window's font, notes) in a pane of its own, and Close. Its
// texts can be selected and copied into the screen.
class frmTheirVersion : public QDialog
{
    Q_OBJECT
public:
    // Shows `version` for `screen`, replacing a window shown for it before; owned by the
    // screen, so it goes when the screen closes.
    static frmTheirVersion *open(QWidget *screen, const ChangedUnderneath::TheirVersion &version);

private:
    frmTheirVersion(QWidget *screen, const ChangedUnderneath::TheirVersion &version);
};
