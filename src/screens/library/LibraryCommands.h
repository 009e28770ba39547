#pragma once

class frmMain;

// Back Up Now, Check Database and Restore from Backup, and the File > Export commands.
void RegisterLibraryScreenCommands(frmMain &main);
void RegisterExportCommands(frmMain &main);

// Backs the open local library up on a worker thread when its newest backup is older than
// the backup interval. Does nothing until the program has switched automatic backups on
// (tests leave them off).
void StartAutomaticBackup();
void EnableAutomaticBackups(bool on);
