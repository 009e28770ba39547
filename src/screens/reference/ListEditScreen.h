#pragma once

#include "DataScreen.h"
#include "RowVersion.h"

#include <QStringList>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

// The list-plus-detail editor that the topic, illustration, preacher and publisher screens
// share: a list box of every record (item data = key), the shown record's fields with its key
// in a label, and the button panel with New, Delete, Save and Close.
//
// The base carries the order of the steps (opening, selecting an entry, New, Save, Delete,
// Cancel); a screen supplies its record through the hooks below. The key label is the
// screen's memory of which record the fields belong to: an empty label means a new record
// (or none), and the key for Save and Delete is always read from it.
class ListEditScreen : public DataScreen
{
    Q_OBJECT
public:
    explicit ListEditScreen(QWidget *parent = nullptr);
    ~ListEditScreen() override;

    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();

protected:
    // Construction: the button panel `pnlButtons` with the four buttons (Save with its
    // caption), and the list and key label the steps work on.
    QFrame *createButtonPanel(const QString &saveCaption);
    // The screen's names (objectName and caption) and its list box, named `listName` and
    // read by screen readers as `listCaption`.
    QListWidget *createRecordList(const QString &screenName, const QString &title,
        const QString &listName, const QString &listCaption);
    void setListControls(QListWidget *list, QLabel *keyLabel);
    // Opening, once the controls exist: fills the list from the record walk, shows the first
    // entry or raises the no-records flag, and disables the main window's items that open
    // this screen (enabled again on closing).
    void loadRecords(const QStringList &openingItems);

    QListWidget *recordList() const { return m_list; }
    QLabel *keyLabel() const { return m_keyLabel; }
    bool isAdding() const { return m_adding; }

    // The record walk in list order: the record holds the row after each true result.
    virtual bool firstRecord() = 0;
    virtual bool nextRecord() = 0;
    // The key and list text of the row the record holds.
    virtual qint32 recordKey() const = 0;
    virtual QString recordText() const = 0;
    // Reads the row with this key into the record; false when there is none.
    virtual bool findRecord(qint32 key) = 0;
    // Record to fields (called while loading) and empty fields.
    virtual void showFields() = 0;
    virtual void clearFields() = 0;
    // Where New puts the focus.
    virtual QWidget *firstField() const = 0;
    // Fields to record and the record's Check; a failure is reported here (reportInvalid).
    virtual bool checkFields() = 0;
    virtual bool insertRecord() = 0;
    virtual bool replaceRecord(qint32 key) = 0;
    virtual bool deleteRecord(qint32 key) = 0;
    // After a false replaceRecord: whether another copy changed or deleted the row since it
    // was shown; Yes to saving over theirs; their version in the read-only window.
    virtual RowChange replaceConflict() const = 0;
    virtual void overwriteTheirs() = 0;
    virtual void showTheirVersion(qint32 key) = 0;
    virtual QString recordInfoMsg() const = 0;
    // The questions before a delete; the topic and illustration screens only confirm.
    virtual bool confirmDeletion();
    // Said after a successful delete (nothing on the topic and illustration screens).
    virtual void deletionDone() { }
    // Tells the other open screens that the list changed (insert, rename or delete).
    virtual void announceChange(bool deleted) = 0;
    // Where a saved entry goes: a new one at the end, a renamed one keeps its place. Returns
    // the entry's index.
    virtual int placeEntry(const QString &text, qint32 key, bool added);
    // More to undo when the screen closes.
    virtual void closingExtras() { }

    // A refused Check: optionally beep, move the focus to the field concerned (null: it
    // stays), and show the message in a plain box.
    void reportInvalid(const QString &message, QWidget *focusField, bool beep);
    // Puts the entry in its sorted place among the others (letter case ignored).
    int placeSorted(const QString &text, qint32 key, bool added);

    bool saveRecord() override;
    void newRecord() override;
    void cancelEdit() override;
    void screenClosing() override;

private:
    void lstRecords_Click(int index);
    void showRecord(qint32 key);
    void selectEntry(int index);
    void clearShownRecord();

    QListWidget *m_list = nullptr;
    QLabel *m_keyLabel = nullptr;
    QPushButton *m_cmdNew = nullptr;
    QPushButton *m_cmdDelete = nullptr;
    QPushButton *m_cmdSave = nullptr;
    QPushButton *m_cmdClose = nullptr;
    QStringList m_openingItems;
    bool m_adding = false;
    int m_indexBeforeNew = -1;
};
