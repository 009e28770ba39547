#include "ScreenCommands.h"

#include "frmMain.h"

void RegisterSermonScreenCommands(frmMain &main)
{
    Q_UNUSED(main);
}
