#pragma once

#include "SelectionDialog.h"

class QComboBox;
class QGroupBox;
class QPushButton;

// "Sermon Selection Screen": the checklist. The Checklist commands set their criterion flags
// in ProgramSelection() first; the screen then fills the lists of the criteria that are on
// and shows their frames. Select copies the chosen keys and shows the sermon identification
// screen, whose next list fill applies them; Cancel (also the window's close box and Escape)
// turns the criteria off again.
class frmSelect : public SelectionDialog
{
    Q_OBJECT
public:
    enum class Criterion { BibleBook, Preacher, Series, Topic, Combination };

    // Load: fills cboBibleBook, cboPreacher, cboTopic and cboSeries for the criteria whose
    // flag is on.
    explicit frmSelect(QWidget *parent = nullptr);

    // Shows the frame of the criterion (all four for a combination) and focuses its list.
    void showCriterion(Criterion criterion);

    // Loads the screen over the main window for the criterion, without blocking the caller.
    static frmSelect *open(Criterion criterion);

    void cmdSelect_Click();
    void cmdCancel_Click() override;

private:
    QGroupBox *fraBibleBooks = nullptr;
    QGroupBox *fraPreachers = nullptr;
    QGroupBox *fraSeries = nullptr;
    QGroupBox *fraTopics = nullptr;
    QComboBox *cboBibleBook = nullptr;
    QComboBox *cboPreacher = nullptr;
    QComboBox *cboSeries = nullptr;
    QComboBox *cboTopic = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdCancel = nullptr;
};
