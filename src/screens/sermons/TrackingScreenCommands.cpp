#include "ScreenCommands.h"

#include "frmMain.h"

void RegisterTrackingScreenCommands(frmMain &main)
{
    Q_UNUSED(main);
}
