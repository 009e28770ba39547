#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class frmMain;
class QWidget;

// Opens every window the program can open from its menus and toolbar, one at a time, as a
// user would, and hands each to a check before closing it again: the child screens of the
// work area, the dialogs (a modal one is checked while it runs, then dismissed), the help
// window and the preaching view. The walk finds the commands in the menus and the toolbar
// themselves, so a window added later is swept without a change here.
class WindowSweep
{
public:
    // `how` names the command or step that opened the window ("mnuRNever", "grpNotes").
    using Check = std::function<void(QWidget *window, const QString &how)>;

    WindowSweep(frmMain &main, Check check);

    // Every menu item and toolbar button with nothing open, then those that need a sermon on
    // the sermon screen, the notes window with its find bar open among them, and the windows
    // the sermon screen's own buttons open (its topics, illustrations, tracker, recordings).
    void run();

    // The commands that opened a window, and the windows seen, in the order met.
    QStringList commandsWithWindows() const { return m_commandsWithWindows; }
    QStringList windowsSeen() const { return m_windowsSeen; }

private:
    void runCommand(const QString &name);
    // Presses each button of the screen `command` opened, but those of the record itself.
    void pressScreenButtons(const QString &command, const QString &screenName);
    template <typename Start> void watchModal(const QString &how, Start start);
    void inspectNewWindows(const QString &how);
    void inspect(QWidget *window, const QString &how);
    void closeEverything();

    frmMain &m_main;
    Check m_check;
    QList<QPointer<QWidget>> m_checked;
    QStringList m_commandsWithWindows;
    QStringList m_windowsSeen;
};

// What the sweep checks in one window, as text for a failure message ("" when it passes).
namespace WindowChecks {

// Two controls of the window that answer to the same Alt letter.
QString mnemonicClashes(QWidget *window);
// Labels that show a value (framed panels) without an accessible name or description that
// says what the value is.
QString unnamedValueLabels(QWidget *window);
// A child screen not wholly inside the main window's work area or scrolling to fit it, or a
// dialog not inside the main window.
QString outsideWorkArea(QWidget *window, frmMain &main);
// Captions, labels and buttons narrower than their text: cut off where they stand. A label
// that wraps or that is made to take the width it is given (a line of data) is not a caption.
QString clippedTexts(QWidget *window);

} // namespace WindowChecks
