#include "clsSeries.h"

#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

clsSeries::clsSeries()
    : TableRecord(EngineErrors::ToCaller, QStringLiteral("tblSeries"),
        { { QStringLiteral("lngSeriesID"), &m_seriesID }, { QStringLiteral("strName"), &m_name },
            { QStringLiteral("lngBibleBookID"), &m_bibleBookID },
            { QStringLiteral("lngPreacherID"), &m_preacherID },
            { QStringLiteral("lngTypeID"), &m_typeID },
            { QStringLiteral("strPubTitle"), &m_pubTitle },
            { QStringLiteral("lngPublisherID"), &m_publisherID },
            { QStringLiteral("strPubYear"), &m_pubYear },
            { QStringLiteral("strNotes"), &m_notes } },
        Checks::OnAddAndReplace)
{
}

clsSeries::~clsSeries() = default;

bool clsSeries::Check()
{
    const QString year = TrimBlanks(m_pubYear);
    if (!year.isEmpty()) {
        // The whole leading number counts, fraction included: 2100.5 is past 2100.
        const double number = LeadingNumber(year);
        if (number < 1400 || number > 2100) {
            // A bad year is reported before the name is looked at.
            setInfoMessage(
                QCoreApplication::translate("clsSeries", "Valid Year Must Be Filled In."),
                QStringLiteral("strPubYear"));
            return false;
        }
    }
    if (TrimBlanks(m_name).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsSeries", "Series Name Must Be Filled In."),
            QStringLiteral("strName"));
        return false;
    }
    return true;
}

void clsSeries::stored(StoredChange change)
{
    announce(change, *this, m_seriesID);
}

QList<ColumnValue> clsSeries::updateValues() const
{
    // The key is assigned its own value as well.
    return columnValues();
}
