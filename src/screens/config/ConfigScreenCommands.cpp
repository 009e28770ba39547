#include "ScreenCommands.h"

#include "frmMain.h"

void RegisterConfigScreenCommands(frmMain &main)
{
    Q_UNUSED(main);
}
