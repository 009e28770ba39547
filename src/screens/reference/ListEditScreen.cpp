#include "ListEditScreen.h"

#include "ChangedUnderneath.h"
#include "HourglassGuard.h"
#include "ListOperations.h"
#include "ReferenceScreenSupport.h"
#include "ScreenOperations.h"
#include "SqlLiterals.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QPushButton *panelButton(QFrame *panel, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, panel);
    button->setObjectName(name);
    panel->layout()->addWidget(button);
    return button;
}

// The index of the entry carrying `key`, or -1.
int entryWithKey(const QListWidget *list, qint32 key)
{
    for (int i = 0; i < list->count(); ++i) {
        if (ItemData(list, i) == key) {
            return i;
        }
    }
    return -1;
}

} // namespace

ListEditScreen::ListEditScreen(QWidget *parent)
    : DataScreen(parent)
{
}

ListEditScreen::~ListEditScreen() = default;

QListWidget *ListEditScreen::createRecordList(const QString &screenName, const QString &title,
    const QString &listName, const QString &listCaption)
{
    setObjectName(screenName);
    setWindowTitle(title);
    auto *list = new QListWidget(this);
    list->setObjectName(listName);
    list->setAccessibleName(listCaption);
    return list;
}

QFrame *ListEditScreen::createButtonPanel(const QString &saveCaption)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlButtons"));
    panel->setAccessibleName(tr("Buttons"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    new QHBoxLayout(panel);
    m_cmdNew = panelButton(panel, QStringLiteral("cmdNew"), tr("&New"));
    m_cmdDelete = panelButton(panel, QStringLiteral("cmdDelete"), tr("&Delete"));
    m_cmdSave = panelButton(panel, QStringLiteral("cmdSave"), saveCaption);
    m_cmdClose = panelButton(panel, QStringLiteral("cmdClose"), tr("&Close"));
    connect(m_cmdNew, &QPushButton::clicked, this, &ListEditScreen::cmdNew_Click);
    connect(m_cmdSave, &QPushButton::clicked, this, &ListEditScreen::cmdSave_Click);
    connect(m_cmdDelete, &QPushButton::clicked, this, &ListEditScreen::cmdDelete_Click);
    setEditButtons(m_cmdNew, m_cmdDelete, m_cmdSave, m_cmdClose);
    return panel;
}

void ListEditScreen::setListControls(QListWidget *list, QLabel *keyLabel)
{
    m_list = list;
    m_keyLabel = keyLabel;
    setRecordList(list);
    connect(m_list, &QListWidget::currentRowChanged, this, &ListEditScreen::lstRecords_Click);
}

void ListEditScreen::loadRecords(const QStringList &openingItems)
{
    m_openingItems = openingItems;
    HourglassGuard busy;
    m_adding = false;
    setNoRecords(false);
    {
        LoadingGuard loading(this);
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        if (firstRecord()) {
            do {
                AddItemWithData(m_list, recordText(), recordKey());
            } while (nextRecord());
        }
    }
    if (m_list->count() > 0) {
        selectEntry(0);
    } else {
        // Asked on the first activation: "No Records, Add Some ?".
        setNoRecords(true);
        clearShownRecord();
    }
    SetMainItemsEnabled(m_openingItems, false);
    enterBrowseState();
}

void ListEditScreen::lstRecords_Click(int index)
{
    if (index != -1) {
        showRecord(ItemData(m_list, index));
    }
}

void ListEditScreen::showRecord(qint32 key)
{
    HourglassGuard busy;
    LoadingGuard loading(this);
    // A record that has gone meanwhile leaves the fields as they were.
    if (findRecord(key)) {
        m_keyLabel->setText(SQLLong(recordKey()));
        showFields();
    }
}

void ListEditScreen::selectEntry(int index)
{
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(index);
    }
    // Shown even when the entry was selected already: that discards edits of its fields.
    if (index >= 0) {
        showRecord(ItemData(m_list, index));
    }
}

void ListEditScreen::clearShownRecord()
{
    LoadingGuard loading(this);
    m_keyLabel->clear();
    clearFields();
}

void ListEditScreen::cmdNew_Click()
{
    m_keyLabel->clear();
    m_adding = true;
    enterEditState();
    m_indexBeforeNew = m_list->currentRow();
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    }
    clearShownRecord();
    if (QWidget *field = firstField()) {
        field->setFocus();
    }
}

void ListEditScreen::newRecord()
{
    cmdNew_Click();
}

void ListEditScreen::cmdSave_Click()
{
    saveRecord();
}

