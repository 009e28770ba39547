#pragma once

class frmMain;

// Change Database, Display Active Database, Configuration and the default location.
void RegisterConfigScreenCommands(frmMain &main);
