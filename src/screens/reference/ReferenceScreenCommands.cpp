#include "ScreenCommands.h"

#include "frmMain.h"

void RegisterReferenceScreenCommands(frmMain &main)
{
    Q_UNUSED(main);
}
