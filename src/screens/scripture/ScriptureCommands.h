#pragma once

class frmMain;

// Defaults > Bible Version...
void RegisterScriptureScreenCommands(frmMain &main);
