#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// The help commands of the program. The help file is HTML with one anchor per topic: "ctx-N"
// for help context number N, "contents", "index" and "using-help".
constexpr int HELP_CONTEXT = 1; // the topic with context number `data`
constexpr int HELP_QUIT = 2; // close the help window
constexpr int HELP_CONTENTS = 3; // the contents
constexpr int HELP_HELPONHELP = 4; // how to use the help window
constexpr int HELP_PARTIALKEY = 261; // the keyword search (the index entries)

// Runs one help command on `helpFile` in the program's help window (HelpWindow), which
// `owner` owns. HELP_QUIT closes the window if one is open and opens nothing. True when the
// command was carried out; a help file that cannot be read is reported to the user.
bool WinHelp(QWidget *owner, const QString &helpFile, int command, qint32 data);
