#pragma once

class frmSermon;
struct SermonScreenWidgets;

// What the sermon screen adds about a sermon's passage and its preaching: the read-only line
// "Last preached <date> at <place>; <N> times in all" (lblHistory) and the command "Sermons
// on This Passage" (cmdSamePassage), which lists every other sermon whose Bible range
// overlaps the one shown.
namespace SermonPassageHistory {

// Connects the command, and keeps the line in step when sermons or occasions change.
// `widgets` is the screen's own set and lives as long as the screen.
void attach(frmSermon *screen, const SermonScreenWidgets &widgets);

// The line for the sermon whose key lblSermonID shows; empty without one.
void showHistory(const SermonScreenWidgets &widgets);

// "Sermons on This Passage": after the screen's own unsaved-changes question, a list fill
// with the shown sermon's range as the passage searched for.
void listSamePassage(frmSermon *screen);

} // namespace SermonPassageHistory
