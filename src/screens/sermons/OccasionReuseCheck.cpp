#include "OccasionReuseCheck.h"

#include "LibrarySettings.h"
#include "OccasionReuse.h"
#include "ProgramGlobals.h"
#include "UserInterface.h"
#include "clsConfig.h"

bool OccasionReuseCheck::confirm(
    qint32 sermonID, const QString &place, const QDateTime &date, const QString &caption)
{
    OccasionReuse::Finding finding;
    DbError error;
    if (!OccasionReuse::find(sermonID, place, date,
            LibrarySettings::reusePeriodYears(ProgramConfig()), finding, error)
        || !finding.any()) {
        return true;
    }
    return MsgBox(OccasionReuse::question(finding), MsgBoxStyle::YesNoQuestion, caption)
        == MsgBoxAnswer::Yes;
}
