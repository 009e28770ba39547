#pragma once

#include <QString>
#include <QVariantList>
#include <QtGlobal>

// The look-ups the series screen runs for its grid and fields, each the first row of one
// statement on the open database. A key no row has gives empty text (an empty list for the
// stored series); an engine failure has then been shown to the user.
namespace SeriesLookups {

// As the interface shows it (BibleBookNames::shown).
QString bibleBookName(qint32 bibleBookID);
// The preacher's last and first names; both empty for a key no preacher has.
struct PreacherName
{
    QString last;
    QString first;
};
PreacherName preacherName(qint32 preacherID);
QString typeDescription(qint32 typeID);
// The series row as stored, in this order: strName, strPubTitle, strPubYear, strNotes,
// lngPublisherID, lngBibleBookID, lngPreacherID, lngTypeID (Null as a null value).
QVariantList storedSeries(qint32 seriesID);

} // namespace SeriesLookups
