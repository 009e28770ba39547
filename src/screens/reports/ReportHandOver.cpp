#include "ReportHandOver.h"

#include "SermonQuery.h"
#include "frmMain.h"

void ListSermonsInSermonScreen(const QList<qint32> &sermonIDs)
{
    if (frmMain *main = frmMain::instance()) {
        main->showSermons(SermonQuery::bySermons(sermonIDs));
    }
}
