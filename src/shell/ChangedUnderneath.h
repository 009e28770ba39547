#pragma once

#include "RowVersion.h"

#include <QList>
#include <QString>
#include <functional>
#include <utility>

class QWidget;

// What a screen does when its save meets a row that another copy of the program changed or
// deleted since the screen loaded it (the record's SaveConflict()). The questions go through
// MsgBox; the screen keeps its typing whatever the answer, until a save succeeds.
namespace ChangedUnderneath {

// The other copy's version of a record, as the read-only window shows it: the screen's field
// labels with their texts, and a long text (an outline, notes) in a pane of its own.
struct TheirVersion
{
    QList<std::pair<QString, QString>> fields;
    QString longLabel;
    QString longText;
    bool longTextIsOutline = false; // shown in the notes window's font
};

enum class Outcome {
    Saved, // stored: the row held what was loaded, or the user chose to save over theirs
    SaveAsNew, // the row was deleted and the user chose to store the screen's version anew
    KeepEditing, // the user said No: nothing stored, nothing more to report
    Failed, // an ordinary failure, for the screen to report as it always has
};

enum class Choice { SaveOver, KeepEditing, SaveAsNew };

// Changed: "This record was changed by someone else since you opened it. Save your version
// over theirs?" Yes saves over; No asks "Your version stays on the screen. Show their
// version?" and on Yes calls showTheirs. Deleted: "This record was deleted by someone else
// since you opened it. Save your version as a new record?"
Choice ask(RowChange change, const std::function<void()> &showTheirs, const QString &caption);

// The screen's Replace with the questions: run again over their version after a Yes (and
// asked again should a third version arrive meanwhile).
Outcome replace(const std::function<bool()> &replace, const std::function<RowChange()> &conflict,
    const std::function<void()> &overwriteTheirs, const std::function<void()> &showTheirs,
    const QString &caption);

template <class Record>
Outcome replace(Record &record, const std::function<void()> &showTheirs, const QString &caption)
{
    return replace([&record] { return record.Replace(); },
        [&record] { return record.SaveConflict(); }, [&record] { record.OverwriteTheirs(); },
        showTheirs, caption);
}

// Opens the read-only window with their version beside `screen` (not modal: the screen stays
// usable for comparing and editing). It replaces a window opened before for the same screen.
QWidget *showTheirVersion(QWidget *screen, const TheirVersion &version);

} // namespace ChangedUnderneath
