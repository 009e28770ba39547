#pragma once

#include "SelectionDialog.h"
#include "SermonQuery.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Find Text Screen": the text search. Each Search-Text command opens it for its field (all
// three for Search All); the screen shows the boxes of the fields in use, each holding one
// blank (a box left at that blank is "not filled"). Select hands the search texts and the
// logic as a SermonQuery to the sermon identification screen, which lists what it finds;
// Cancel (also the close box and Escape) hands over nothing.
class frmFindText : public SelectionDialog
{
    Q_OBJECT
public:
    enum class Field { Outline, BigIdea, Title, All };

    // Load: forgets the last outline search and shows the frames of the fields in use.
    explicit frmFindText(Field field, QWidget *parent = nullptr);

    // Shows or hides fraLogic and focuses the box the command searches first.
    void showField();
    // The search as it stands.
    SermonQuery query() const;

    // Loads the screen over the main window for the command, without blocking the caller.
    static frmFindText *open(Field field);

    void cmdSelect_Click();
    void cmdCancel_Click() override;

private:
    bool searches(Field field) const;

    Field m_field;
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
