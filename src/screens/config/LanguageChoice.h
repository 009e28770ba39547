#pragma once

#include <QCoreApplication>

class QInputDialog;
class QWidget;

// Defaults > Language...: a small dialog, not holding up the program, that lists the
// languages built in by their own names and stores the one chosen in the settings when it
// differs from the language in use. The choice applies at the next start, as the dialog says:
// the windows already built keep their texts.
class LanguageChoice
{
    Q_DECLARE_TR_FUNCTIONS(LanguageChoice)

public:
    // Opens the dialog (named dlgLanguage); it deletes itself when closed.
    static QInputDialog *open(QWidget *parent);
};
