#pragma once

#include "DataScreen.h"
#include "GridListKeeper.h"
#include "SeriesListKeeper.h"
#include "clsSeries.h"

class DataGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Series of Messages Screen": every series in the five-column grid grdSeries (key, name,
// Bible book, preacher, type) and the chosen series' fields, with its Bible book, preacher,
// type and publisher picked from drop-down lists.
//
// The grid keeps one empty row after the last series, where New puts the current cell. The
// record clsSeries adds the grid row of a new series and blanks the row of a deleted one
// through this screen (SeriesListKeeper), so deleted series stay as blank rows until the
// screen opens again. The record shows no engine errors: this screen reports them.
class frmSeries : public DataScreen, public GridListKeeper<SeriesListKeeper>
{
    Q_OBJECT
public:
    explicit frmSeries(QWidget *parent = nullptr);
    ~frmSeries() override;

    // The look-ups that name a series' references (inputs and outputs in ProgramSelection()).
    void GetBibleBook() override;
    void GetPreacher() override;
    void GetType() override;

    void cmdNew_Click() override;
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdSermons_Click();
    // A click on a grid row (row 0 is the heading row).
    void grdSeries_Click(int row);
    // Clicking these labels fills their drop-down lists again.
    void lblPreacher_Click();
    void lblPublisher_Click();

protected:
    bool saveRecord() override;
    void newRecord() override;
    void cancelEdit() override;
    void screenClosing() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void setUpGrid();
    void fillGrid();
    void showSeries();
    // The series as another copy saved it, in the read-only window.
    void showTheirVersion(qint32 key);
    void clearFields();
    void copyToRecord();
    bool reportInvalid();
    void reportFailure();
    void lookUpNames(qint32 bibleBookID, qint32 preacherID, qint32 typeID);

    clsSeries m_series;
    bool m_adding = false;
    // The series the fields show (chosen in the grid, or the first row at load).
    qint32 m_seriesID = 0;

    DataGrid *grdSeries = nullptr;
    QLabel *lblSeriesID = nullptr;
    QLineEdit *txtName = nullptr;
    QComboBox *cboBibleBook = nullptr;
    QLabel *lblPreacher = nullptr;
    QComboBox *cboPreacher = nullptr;
    QComboBox *cboType = nullptr;
    QGroupBox *fraSource = nullptr;
    QLineEdit *txtPubTitle = nullptr;
    QLabel *lblPublisher = nullptr;
    QComboBox *cboPublisher = nullptr;
    QLineEdit *txtPubyear = nullptr;
    QPlainTextEdit *txtNotes = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdSermons = nullptr;
};
