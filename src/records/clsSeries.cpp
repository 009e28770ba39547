#include "clsSeries.h"

#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SelectionState.h"
#include "SeriesListKeeper.h"
#include "SqlLiterals.h"

namespace {

SeriesListKeeper *g_listKeeper = nullptr;

QString columnPieces()
{
    return QStringLiteral("lngSeriesID, ") + QStringLiteral("strName, ")
        + QStringLiteral("lngBibleBookID, ") + QStringLiteral("lngPreacherID, ")
        + QStringLiteral("lngTypeID, ") + QStringLiteral("strPubTitle, ")
        + QStringLiteral("lngPublisherID, ") + QStringLiteral("strPubYear, ")
        + QStringLiteral("strNotes ");
}

} // namespace

clsSeries::clsSeries()
    : RecordBase(EngineErrors::ToCaller)
{
    checkRowsOf(QStringLiteral("tblSeries"), QStringLiteral("lngSeriesID"));
}

clsSeries::~clsSeries() = default;

void clsSeries::registerListKeeper(SeriesListKeeper *keeper)
{
    g_listKeeper = keeper;
}

void clsSeries::unregisterListKeeper(SeriesListKeeper *keeper)
{
    if (g_listKeeper == keeper)
        g_listKeeper = nullptr;
}

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

bool clsSeries::AddNew()
{
    clearLastError();
    // The key is taken before the check and is not given back when the check fails.
    m_seriesID = newKey(QStringLiteral("tblSeries"), QStringLiteral("lngSeriesID"));
    if (!Check())
        return false;
    if (m_seriesID == 0) {
        // The allocator failed (its failure is in lastError()); key 0 is the shipped default
        // series.
        setInfoMessage(QStringLiteral("Error Adding a New Record"));
        return false;
    }
    const QString sql = QStringLiteral("INSERT INTO tblSeries (") + columnPieces()
        + QStringLiteral(") VALUES (") + SQLLong(m_seriesID) + QStringLiteral(", ")
        + SQLText(m_name) + QStringLiteral(", ") + SQLLong(m_bibleBookID) + QStringLiteral(", ")
        + SQLLong(m_preacherID) + QStringLiteral(", ") + SQLLong(m_typeID) + QStringLiteral(", ")
        + SQLText(m_pubTitle) + QStringLiteral(", ") + SQLLong(m_publisherID) + QStringLiteral(", ")
        + SQLText(m_pubYear) + QStringLiteral(", ") + SQLText(m_notes) + QStringLiteral(")");
    if (!insertRow(sql, QStringLiteral("Error Adding a New Record"), m_seriesID))
        return false;
    keepListAfterInsert();
    return true;
}

void clsSeries::keepListAfterInsert()
{
    SeriesListKeeper *keeper = g_listKeeper;
    if (!keeper)
        return;
    SelectionState &selection = ProgramSelection();
    selection.glngSeriesRows += 1;
    selection.glngBibleBookID = m_bibleBookID;
    keeper->GetBibleBook();
    selection.glngBibleBookID = 0;
    selection.glngLookupPreacherID = m_preacherID;
    keeper->GetPreacher();
    selection.glngLookupPreacherID = 0;
    selection.glngTypeID = m_typeID;
    keeper->GetType();
    selection.glngTypeID = 0;
    const QString row = SQLLong(m_seriesID) + QLatin1Char('\t') + m_name + QLatin1Char('\t')
        + selection.gstrBibleBook + QLatin1Char('\t') + selection.gstrLastName
        + QStringLiteral(", ") + selection.gstrFirstName + QLatin1Char('\t')
        + selection.gstrTypeDesc;
    keeper->addListRow(row, selection.glngSeriesRows);
    // Keep the new row in sight: six data rows fit the grid.
    if (selection.glngSeriesRows > 6)
        keeper->setListTopRow(selection.glngSeriesRows - 5);
}

bool clsSeries::Replace()
{
    clearLastError();
    if (!Check())
        return false;
    const QString sql = QStringLiteral("UPDATE tblSeries SET ") + QStringLiteral("lngSeriesID=")
        + SQLLong(m_seriesID) + QStringLiteral(", ") + QStringLiteral("strName=") + SQLText(m_name)
        + QStringLiteral(", ") + QStringLiteral("lngBibleBookID=") + SQLLong(m_bibleBookID)
        + QStringLiteral(", ") + QStringLiteral("lngPreacherID=") + SQLLong(m_preacherID)
        + QStringLiteral(", ") + QStringLiteral("lngTypeID=") + SQLLong(m_typeID)
        + QStringLiteral(", ") + QStringLiteral("strPubTitle=") + SQLText(m_pubTitle)
        + QStringLiteral(", ") + QStringLiteral("lngPublisherID=") + SQLLong(m_publisherID)
        + QStringLiteral(", ") + QStringLiteral("strPubYear=") + SQLText(m_pubYear)
        + QStringLiteral(", ") + QStringLiteral("strNotes=") + SQLText(m_notes)
        + QStringLiteral(" ") + QStringLiteral("WHERE lngSeriesID=") + SQLLong(m_seriesID);
    return updateRow(sql, QStringLiteral("Error Updating Current Record"), m_seriesID);
}

bool clsSeries::Delete()
{
    clearLastError();
    const QString sql = QStringLiteral("DELETE FROM tblSeries ")
        + QStringLiteral("WHERE lngSeriesID=") + SQLLong(m_seriesID);
    if (!deleteRow(sql, QStringLiteral("Error Deleting Current Record"), m_seriesID))
        return false;
    keepListAfterDelete();
    return true;
}

void clsSeries::keepListAfterDelete()
{
    SeriesListKeeper *keeper = g_listKeeper;
    if (!keeper)
        return;
    // The grid's current row stays until the screen fills the grid again: its key, name,
    // book and preacher cells become one blank each; the type cell keeps its text.
    for (int column = 0; column <= 3; ++column)
        keeper->setListCellText(column, QStringLiteral(" "));
    keeper->setListColumn(0);
    keeper->cmdNew_Click();
}

QString clsSeries::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnPieces() + QStringLiteral("FROM tblSeries ");
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
