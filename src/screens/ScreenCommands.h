#pragma once

class frmMain;

// Connects the main window's menu items, toolbar buttons and the screens' own buttons to
// the screens that carry them out. Each folder registers its own screens.
void RegisterScreenCommands(frmMain &main);
