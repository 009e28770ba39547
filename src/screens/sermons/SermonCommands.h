#pragma once

class frmMain;

// The sermon screen, the notes window, the tracker and the assignment screens.
void RegisterSermonScreenCommands(frmMain &main);
void RegisterTrackingScreenCommands(frmMain &main);
