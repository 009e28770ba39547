#include "SermonChoiceLists.h"

#include "BibleBookNames.h"
#include "ListOperations.h"
#include "UserInterface.h"
#include "clsBibleBook.h"
#include "clsPreacher.h"
#include "clsSeries.h"
#include "clsTopic.h"
#include "clsType.h"

#include <QComboBox>

namespace {

// The walk every list shares; `entry` adds the current row of the record.
template <typename Record, typename Entry> void fill(QComboBox *list, Record &record, Entry entry)
{
    bool more = record.OpenRecordset();
    if (more) {
        list->clear();
    }
    while (more) {
        entry(record);
        more = record.MoveNext();
    }
    list->setCurrentIndex(-1);
}

} // namespace

void SermonChoiceLists::fillSeries(QComboBox *list)
{
    clsSeries series;
    fill(list, series, [list](const clsSeries &row) {
        AddItemWithData(list, QString::number(row.SeriesID()), row.SeriesID());
    });
    // The series record leaves engine failures to its caller.
    if (series.LastError().isSet()) {
        ShowSystemError(series.LastError());
    }
}

void SermonChoiceLists::fillBibleBooks(QComboBox *list)
{
    clsBibleBook book;
    fill(list, book, [list](const clsBibleBook &row) {
        AddItemWithData(list, BibleBookNames::shown(row.BibleBook()), row.BibleBookID());
        list->setItemData(list->count() - 1, row.BibleBook(), StoredBookNameRole);
    });
}

QString SermonChoiceLists::storedBookName(const QComboBox *list)
{
    const QVariant stored = list->currentData(StoredBookNameRole);
    return stored.isValid() ? stored.toString() : list->currentText();
}

void SermonChoiceLists::fillPreachers(QComboBox *list, PreacherText text)
{
    clsPreacher preacher;
    fill(list, preacher, [list, text](const clsPreacher &row) {
        const QString name = text == PreacherText::LastName
            ? row.LastName()
            : row.LastName() + QStringLiteral(", ") + row.FirstName();
        AddItemWithData(list, name, row.PreacherID());
    });
}

void SermonChoiceLists::fillTypes(QComboBox *list)
{
    clsType type;
    fill(list, type,
        [list](const clsType &row) { AddItemWithData(list, row.TypeDesc(), row.TypeID()); });
}

void SermonChoiceLists::fillTopics(QComboBox *list)
{
    clsTopic topic;
    fill(list, topic,
        [list](const clsTopic &row) { AddItemWithData(list, row.Description(), row.TopicID()); });
}
