#include "ScreenCommands.h"

void RegisterScreenCommands(frmMain &main)
{
    RegisterConfigScreenCommands(main);
    RegisterSermonScreenCommands(main);
    RegisterTrackingScreenCommands(main);
    RegisterSelectionScreenCommands(main);
    RegisterReferenceScreenCommands(main);
    RegisterLibraryScreenCommands(main);
}
