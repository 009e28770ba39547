#pragma once

#include "PreachingView.h"

class PrintJob;
class frmMain;

// The pulpit commands: Edit > Preach (F5, and the toolbar's Preach button) opens the preaching
// view on the outline of the sermon shown, and Print > Pulpit Copy prints that outline in
// large type. Both take the outline from the notes window while it is open (the text as
// edited, saved or not), else from the sermon screen, and its title and passage from the
// sermon screen; they find those screens by name in the main window's work area.
void RegisterPulpitCommands(frmMain &main);

// The content the commands would use now; empty outline when no sermon is open.
PreachingView::Content CurrentPreachingContent();

// Opens the preaching view on this content (null when there is nothing to show, after telling
// the user). On leaving, the notes window (when open) shows the line the view showed.
PreachingView *OpenPreachingView(const PreachingView::Content &content);
// What Pulpit Copy prints: the same, the passage's text only when the user chose "Passage in
// print and export".
PreachingView::Content PulpitCopyContent();

// The pulpit copy: one-inch-and-a-quarter margins, "title - passage" at the top of every page,
// page numbers at the foot, the outline at `pointSize` with each point indented by level, the
// passage's text before it when the content holds one (Pulpit Copy puts it there when the user
// chose "Passage in print and export").
void ComposePulpitCopy(PrintJob &job, const PreachingView::Content &content, int pointSize);
