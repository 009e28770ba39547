#pragma once

class frmMain;

// The sermon screen, the notes window, the tracker and the assignment screens.
void RegisterSermonScreenCommands(frmMain &main);
void RegisterTrackingScreenCommands(frmMain &main);

// Unsaved outlines: the sermon screen keeps a recovery copy of the outline while it holds
// edits, and a library that opens offers back the copies a stopped program left
// (OutlineRecoveryWatch, OutlineRecoveryOffer). Both do nothing until the program switches
// recovery on (tests leave it off, so their screens write nothing into the data folder).
// Other folders reach the offer through the main window's command "OfferRecoveredOutlines".
void EnableOutlineRecovery(bool on);
void OfferRecoveredOutlines();
