#pragma once

#include <QString>

class clsConfig;

// The Bible text settings, in a section of their own, read with defaults so that a settings
// file without it keeps working. Each is written when the user changes it.
//
//   [Scripture]
//   Version=engWEB2015eb   the module shown; empty: the WEB when installed (the Reina-Valera
//                          1909 with the Spanish interface), else the first
//   VersePerLine=0         1: each verse on a line of its own; 0: paragraphs
//   PrintPassage=0         1: printing and "Outline as Document..." put the passage first
struct ScriptureSettings
{
    QString version;
    bool versePerLine = false;
    bool printPassage = false;

    static ScriptureSettings read(clsConfig &config);
    static ScriptureSettings read();
    static void saveVersion(const QString &version);
    static void saveVersePerLine(bool on);
    static void savePrintPassage(bool on);
};
