#pragma once

#include <QString>

class clsConnect;
class clsConfig;

// Program-wide values shared between screens.
extern QString ActiveDatabase; // the database in use, shown in pnlUser
extern QString HelpFilePath; // "Lectorum.hlp" in the folder of the delivered files
extern qint16 OpenScreenCount; // open data screens

// The two objects that live for the whole run. Start-up (and each test fixture) installs
// them; record classes reach the database through ProgramConnection().DBObject().
clsConnect &ProgramConnection();
void setProgramConnection(clsConnect *connection);
clsConfig &ProgramConfig();
void setProgramConfig(clsConfig *config);
