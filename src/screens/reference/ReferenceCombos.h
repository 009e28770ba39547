#pragma once

#include <QtGlobal>

class QComboBox;

// The drop-down lists of the reference screens, filled from their record classes in the
// records' list order with the key as item data, and left without a selection.
void LoadPublisherCombo(QComboBox *combo); // publisher names
void LoadBibleBookCombo(QComboBox *combo); // Bible book names
void LoadPreacherCombo(QComboBox *combo); // last name + ", " + first name
void LoadTypeCombo(QComboBox *combo); // sermon type descriptions
void LoadStateCombo(QComboBox *combo); // state codes

// Fills the list again (after another screen changed its table) and keeps the entry that was
// selected, when it is still there.
void ReloadCombo(QComboBox *combo, void (*load)(QComboBox *));

// Shows a stored reference: finds the record with that key and selects the first entry
// whose text begins with its name (the publisher name, the Bible book, the preacher's last
// name, the type description, the state code). A key of 0, or one whose record is gone,
// leaves no selection.
void ShowPublisher(QComboBox *combo, qint32 key);
void ShowBibleBook(QComboBox *combo, qint32 key);
void ShowPreacher(QComboBox *combo, qint32 key);
void ShowType(QComboBox *combo, qint32 key);
void ShowState(QComboBox *combo, qint32 key);

// The key of the selected entry, or 0 when none is selected.
qint32 SelectedKey(const QComboBox *combo);
