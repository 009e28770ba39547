#pragma once

#include <QtGlobal>

class QComboBox;
class QWidget;

// The other copy's version of a sermon that a save found changed: read as now stored and
// shown read-only beside the sermon screen (ChangedUnderneath), under the screen's labels,
// the outline in the notes window's font. The screen's own choice lists name the preacher,
// type, book and series; its fields and notes window keep the user's version.
namespace SermonTheirVersion {

struct Lists
{
    const QComboBox *preachers;
    const QComboBox *types;
    const QComboBox *series;
    const QComboBox *books;
};

void show(QWidget *screen, qint32 sermonID, const Lists &lists);

} // namespace SermonTheirVersion
