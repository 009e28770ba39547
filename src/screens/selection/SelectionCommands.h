#pragma once

class frmMain;

// The checklists, the text searches and the passage search.
void RegisterSelectionScreenCommands(frmMain &main);
