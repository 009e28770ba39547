#pragma once

#include <QString>

class frmMain;

// The sermon screen, the notes window, the tracker and the assignment screens.
void RegisterSermonScreenCommands(frmMain &main);
void RegisterTrackingScreenCommands(frmMain &main);

// The screens that work on one sermon: the tracker, and the topic ("frmSermonTopics") or
// illustration ("frmSermIllu") assignment. Their commands open them for the sermon chosen in
// the sermon screen's list; nothing opens for a key of 0.
void OpenSermonTracker(frmMain &main, qint32 sermonID);
void OpenSermonAssignment(frmMain &main, const QString &screenName, qint32 sermonID);

// Unsaved outlines: the sermon screen keeps a recovery copy of the outline while it holds
// edits, and a library that opens offers back the copies a stopped program left
// (OutlineRecoveryWatch, OutlineRecoveryOffer). Both do nothing until the program switches
// recovery on (tests leave it off, so their screens write nothing into the data folder).
// Other folders reach the offer through the main window's command "OfferRecoveredOutlines".
void EnableOutlineRecovery(bool on);
void OfferRecoveredOutlines();
