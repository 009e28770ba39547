#pragma once

#include "DataScreen.h"
#include "RecordChanges.h"
#include "clsDateLoc.h"

class DataGrid;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// "Date / Location Tracker": every further occasion (date and place) a sermon was preached,
// beside the primary date and location that the sermon screen shows. The grid lists the
// sermon's occasions; the fields below show the chosen one for change, and New, Save and
// Delete work on it. The screen listens to clsDateLoc while it is open: a saved new occasion
// goes in front of the blank row (scrolled into sight), a changed one takes its new texts, and
// the row of a deleted one stays, emptied, until the list is filled again.
//
// The sermon is fixed when the screen opens (the current sermon of the sermon list); the
// program opens a fresh tracker when the user asks for another sermon's occasions.
class frmDateLoc : public DataScreen, public RecordChanges<clsDateLoc>
{
    Q_OBJECT
public:
    explicit frmDateLoc(qint32 sermonID, QWidget *parent = nullptr);
    ~frmDateLoc() override;

    // The sermon whose occasions the screen lists.
    qint32 sermonID() const { return m_sermonID; }

    // Left 20, top 20 (twips) in the main window's work area.
    void placeWindow();

    // The list of the sermon's occasions in front of one blank row; row 1 becomes current,
    // and an empty list starts a new occasion.
    void fillList();
    // The heading row and one blank row, nothing else.
    void clearList();
    // Shows the occasion chosen in the list (occasionID()) with the sermon's key and the
    // primary date and location of the sermon screen.
    void showOccasion();
    // The occasion chosen in the list, 0 when none; the list's data rows.
    qint32 occasionID() const { return m_occasionID; }
    qint32 listRows() const { return m_listRows; }
    // The occasion as another copy saved it, in the read-only window.
    void showTheirVersion(qint32 key);
    // Empties the occasion's fields and key.
    void clearFields();
    // Copies the fields into the record; false (after "Procedural error; Please try again"
    // and a fresh new occasion) when the date text is not a date.
    bool transferFields();
    // The field transfer and the record's check; false after telling the user.
    bool checkFields();
    // Inserts or updates the occasion shown; false after telling the user.
    bool saveOccasion();
    // The grid row the user chose: shows its occasion, or empty fields for the heading and
    // blank rows.
    void chooseRow(int row);

    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();

protected:
    bool saveRecord() override;
    void newRecord() override;
    void cancelEdit() override;
    void screenClosing() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QGridLayout *buildFields();
    void showPrimaryDateAndLocation();
    void reportFailure();

    // RecordChanges: how grdDateLoc shows what clsDateLoc stored.
    void inserted(const clsDateLoc &occasion) override;
    void updated(const clsDateLoc &occasion) override;
    void deleted(qint32 key) override;

    clsDateLoc m_record;
    qint32 m_sermonID = 0;
    // The occasion chosen in the list and the one the fields show (0: none), and the data
    // rows of the list (the blank row for a new occasion follows them).
    qint32 m_occasionID = 0;
    qint32 m_shownID = 0;
    qint32 m_listRows = 0;
    bool m_adding = false;

    DataGrid *grdDateLoc = nullptr;
    QLineEdit *txtLocation = nullptr;
    QLineEdit *txtDate = nullptr;
    QLabel *lblDateLocID = nullptr;
    QLabel *lblSermonID = nullptr;
    QLabel *lblDate1 = nullptr;
    QLabel *lblLocation1 = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdClose = nullptr;
};
