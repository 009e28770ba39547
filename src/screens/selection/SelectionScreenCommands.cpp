#include "ScreenCommands.h"

#include "frmMain.h"

void RegisterSelectionScreenCommands(frmMain &main)
{
    Q_UNUSED(main);
}
