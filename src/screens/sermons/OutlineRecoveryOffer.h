#pragma once

class frmMain;

// Offers back the outlines typed but never saved by a program that stopped without a word
// (OutlineRecoveryWatch kept them), once a library is open: at start-up and after Change
// Database, while no sermon screen is open.
//
// For each intact copy of the open library, oldest first, that no running copy of the
// program still keeps:
// - the sermon's stored outline already equals it: nothing was lost; it is removed quietly;
// - otherwise "An unsaved outline of <title> from <date> was found. Open it?"
//   Yes opens that sermon on the sermon screen with the recovered outline in the notes
//   window and the screen in its edit state (a sermon deleted since, or one never saved,
//   opens as a new sermon with its title); the other copies wait for the next start.
//   No asks "Delete the unsaved outline of <title> from <date>? It cannot be recovered
//   afterwards."; Yes deletes it, No keeps it for the next start.
// Damaged copies and copies of another library are neither offered nor deleted.
namespace OutlineRecoveryOffer {

// Returns true when an outline was opened.
bool offer(frmMain &main);

} // namespace OutlineRecoveryOffer
