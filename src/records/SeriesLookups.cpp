#include "SeriesLookups.h"

#include "BibleBookNames.h"
#include "FirstRowQuery.h"
#include "SqlLiterals.h"

namespace SeriesLookups {

QString bibleBookName(qint32 bibleBookID)
{
    const QVariantList row
        = FirstRowOf(QStringLiteral("Select strBibleBook") + QStringLiteral(" FROM tblBibleBooks")
                + QStringLiteral(" Where lngBibleBookID = ") + SQLLong(bibleBookID),
            { QStringLiteral("strBibleBook") });
    return row.isEmpty() ? QString() : BibleBookNames::shown(ColumnText(row.at(0)));
}

PreacherName preacherName(qint32 preacherID)
{
    const QVariantList row = FirstRowOf(QStringLiteral("Select strLastName, strFirstName")
            + QStringLiteral(" FROM tblPreachers") + QStringLiteral(" Where lngPreacherID = ")
            + SQLLong(preacherID),
        { QStringLiteral("strLastName"), QStringLiteral("strFirstName") });
    if (row.isEmpty()) {
        return {};
    }
    return { ColumnText(row.at(0)), ColumnText(row.at(1)) };
}

QString typeDescription(qint32 typeID)
{
    const QVariantList row
        = FirstRowOf(QStringLiteral("Select strTypeDesc") + QStringLiteral(" FROM tblType")
                + QStringLiteral(" Where lngTypeID = ") + SQLLong(typeID),
            { QStringLiteral("strTypeDesc") });
    return row.isEmpty() ? QString() : BibleBookNames::shown(ColumnText(row.at(0)));
}

QVariantList storedSeries(qint32 seriesID)
{
    return FirstRowOf(QStringLiteral("Select *") + QStringLiteral(" FROM tblSeries")
            + QStringLiteral(" Where lngSeriesID = ") + SQLLong(seriesID),
        { QStringLiteral("strName"), QStringLiteral("strPubTitle"), QStringLiteral("strPubYear"),
            QStringLiteral("strNotes"), QStringLiteral("lngPublisherID"),
            QStringLiteral("lngBibleBookID"), QStringLiteral("lngPreacherID"),
            QStringLiteral("lngTypeID") });
}

} // namespace SeriesLookups
