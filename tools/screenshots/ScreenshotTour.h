#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <functional>

class frmMain;
class QWidget;

// The user guide's pictures, made by the program itself: the main window on the demonstration
// library, each step of the tour opening what the guide shows, and the whole virtual screen
// written to a PNG once the step has settled. A dialog that runs its own event loop is pictured
// from inside it and then dismissed. A picture with almost no colours in it (a window that did
// not draw) is a failure.
class ScreenshotTour
{
public:
    struct Shot
    {
        QString file; // docs/images/<file>
        // Opens what the picture shows; runs with the previous step's windows closed.
        std::function<void(frmMain &)> open;
        // True when `open` starts a modal dialog that the picture must catch running.
        bool modal = false;
    };

    ScreenshotTour(frmMain &main, const QDir &output);

    void add(const QString &file, std::function<void(frmMain &)> open, bool modal = false);
    // Takes every picture; the names of those that could not be taken or came out blank.
    QStringList run();

    // The standard tour of the user guide.
    static void addGuideShots(ScreenshotTour &tour);
    // The guide's picture of the program in Spanish (taken with the Spanish interface).
    static void addSpanishShots(ScreenshotTour &tour);

private:
    bool take(const QString &file);
    void closeEverything();

    frmMain &m_main;
    QDir m_output;
    QList<Shot> m_shots;
};
