#pragma once

class DataGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of the sermon identification screen. The screen owns them (as Qt children)
// and keeps this set to itself; SermonScreenLayout creates them, and the helpers that fill,
// read or watch the fields receive the set from the screen.
struct SermonScreenWidgets
{
    DataGrid *grdSermons = nullptr;

    QLabel *lblPreacher = nullptr;
    QComboBox *cboPreacher = nullptr;
    QComboBox *cboType = nullptr;
    QLabel *lblSeries = nullptr;
    QComboBox *cboSeries = nullptr;

    QGroupBox *fraReference = nullptr;
    QComboBox *cboBibleBook = nullptr;
    QLineEdit *txtBegC = nullptr;
    QLineEdit *txtBegV = nullptr;
    QLineEdit *txtEndC = nullptr;
    QLineEdit *txtEndV = nullptr;
    QLineEdit *txtReference = nullptr;

    QLineEdit *txtTitle = nullptr;
    QLineEdit *txtBigIdea = nullptr;
    QLineEdit *txtDatePreached = nullptr;
    QLineEdit *txtLocation = nullptr;
    QLabel *lblSermonID = nullptr;

    QPushButton *cmdTrack = nullptr;
    QPushButton *cmdIllustr = nullptr;
    QPushButton *cmdTopics = nullptr;
    QPushButton *cmdOutline = nullptr;
    QPushButton *cmdRecordings = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdDelete = nullptr;

    // Beyond the screen's first design: the preaching history of the sermon shown and the
    // command listing the sermons on its passage (SermonPassageHistory).
    QLabel *lblHistory = nullptr;
    QPushButton *cmdSamePassage = nullptr;
};
