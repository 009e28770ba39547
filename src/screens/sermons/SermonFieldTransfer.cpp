#include "SermonFieldTransfer.h"

#include "DataGrid.h"
#include "DateEntry.h"
#include "DbSnapshot.h"
#include "ListOperations.h"
#include "ReferenceText.h"
#include "SermonScreenWidgets.h"
#include "SqlLiterals.h"
#include "clsSermon.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString Blank = QStringLiteral(" ");
} // namespace

bool SermonFieldTransfer::isBlank(const QString &text)
{
    return text.isEmpty() || text == Blank;
}

qint16 SermonFieldTransfer::chapterOrVerse(const QString &text)
{
    const qint32 value = ReferenceNumber(text);
    return value < -32768 || value > 32767 ? qint16(0) : qint16(value);
}

qint32 SermonFieldTransfer::chosenKey(const QComboBox *list)
{
    return list->currentIndex() >= 0 ? ItemData(list, list->currentIndex()) : 0;
}

void SermonFieldTransfer::selectByKey(QComboBox *list, qint32 key)
{
    list->setCurrentIndex(list->findData(QVariant(key)));
}

void SermonFieldTransfer::showRow(const SermonScreenWidgets &s, const DbSnapshot &rs)
{
    const auto text
        = [&rs](QStringView column) -> QString { return NullToText(rs.field(column)) + Blank; };
    const auto number = [&rs](QStringView column) -> QString {
        return rs.isNull(column) ? Blank : SQLLong(NullToLong(rs.field(column))) + Blank;
    };
    s.txtLocation->setText(text(u"strLocation"));
    s.txtTitle->setText(text(u"strTitle"));
    s.txtBigIdea->setText(text(u"strBigIdea"));
    s.txtBegC->setText(number(u"intBeginChapter"));
    s.txtBegV->setText(number(u"intBeginVerse"));
    s.txtEndC->setText(number(u"intEndChapter"));
    s.txtEndV->setText(number(u"intEndVerse"));
    s.txtReference->setText(text(u"strDisplayText"));
    // No date shows as an empty field: a lone blank would be refused on leaving the field.
    const QDateTime date = DateFromValue(rs.field(u"dtDatePreached"));
    s.txtDatePreached->setText(DateEntry::shown(date.date()));
}

void SermonFieldTransfer::selectChoices(const SermonScreenWidgets &s, const DbSnapshot &rs)
{
    selectByKey(s.cboSeries, NullToLong(rs.field(u"lngSeriesID")));
    selectByKey(s.cboBibleBook, NullToLong(rs.field(u"lngBibleBookID")));
    selectByKey(s.cboPreacher, NullToLong(rs.field(u"lngPreacherID")));
    selectByKey(s.cboType, NullToLong(rs.field(u"lngTypeID")));
}

void SermonFieldTransfer::clear(const SermonScreenWidgets &s)
{
    s.lblSermonID->clear();
    for (QLineEdit *box : { s.txtTitle, s.txtLocation, s.txtBigIdea, s.txtDatePreached,
             s.txtReference, s.txtBegC, s.txtEndC, s.txtBegV, s.txtEndV }) {
        box->clear();
    }
    for (QComboBox *list : { s.cboSeries, s.cboBibleBook, s.cboPreacher, s.cboType }) {
        list->setCurrentIndex(-1);
    }
}

void SermonFieldTransfer::move(const SermonScreenWidgets &s, clsSermon &sermon)
{
    for (QLineEdit *box : { s.txtBegC, s.txtEndC, s.txtBegV, s.txtEndV }) {
        if (isBlank(box->text())) {
            box->setText(QStringLiteral("0"));
        }
    }
    sermon.setBeginChapter(chapterOrVerse(s.txtBegC->text()));
    sermon.setBeginVerse(chapterOrVerse(s.txtBegV->text()));
    sermon.setEndChapter(chapterOrVerse(s.txtEndC->text()));
    sermon.setEndVerse(chapterOrVerse(s.txtEndV->text()));
    sermon.setReference(s.txtReference->text());
    sermon.setTitle(s.txtTitle->text());
    sermon.setBigIdea(s.txtBigIdea->text());
    sermon.setLocation(s.txtLocation->text());
    const QDate date = DateEntry::parse(s.txtDatePreached->text());
    sermon.setDatePreached(date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime());
    sermon.setPreacherID(chosenKey(s.cboPreacher));
    sermon.setBibleBookID(chosenKey(s.cboBibleBook));
    sermon.setTypeID(chosenKey(s.cboType));
    sermon.setSeriesID(chosenKey(s.cboSeries));
}
