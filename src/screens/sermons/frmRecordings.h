#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The recordings of one sermon: the files chosen (their type, length and size read from the
// content by src/media) and web addresses, each listed with what was read, a file no longer
// there listed as missing; and whether the sermon's outline goes on the website. Opened by the
// sermon screen's "Recordings..." button, window-modal and without blocking (open()), so tests
// drive it like any window.
class frmRecordings : public QDialog
{
    Q_OBJECT
public:
    frmRecordings(qint32 sermonID, const QString &title, QWidget *parent = nullptr);
    ~frmRecordings() override;

    // The lines of the list as the user reads them (tests).
    QStringList listedLines() const;

private:
    void cmdAdd_Click();
    void cmdAddAddress_Click();
    void cmdRemove_Click();
    // The sermon's own choice about its outline on the website (kept with the library's
    // publishing choices).
    void loadOutlineChoice();
    void chkPublishOutline_Toggled(bool publish);
    void fill();
    // Stores one recording; false (after saying why) when it could not be stored.
    bool store(const QString &source, const QString &mimeType, qint64 milliseconds, qint64 bytes);

    qint32 m_sermonID;
    QLabel *lblTitle = nullptr;
    QListWidget *lstRecordings = nullptr;
    QLineEdit *txtAddress = nullptr;
    QCheckBox *chkPublishOutline = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdAddAddress = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdClose = nullptr;
};
