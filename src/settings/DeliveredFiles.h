#pragma once

#include <QString>

// Where the files delivered with the program are: the help file, the empty library and the
// demonstration library. Run from its build folder, or from any folder that holds them, they
// are beside the program; installed, they are in share/lectorum of the installation, found
// from the program's own folder so that the program works under any prefix.
class DeliveredFiles
{
public:
    static constexpr const char *HelpFile = "Lectorum.hlp";
    static constexpr const char *DemoLibrary = "lectorum-demo.mdb";

    // The folder of the delivered files, without a trailing "/".
    static QString folder();
    static QString filePath(const QString &name);
    // The help in the interface's language: "Lectorum.es.hlp" under the Spanish interface when
    // it is delivered beside "Lectorum.hlp", else the English one. A translated help is a whole
    // file with the English one's anchors, so context help lands alike in either.
    static QString helpFilePath();
    // The same choice among the help files of a given folder.
    static QString helpFilePath(const QString &folder);
    // True when the delivered files are beside the program (a build or portable folder):
    // such a program keeps its library in its own folder.
    static bool besideProgram();
};
