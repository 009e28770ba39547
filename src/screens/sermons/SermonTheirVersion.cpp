#include "SermonTheirVersion.h"

#include "ChangedUnderneath.h"
#include "RecordValues.h"
#include "clsSermon.h"

#include <QComboBox>

namespace {

// The entry of a choice list that carries `key`, or the key itself when the list has none.
QString entryText(const QComboBox *list, qint32 key)
{
    const int index = list->findData(QVariant(key));
    return index >= 0 ? list->itemText(index) : (key == 0 ? QString() : QString::number(key));
}

QString number(qint16 value)
{
    return QString::number(value);
}

} // namespace

void SermonTheirVersion::show(QWidget *screen, qint32 sermonID, const Lists &lists)
{
    clsSermon theirs;
    theirs.setSermonID(sermonID);
    if (!theirs.Find())
        return; // gone meanwhile, or a failure the record has shown
    ChangedUnderneath::TheirVersion version;
    version.fields = {
        { QStringLiteral("Preacher:"), entryText(lists.preachers, theirs.PreacherID()) },
        { QStringLiteral("Type:"), entryText(lists.types, theirs.TypeID()) },
        { QStringLiteral("Series ID:"), entryText(lists.series, theirs.SeriesID()) },
        { QStringLiteral("Book:"), entryText(lists.books, theirs.BibleBookID()) },
        { QStringLiteral("Begin:"),
            number(theirs.BeginChapter()) + QLatin1Char(':') + number(theirs.BeginVerse()) },
        { QStringLiteral("End:"),
            number(theirs.EndChapter()) + QLatin1Char(':') + number(theirs.EndVerse()) },
        { QStringLiteral("Reference:"), theirs.Reference() },
        { QStringLiteral("Title:"), theirs.Title() },
        { QStringLiteral("Big Idea:"), theirs.BigIdea() },
        { QStringLiteral("Location:"), theirs.Location() },
        { QStringLiteral("Date:"), DateText(theirs.DatePreached()) },
    };
    version.longLabel = QStringLiteral("Outline:");
    version.longText = theirs.Outline();
    version.longTextIsOutline = true;
    ChangedUnderneath::showTheirVersion(screen, version);
}
