#pragma once

#include <QString>

#include <functional>

class DataGrid;
class PrintJob;
class frmMain;

// The Print menu: the selected sermon's outline (mnuPSermon), the current sermon list
// (mnuPList) and the illustration on the illustration screen (mnuPIllustration). Each command
// takes its text from the screen that owns it, found by name in the main window's work area,
// composes one job and sends it (PrintJob::end).

// The commands as the menu runs them.
void PrintSelectedSermon();
void PrintCurrentList();
void PrintIllustration();

// Connects the three menu items to the commands.
void RegisterPrintCommands(frmMain &main);

// The jobs' contents. The outline is printed in the chosen outline font ("" keeps the
// standard typeface); the list in the standard typeface, its heading row at 14 points and
// the sermon rows at 8; the illustration in the standard font.
void ComposeSermonOutline(
    PrintJob &job, const QString &outline, const QString &fontName, int pointSize);
void ComposeSermonList(PrintJob &job, const DataGrid &grid);
void ComposeIllustration(PrintJob &job, const QString &illustration);

// The Bible passage put before a printed or exported outline, "" for none. The sermon
// screens install the source (the shown sermon's passage when the user has asked for the
// passage on paper); an empty source is none.
using OutlinePassageSource = std::function<QString()>;
void SetOutlinePassageSource(OutlinePassageSource source);
QString OutlinePassageText();

// The most rows (heading included) a printed list holds.
inline constexpr int PrintedListRows = 500;
