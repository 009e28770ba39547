#pragma once

#include "PublishSource.h"
#include "SitePublisher.h"

#include <QDialog>
#include <atomic>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressDialog;
class QThread;
class QRadioButton;
class QPushButton;

// File > Publish > Sermon Website and Podcast...: which sermons (every one with a date, the
// sermon list's current rows, or a series), what their pages show (the outline; the passage's
// text only from a Bible whose licence allows publishing), the site's title, description,
// picture and address, and the folder. The choices are kept in the library, so the next
// publishing, here or by lectorum-mkdb --publish, starts from them.
class frmPublish : public QDialog
{
    Q_OBJECT
public:
    // `currentList`: the keys of the sermon list's rows (empty when no list is open).
    explicit frmPublish(const QList<qint32> &currentList, QWidget *parent = nullptr);
    ~frmPublish() override;

    // The last publishing's outcome (tests).
    const PublishOutcome &lastOutcome() const { return m_outcome; }
    // The files are being written.
    bool isWriting() const { return m_worker != nullptr; }

    void reject() override;

private:
    void buildControls();
    void loadChoices();
    PublishChoices choicesShown() const;
    void cmdFolder_Click();
    void cmdPicture_Click();
    void cmdPublish_Click();
    void startWriting(const PublishChoices &c, QList<PublishSermon> sermons, bool kept);
    void written(const PublishOutcome &outcome, const QString &folder, bool kept);

    QList<qint32> m_currentList;
    PublishChoices m_kept;
    PublishOutcome m_outcome;
    QThread *m_worker = nullptr;
    QProgressDialog *m_progress = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QRadioButton *optAllDated = nullptr;
    QRadioButton *optCurrentList = nullptr;
    QRadioButton *optSeries = nullptr;
    QComboBox *cboSeries = nullptr;
    QCheckBox *chkOutlines = nullptr;
    QCheckBox *chkPassageText = nullptr;
    QComboBox *cboBible = nullptr;
    QLineEdit *txtTitle = nullptr;
    QPlainTextEdit *txtDescription = nullptr;
    QLineEdit *txtPicture = nullptr;
    QLineEdit *txtBaseUrl = nullptr;
    QLineEdit *txtFolder = nullptr;
    QPushButton *cmdPicture = nullptr;
    QPushButton *cmdFolder = nullptr;
    QPushButton *cmdPublish = nullptr;
    QPushButton *cmdCancel = nullptr;
};
