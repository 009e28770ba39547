#include "clsSeries.h"

#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SqlLiterals.h"

clsSeries::clsSeries()
    : RecordBase(EngineErrors::ToCaller)
{
    checkRowsOf(QStringLiteral("tblSeries"), QStringLiteral("lngSeriesID"));
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
            setInfoMessage(QStringLiteral("Valid Year ") + MustBeFilledIn);
            return false;
        }
    }
    if (TrimBlanks(m_name).isEmpty()) {
        setInfoMessage(QStringLiteral("Series Name ") + MustBeFilledIn);
        return false;
    }
    return true;
}

QList<ColumnValue> clsSeries::columnValues() const
{
    return { { QStringLiteral("lngSeriesID"), SQLLong(m_seriesID) },
        { QStringLiteral("strName"), SQLText(m_name) },
        { QStringLiteral("lngBibleBookID"), SQLLong(m_bibleBookID) },
        { QStringLiteral("lngPreacherID"), SQLLong(m_preacherID) },
        { QStringLiteral("lngTypeID"), SQLLong(m_typeID) },
        { QStringLiteral("strPubTitle"), SQLText(m_pubTitle) },
        { QStringLiteral("lngPublisherID"), SQLLong(m_publisherID) },
        { QStringLiteral("strPubYear"), SQLText(m_pubYear) },
        { QStringLiteral("strNotes"), SQLText(m_notes) } };
}

QList<ColumnValue> clsSeries::updateValues() const
{
    // The key is assigned its own value as well.
    return columnValues();
}

bool clsSeries::AddNew()
{
    // The key is taken before the check; key 0 is the shipped default series.
    if (!addNewRow(m_seriesID, [this] { return Check(); }))
        return false;
    announceInserted(*this);
    return true;
}

bool clsSeries::Replace()
{
    if (!replaceRow(m_seriesID, [this] { return Check(); }))
        return false;
    announceUpdated(*this);
    return true;
}

bool clsSeries::Delete()
{
    if (!deleteRowWithKey(m_seriesID))
        return false;
    announceDeleted(m_seriesID);
    return true;
}

QString clsSeries::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM tblSeries ");
    if (withKey)
        sql += QStringLiteral("WHERE lngSeriesID=") + SQLLong(m_seriesID);
    return sql;
}

void clsSeries::CopyFields(const DbSnapshot &rs)
{
    m_seriesID = NullToLong(rs.field(u"lngSeriesID"));
    m_name = NullToText(rs.field(u"strName"));
    m_bibleBookID = NullToLong(rs.field(u"lngBibleBookID"));
    m_preacherID = NullToLong(rs.field(u"lngPreacherID"));
    m_typeID = NullToLong(rs.field(u"lngTypeID"));
    m_pubTitle = NullToText(rs.field(u"strPubTitle"));
    m_publisherID = NullToLong(rs.field(u"lngPublisherID"));
    m_pubYear = NullToText(rs.field(u"strPubYear"));
    m_notes = NullToText(rs.field(u"strNotes"));
}
