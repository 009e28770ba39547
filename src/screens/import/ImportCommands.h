#pragma once

class frmMain;

// File > Import: outline files, a sermon list from a CSV file, and Undo Last Import.
void RegisterImportScreenCommands(frmMain &main);
