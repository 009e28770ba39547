#pragma once

#include <QString>

class clsConfig;

// The settings of the section "Pulpit": how the preaching view shows an outline, the speaking
// rate the notes window counts time with, the spelling dictionary and the size of the pulpit
// copy. Read with defaults, so a settings file without the section keeps working; each value
// is written only when the user changes it (never at exit).
//
//   [Pulpit]
//   FontPoints=28         the preaching view's type size (Ctrl+= / Ctrl+- / Ctrl+0)
//   Dark=0                1 for light text on black
//   TargetMinutes=30      the sermon's planned length; the timer turns amber, then red
//   Screen=               the name of the screen the view opens on ("" = the program's choice)
//   WordsPerMinute=130    the speaking rate of "N words, about M min"
//   SpellingLanguage=     a dictionary name such as en_US ("" = the system locale's, else en_US)
//   PrintPoints=18        the type size of the pulpit copy
struct PulpitSettings
{
    static constexpr int DefaultFontPoints = 28;
    static constexpr int MinFontPoints = 12;
    static constexpr int MaxFontPoints = 96;
    static constexpr int DefaultPrintPoints = 18;

    int fontPoints = DefaultFontPoints;
    bool dark = false;
    int targetMinutes = 30;
    QString screen;
    int wordsPerMinute = 130;
    QString spellingLanguage;
    int printPoints = DefaultPrintPoints;

    // A missing, non-numeric or out-of-range value keeps its default.
    static PulpitSettings read(clsConfig &config);
    // Stores one key of the section (the caller has checked the value).
    static bool write(clsConfig &config, const char *key, const QString &value);
};
