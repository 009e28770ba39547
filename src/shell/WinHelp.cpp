#include "WinHelp.h"

#include "HelpWindow.h"

bool WinHelp(QWidget *owner, const QString &helpFile, int command, qint32 data)
{
    if (command == HELP_QUIT) {
        if (HelpWindow *window = HelpWindow::current()) {
            window->close();
        }
        return true;
    }
    HelpWindow *window = HelpWindow::open(owner, helpFile);
    if (!window) {
        return false;
    }
    switch (command) {
    case HELP_CONTEXT: {
        const QString topic = QStringLiteral("ctx-") + QString::number(data);
        if (!window->hasTopic(topic)) {
            // An unknown number still opens the help, at its contents.
            window->showTopic(QStringLiteral("contents"));
            return false;
        }
        window->showTopic(topic);
        return true;
    }
    case HELP_CONTENTS:
        window->showTopic(QStringLiteral("contents"));
        return true;
    case HELP_HELPONHELP:
        window->showTopic(QStringLiteral("using-help"));
        return true;
    case HELP_PARTIALKEY:
        // The index beside the search box, the box ready for the first letters.
        window->showTopic(QStringLiteral("index"));
        window->showSearch();
        return true;
    default:
        window->showTopic(QStringLiteral("contents"));
        return false;
    }
}
