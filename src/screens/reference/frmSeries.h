#pragma once

#include "DataScreen.h"
#include "RecordChanges.h"
#include "clsSeries.h"

class DataGrid;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Series of Messages Screen": every series in the five-column grid grdSeries (key, name,
// Bible book, preacher, type) and the chosen series' fields, with its Bible book, preacher,
// type and publisher picked from drop-down lists.
//
// The grid keeps one empty row after the last series, where New puts the current cell. The
// screen listens to clsSeries: a new series gets its row in front of the empty row, a changed
// one its new texts, and a deleted one stays as a blank row until the screen opens again
// (New starts at once). The record shows no engine errors: this screen reports them.
class frmSeries : public DataScreen, public RecordChanges<clsSeries>
{
    Q_OBJECT
public:
    explicit frmSeries(QWidget *parent = nullptr);
    ~frmSeries() override;

    // The grid's data rows (series listed, blank rows of deleted ones included).
    qint32 listRows() const { return m_listRows; }

    void cmdNew_Click();
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
    // What the grid shows for a series' Bible book, preacher ("Last, First ") and type.
    struct RowNames
    {
        QString bibleBook;
        QString preacher;
        QString type;
    };
    static RowNames lookUpNames(const clsSeries &series);
    static QString rowText(const clsSeries &series);

    void buildControls();
    void buildButtons(QHBoxLayout *buttons);
    void setUpGrid();
    void fillGrid();
    void showSeries();
    // The series as another copy saved it, in the read-only window.
    void showTheirVersion(qint32 key);
    void clearFields();
    void copyToRecord();
    bool reportInvalid();
    void reportFailure();

    // RecordChanges: how grdSeries shows what clsSeries stored.
    void inserted(const clsSeries &series) override;
    void updated(const clsSeries &series) override;
    void deleted(qint32 key) override;

    clsSeries m_series;
    bool m_adding = false;
    // The series the fields show (chosen in the grid, or the first row at load).
    qint32 m_seriesID = 0;
    qint32 m_listRows = 0;

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
