#pragma once

class frmMain;

// Topics, illustrations, series, preachers and publishers.
void RegisterReferenceScreenCommands(frmMain &main);