bool ListEditScreen::saveRecord()
{
    if (!checkFields()) {
        return false;
    }
    HourglassGuard busy;
    // Fields without a key belong to no stored record: they are saved as a new one rather
    // than written over whatever record the key label's emptiness would stand for.
    const bool adding = m_adding || !ShowsKey(m_keyLabel);
    qint32 key = 0;
    bool saved = false;
    using ChangedUnderneath::Outcome;
    // New fields are inserted; so are fields whose record another copy deleted meanwhile,
    // when the user wants them kept.
    Outcome outcome = Outcome::SaveAsNew;
    if (!adding) {
        key = KeyFromText(m_keyLabel->text());
        outcome = ChangedUnderneath::replace([this, key] { return replaceRecord(key); },
            [this] { return replaceConflict(); }, [this] { overwriteTheirs(); },
            [this, key] { showTheirVersion(key); }, windowTitle());
        saved = outcome == Outcome::Saved;
        if (outcome == Outcome::KeepEditing) {
            return false; // the typing stays to save again, or to cancel
        }
    }
    if (outcome == Outcome::SaveAsNew) {
        // Another copy deleted the record shown: its entry goes, the new one takes its place.
        if (!adding) {
            const QSignalBlocker quiet(m_list);
            const int gone = entryWithKey(m_list, key);
            if (gone >= 0) {
                delete m_list->takeItem(gone);
            }
        }
        saved = insertRecord();
        key = recordKey();
    }
    if (!saved) {
        // The screen stays in the edit state: the typing is still there to save or cancel.
        const QString message = recordInfoMsg();
        if (!message.isEmpty()) {
            MsgBox(message, MsgBoxStyle::OkExclamation, windowTitle());
        }
        return false;
    }
    const int index = placeEntry(recordText(), key, outcome == Outcome::SaveAsNew);
    m_adding = false;
    enterBrowseState();
    selectEntry(index);
    announceChange(false);
    return true;
}

int ListEditScreen::placeEntry(const QString &text, qint32 key, bool added)
{
    const QSignalBlocker quiet(m_list);
    const int existing = added ? -1 : entryWithKey(m_list, key);
    if (existing < 0) {
        AddItemWithData(m_list, text, key);
        return m_list->count() - 1;
    }
    m_list->item(existing)->setText(text);
    return existing;
}

int ListEditScreen::placeSorted(const QString &text, qint32 key, bool added)
{
    const QSignalBlocker quiet(m_list);
    if (!added) {
        const int existing = entryWithKey(m_list, key);
        if (existing >= 0) {
            delete m_list->takeItem(existing);
        }
    }
    int row = 0;
    while (row < m_list->count()
        && QString::compare(m_list->item(row)->text(), text, Qt::CaseInsensitive) <= 0) {
        ++row;
    }
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, QVariant(key));
    m_list->insertItem(row, item);
    return row;
}

void ListEditScreen::cmdDelete_Click()
{
    // Nothing is shown (a new record, or an empty list): there is nothing to delete.
    if (!ShowsKey(m_keyLabel)) {
        return;
    }
    if (!confirmDeletion()) {
        return;
    }
    const qint32 key = KeyFromText(m_keyLabel->text());
    if (!deleteRecord(key)) {
        return;
    }
    int next = -1;
    {
        const QSignalBlocker quiet(m_list);
        const int index = entryWithKey(m_list, key);
        if (index >= 0) {
            delete m_list->takeItem(index);
            next = SelectAfterDelete(m_list, index);
        } else {
            next = m_list->currentRow();
        }
    }
    announceChange(true);
    const QPointer<ListEditScreen> self(this);
    if (next >= 0) {
        showRecord(ItemData(m_list, next));
    } else {
        clearShownRecord();
        askAddRecords();
    }
    if (self) {
        deletionDone();
    }
}

bool ListEditScreen::confirmDeletion()
{
    return ConfirmDelete(tr("Delete the Current Record"));
}

void ListEditScreen::cancelEdit()
{
    const bool wasAdding = m_adding;
    m_adding = false;
    if (m_list->count() == 0) {
        clearShownRecord();
        askAddRecords();
        return;
    }
    // The list cannot change while editing, so its selection is the entry shown before the
    // edit; New cleared it and remembered it.
    const int index = wasAdding ? m_indexBeforeNew : m_list->currentRow();
    if (index < 0 || index >= m_list->count()) {
        clearShownRecord();
        return;
    }
    selectEntry(index);
}

void ListEditScreen::screenClosing()
{
    SetMainItemsEnabled(m_openingItems, true);
    closingExtras();
}

void ListEditScreen::reportInvalid(const QString &message, QWidget *focusField, bool beep)
{
    if (beep) {
        QApplication::beep();
    }
    if (focusField) {
        focusField->setFocus();
    }
    MsgBox(message);
}
