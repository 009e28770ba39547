#pragma once

class frmMain;

// Connects the main window's menu items, toolbar buttons and the screens' own buttons to
// the screens that carry them out. Each folder registers its own screens.
void RegisterScreenCommands(frmMain &main);

void RegisterConfigScreenCommands(frmMain &main);
void RegisterSermonScreenCommands(frmMain &main);
void RegisterTrackingScreenCommands(frmMain &main);
void RegisterSelectionScreenCommands(frmMain &main);
void RegisterReferenceScreenCommands(frmMain &main);
void RegisterLibraryScreenCommands(frmMain &main);

// Backs the open local library up on a worker thread when its newest backup is older than
// the backup interval. Does nothing until the program has switched automatic backups on
// (tests leave them off).
void StartAutomaticBackup();
void EnableAutomaticBackups(bool on);
