#pragma once

#include "ImportNames.h"
#include "ImportReview.h"
#include "ImportRowModel.h"

#include <QDialog>
#include <atomic>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QThread;

// The review of an import: the files chosen (or the records of a sermon list) as rows the user
// can check, edit, sort and untick before anything is written. Files are read on a worker
// thread with a progress bar and Cancel, so the window keeps answering. "Import" backs a local
// library up first, then writes every ticked row in one transaction.
class frmImport : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Files, SermonList };

    explicit frmImport(Mode mode, QWidget *parent = nullptr);
    ~frmImport() override;

    // Reads the library's sermons and names; false (and said) when it cannot.
    bool load();
    // Starts reading files, folders and zips on the worker thread.
    void readPaths(const QStringList &paths);
    // The records of a sermon list, already matched to fields.
    void setListRows(const QList<ImportRow> &rows, const QString &source);
    const ImportReview &review() const { return m_review; }
    const ImportNames &names() const { return m_names; }
    ImportReview::Defaults defaults() const;

    bool isReading() const { return m_worker != nullptr; }
    // Waits until the worker is done and its rows are shown (tests).
    void waitForReading();

Q_SIGNALS:
    void readingFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void buildControls(Mode mode);
    void cmdAddFiles_Click();
    void cmdAddFolder_Click();
    void cmdCancelRead_Click();
    void cmdPreacher_Click(bool allRows);
    void cmdImport_Click();
    void readDone();
    void showProgress(int done, int total);
    void updateSummary();
    bool backUpFirst();
    void stopReading();

    ImportReview m_review;
    ImportNames m_names;
    ImportRowModel m_model;
    QSortFilterProxyModel *m_sorted = nullptr;
    QString m_source; // what was chosen, as the batch remembers it

    QPushButton *m_addFiles = nullptr;
    QPushButton *m_addFolder = nullptr;
    QComboBox *m_preacher = nullptr;
    QCheckBox *m_seriesFromFolder = nullptr;
    QTableView *m_table = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancelRead = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_import = nullptr;

    QThread *m_worker = nullptr;
    std::atomic<bool> m_cancel { false };
    QList<ImportRow> m_readRows; // written by the worker, taken when it has finished
    int m_readTotal = 0;
};
