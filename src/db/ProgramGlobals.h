#pragma once

#include <QString>

class clsConnect;
class clsConfig;

// The program-wide values every window truly shares, each set in one place:
// - ActiveDatabase: the library in use. The connection sets it when a library opens (and
//   Change Database when it switches); the main window's pnlUser and the library commands
//   (backups, export names, recovery copies) read it.
// - HelpFilePath: the help in the interface's language ("Lectorum.es.hlp", else
//   "Lectorum.hlp") in the folder of the delivered files, set at start-up and read by every F1
//   and Help command.
// - OpenScreenCount: the data screens open now. Each screen counts itself in and out
//   (ScreenOpened / ScreenClosed); Change Database is refused while it is above 0.
// Which sermons the list shows is a value handed from screen to screen (SermonQuery); the
// outline the sermon screen and the notes window share is SharedOutline (src/shell).
extern QString ActiveDatabase;
extern QString HelpFilePath;
extern qint16 OpenScreenCount;

// The two objects that live for the whole run. Start-up (and each test fixture) installs
// them; record classes reach the database through ProgramConnection().DBObject().
clsConnect &ProgramConnection();
void setProgramConnection(clsConnect *connection);
clsConfig &ProgramConfig();
void setProgramConfig(clsConfig *config);
