#include "ReportHandOver.h"

#include "SelectionState.h"
#include "frmMain.h"

void ListSermonsInSermonScreen(const QList<qint32> &sermonIDs)
{
    SelectionState &selection = ProgramSelection();
    selection.gboolByKeys = 1;
    selection.glngChosenSermonIDs = sermonIDs;
    if (frmMain *main = frmMain::instance()) {
        main->runCommand(QStringLiteral("frmSermon"));
    }
}
