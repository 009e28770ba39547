#include "SermonTheirVersion.h"

#include "ChangedUnderneath.h"
#include "RecordValues.h"
#include "clsSermon.h"

#include <QComboBox>
#include <QCoreApplication>

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
        { QCoreApplication::translate("SermonScreenLayout", "Preacher:"),
            entryText(lists.preachers, theirs.PreacherID()) },
        { QCoreApplication::translate("SermonScreenLayout", "Type:"),
            entryText(lists.types, theirs.TypeID()) },
        { QCoreApplication::translate("SermonScreenLayout", "Series ID:"),
            entryText(lists.series, theirs.SeriesID()) },
        { QCoreApplication::translate("SermonScreenLayout", "Book:"),
            entryText(lists.books, theirs.BibleBookID()) },
        { QCoreApplication::translate("SermonScreenLayout", "Begin:"),
            number(theirs.BeginChapter()) + QLatin1Char(':') + number(theirs.BeginVerse()) },
        { QCoreApplication::translate("SermonScreenLayout", "End:"),
            number(theirs.EndChapter()) + QLatin1Char(':') + number(theirs.EndVerse()) },
        { QCoreApplication::translate("SermonScreenLayout", "Reference:"), theirs.Reference() },
        { QCoreApplication::translate("SermonScreenLayout", "Title:"), theirs.Title() },
        { QCoreApplication::translate("SermonScreenLayout", "Big Idea:"), theirs.BigIdea() },
        { QCoreApplication::translate("SermonScreenLayout", "Location:"), theirs.Location() },
        { QCoreApplication::translate("SermonScreenLayout", "Date:"),
            DateText(theirs.DatePreached()) },
    };
    version.longLabel = QCoreApplication::translate("SermonScreenLayout", "Outline:");
    version.longText = theirs.Outline();
    version.longTextIsOutline = true;
    ChangedUnderneath::showTheirVersion(screen, version);
}
