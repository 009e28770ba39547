#pragma once

#include "SelectionDialog.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Find Text Screen": the text search. The Search-Text commands set the field flags in
// ProgramSelection() first; the screen shows the boxes of the fields in use, each holding one
// blank (a box left at that blank is "not filled"). Select stores the search texts and the
// logic and shows the sermon identification screen, whose next list fill applies them;
// Cancel (also the close box and Escape) turns the search off again.
class frmFindText : public SelectionDialog
{
    Q_OBJECT
public:
    enum class Field { Outline, BigIdea, Title, All };

    // Load: empties the three search texts and shows the frames of the fields in use.
    explicit frmFindText(QWidget *parent = nullptr);

    // Shows or hides fraLogic and focuses the box the command searches first.
    void showField(Field field);

    // Loads the screen over the main window for the command, without blocking the caller.
    static frmFindText *open(Field field);

    void cmdSelect_Click();
    void cmdCancel_Click() override;

private:
    QGroupBox *fraLogic = nullptr;
    QRadioButton *optOR = nullptr;
    QRadioButton *optAnd = nullptr;
    QGroupBox *fraTitle = nullptr;
    QGroupBox *fraBigIdea = nullptr;
    QGroupBox *fraOutline = nullptr;
    QLineEdit *txtTitle = nullptr;
    QLineEdit *txtBigIdea = nullptr;
    QLineEdit *txtOutline = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdCancel = nullptr;
};
