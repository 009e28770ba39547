#include "ScreenCommands.h"

#include "ConfigCommands.h"
#include "ImportCommands.h"
#include "LibraryCommands.h"
#include "PublishCommands.h"
#include "PulpitCommands.h"
#include "ReferenceCommands.h"
#include "ReportCommands.h"
#include "ScriptureCommands.h"
#include "SelectionCommands.h"
#include "SermonCommands.h"

void RegisterScreenCommands(frmMain &main)
{
    RegisterConfigScreenCommands(main);
    RegisterSermonScreenCommands(main);
    RegisterTrackingScreenCommands(main);
    RegisterSelectionScreenCommands(main);
    RegisterReferenceScreenCommands(main);
    RegisterLibraryScreenCommands(main);
    RegisterReportScreenCommands(main);
    RegisterPulpitCommands(main);
    RegisterScriptureScreenCommands(main);
    RegisterImportScreenCommands(main);
    RegisterPublishScreenCommands(main);
}
