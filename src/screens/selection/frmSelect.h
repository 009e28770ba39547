#pragma once

#include "SelectionDialog.h"
#include "SermonQuery.h"

class QComboBox;
class QGroupBox;
class QPushButton;

// "Sermon Selection Screen": the checklist. Each Checklist command opens it for its criterion
// (all four for By Combination); the screen fills the lists of the criteria in use and shows
// their frames. Select hands the chosen keys as a SermonQuery to the sermon identification
// screen, which lists what it finds; Cancel (also the window's close box and Escape) leaves
// nothing behind.
class frmSelect : public SelectionDialog
{
    Q_OBJECT
public:
    enum class Criterion { BibleBook, Preacher, Series, Topic, Combination };

    // Load: fills cboBibleBook, cboPreacher, cboTopic and cboSeries for the criteria in use.
    explicit frmSelect(Criterion criterion, QWidget *parent = nullptr);

    // Shows the frame of the criterion (all four for a combination) and focuses its list.
    void showCriterion();
    // The choice as it stands.
    SermonQuery query() const;

    // Loads the screen over the main window for the criterion, without blocking the caller.
    static frmSelect *open(Criterion criterion);

    void cmdSelect_Click();
    void cmdCancel_Click() override;

private:
    bool uses(Criterion criterion) const;

    Criterion m_criterion;
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
