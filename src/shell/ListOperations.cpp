#include "ListOperations.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>

void AddItemWithData(QComboBox *combo, const QString &text, qint32 value)
{
    if (combo) {
        combo->addItem(text, QVariant(value));
    }
}

void AddItemWithData(QListWidget *list, const QString &text, qint32 value)
{
    if (!list) {
        return;
    }
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, QVariant(value));
    list->addItem(item);
}

qint32 ItemData(const QComboBox *combo, int index)
{
    if (!combo || index < 0 || index >= combo->count()) {
        return -1;
    }
    return combo->itemData(index).toInt();
}

qint32 ItemData(const QListWidget *list, int index)
{
    const QListWidgetItem *item = list ? list->item(index) : nullptr;
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

namespace {

// Both list kinds are filled the same way; `add` puts one entry into the control.
template <typename Control>
bool loadList(Control *control, const QString &sql, const QString &displayName, bool addBlank)
{
    if (!control) {
        return false;
    }
    const QString previous
        = BeginBusy(QCoreApplication::translate("ListOperations", "Please Wait While Loading %1")
                        .arg(displayName));
    control->clear();
    if (addBlank) {
        AddItemWithData(control, QString(), -1);
    }

    DbError error;
    const std::unique_ptr<DbSnapshot> rows = ProgramConnection().openSnapshot(sql, error);
    if (rows) {
        // Many entries at once: repaint the control once, not per entry.
        control->setUpdatesEnabled(false);
        while (!rows->eof()) {
            AddItemWithData(control, NullToText(rows->field(1)), NullToLong(rows->field(0)));
            if (!rows->moveNext() && rows->lastError().isSet()) {
                error = rows->lastError();
                break;
            }
        }
        control->setUpdatesEnabled(true);
        rows->close();
    }
    if (error.isSet()) {
        // The error box is answered with the hourglass already gone.
        EndBusy(previous);
        ShowSystemError(error);
        return false;
    }
    EndBusy(previous);
    return true;
}

template <typename Control> int selectAfterDelete(Control *control, int deletedIndex)
{
    if (!control) {
        return -1;
    }
    const int count = control->count();
    if (count == 0) {
        control->setCurrentIndex(-1);
        return -1;
    }
    const int index = qBound(0, deletedIndex, count - 1);
    control->setCurrentIndex(index);
    return index;
}

// QListWidget spells the index setter differently from QComboBox.
struct ListWidgetIndex
{
    QListWidget *list;
    int count() const { return list->count(); }
    void setCurrentIndex(int index)
    {
        if (index < 0) {
            list->setCurrentRow(-1);
            list->clearSelection();
        } else {
            list->setCurrentRow(index);
        }
    }
};

} // namespace

bool LoadListFromSql(
    QComboBox *combo, const QString &sql, const QString &displayName, bool addBlank)
{
    return loadList(combo, sql, displayName, addBlank);
}

bool LoadListFromSql(
    QListWidget *list, const QString &sql, const QString &displayName, bool addBlank)
{
    return loadList(list, sql, displayName, addBlank);
}

int FindComboItem(QComboBox *combo, const QString &text)
{
    if (!combo) {
        return -1;
    }
    int found = -1;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            found = i;
            break;
        }
    }
    combo->setCurrentIndex(found);
    return found;
}

int SelectAfterDelete(QListWidget *list, int deletedIndex)
{
    if (!list) {
        return -1;
    }
    ListWidgetIndex adapter { list };
    return selectAfterDelete(&adapter, deletedIndex);
}

int SelectAfterDelete(QComboBox *combo, int deletedIndex)
{
    return selectAfterDelete(combo, deletedIndex);
}
