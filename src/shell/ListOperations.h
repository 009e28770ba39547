#pragma once

#include <QString>
#include <QtGlobal>

class QComboBox;
class QListWidget;

// Filling and searching the screens' lists and drop-down lists. Each entry carries a 32-bit
// item data value (the row's key, -1 for a blank entry) in Qt::UserRole.

// Adds an entry and stores `value` as its item data.
void AddItemWithData(QComboBox *combo, const QString &text, qint32 value);
void AddItemWithData(QListWidget *list, const QString &text, qint32 value);

// The item data of an entry; -1 for an index that has no entry.
qint32 ItemData(const QComboBox *combo, int index);
qint32 ItemData(const QListWidget *list, int index);

// Clears the control and fills it from a query that lists the key first and the text second,
// with "Please Wait While Loading " + displayName in the status box meanwhile. With addBlank
// an empty entry with item data -1 comes first. False after an error (already reported with
// ShowSystemError; the status text is restored).
bool LoadListFromSql(
    QComboBox *combo, const QString &sql, const QString &displayName, bool addBlank);
bool LoadListFromSql(
    QListWidget *list, const QString &sql, const QString &displayName, bool addBlank);

// Selects the first entry that begins with `text` (any case), searching from the top, or
// nothing at all when no entry does. Returns the selected index (-1 for none).
int FindComboItem(QComboBox *combo, const QString &text);

// After the entry at `deletedIndex` was removed: selects the entry now at that index, or the
// last one when the removed entry was the last; -1 (nothing selected) for an empty list.
// Returns the selected index.
int SelectAfterDelete(QListWidget *list, int deletedIndex);
int SelectAfterDelete(QComboBox *combo, int deletedIndex);
