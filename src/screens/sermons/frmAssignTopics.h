#pragma once

#include "DataScreen.h"

class QLabel;
class QListWidget;
class QPushButton;

// The three assignment screens: topics of a sermon (frmSermonTopics), illustrations of a
// sermon (frmSermIllu) and topics of an illustration (frmIllustrTopic). Each shows the items
// not yet linked to its owner and the items linked to it; a double-click (or Return) on an
// item writes or removes the link row at once and, only when that statement succeeded, moves
// the item to the end of the other list. There is nothing to save.
//
// The screens differ only in captions, control names, list queries and link operations; the
// table in the .cpp file holds those differences. The lists are read when the screen opens
// (and again when another screen changes the topics or illustrations); afterwards they follow
// the database by moving entries, not by reading it again.
class frmAssignTopics : public DataScreen
{
    Q_OBJECT
public:
    enum class Kind { SermonTopics, SermonIllustrations, IllustrationTopics };

    // `ownerKey` is the sermon's or the illustration's key; `title` what pnlTitle shows.
    frmAssignTopics(Kind kind, qint32 ownerKey, const QString &title, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    qint32 ownerKey() const { return m_ownerKey; }

    // Points the open screen at another owner and reads both lists for it.
    void openFor(qint32 ownerKey, const QString &title);

    // A fixed place near the top left of the main window's work area, big enough for both
    // lists.
    void placeWindow();

    // The list texts of the three screens, for the owner key given.
    static QString unassignedSql(Kind kind, qint32 ownerKey);
    static QString assignedSql(Kind kind, qint32 ownerKey);

    // Double-click on the unassigned (assigned) list: link (unlink) the selected item.
    void assignSelected();
    void unassignSelected();

protected:
    void screenClosing() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void loadLists();
    void moveSelected(QListWidget *from, QListWidget *to, bool assigning);

    Kind m_kind;
    qint32 m_ownerKey = 0;

    QLabel *pnlTitle = nullptr;
    QLabel *lblOwnerID = nullptr; // lblSermonID or lblIllustrID
    QListWidget *m_unassigned = nullptr;
    QListWidget *m_assigned = nullptr;
    QPushButton *cmdClose = nullptr;
};

// The three screens by their own names. The sermon screens are opened for the current
// sermon with pnlTitle showing one blank and the sermon's big idea or title; the
// illustration-topics screen for the illustration key and name the illustration screen
// hands over.
frmAssignTopics *frmSermonTopics(qint32 sermonID, const QString &title, QWidget *parent = nullptr);
frmAssignTopics *frmSermIllu(qint32 sermonID, const QString &title, QWidget *parent = nullptr);
frmAssignTopics *frmIllustrTopic(
    qint32 illustrationID, const QString &illustrationName, QWidget *parent = nullptr);
