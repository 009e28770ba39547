#pragma once

class frmMain;

// The File > Export commands; RegisterLibraryScreenCommands registers them beside the
// backup commands.
void RegisterExportCommands(frmMain &main);
