#include "ChangedUnderneath.h"

#include "UserInterface.h"
#include "frmTheirVersion.h"

#include <QCoreApplication>

namespace ChangedUnderneath {

Choice ask(RowChange change, const std::function<void()> &showTheirs, const QString &caption)
{
    if (change == RowChange::Deleted) {
        const MsgBoxAnswer answer
            = MsgBox(QCoreApplication::translate("ChangedUnderneath",
                         "This record was deleted by someone else since you opened it. Save "
                         "your version as a new record?"),
                MsgBoxStyle::YesNoQuestion, caption);
        return answer == MsgBoxAnswer::Yes ? Choice::SaveAsNew : Choice::KeepEditing;
    }
    const MsgBoxAnswer answer
        = MsgBox(QCoreApplication::translate("ChangedUnderneath",
                     "This record was changed by someone else since you opened it. Save your "
                     "version over theirs?"),
            MsgBoxStyle::YesNoQuestion, caption);
    if (answer == MsgBoxAnswer::Yes)
        return Choice::SaveOver;
    if (MsgBox(QCoreApplication::translate(
                   "ChangedUnderneath", "Your version stays on the screen. Show their version?"),
            MsgBoxStyle::YesNoQuestion, caption)
            == MsgBoxAnswer::Yes
        && showTheirs) {
        showTheirs();
    }
    return Choice::KeepEditing;
}

Outcome replace(const std::function<bool()> &replace, const std::function<RowChange()> &conflict,
    const std::function<void()> &overwriteTheirs, const std::function<void()> &showTheirs,
    const QString &caption)
{
    for (;;) {
        if (replace())
            return Outcome::Saved;
        const RowChange change = conflict();
        if (change == RowChange::None)
            return Outcome::Failed;
        switch (ask(change, showTheirs, caption)) {
        case Choice::SaveOver:
            overwriteTheirs();
            break;
        case Choice::SaveAsNew:
            return Outcome::SaveAsNew;
        case Choice::KeepEditing:
            return Outcome::KeepEditing;
        }
    }
}

QWidget *showTheirVersion(QWidget *screen, const TheirVersion &version)
{
    return frmTheirVersion::open(screen, version);
}

} // namespace ChangedUnderneath
