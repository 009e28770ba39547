#pragma once

#include "ImportSources.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// One file of an import as the review shows it and the import writes it. Every field can be
// changed by the user before anything is written.
struct ImportRow
{
    enum class Status { Ready, NeedsPassage, Duplicate, Unreadable };

    bool ticked = true;
    ImportSource source;
    QString title;
    QString passage; // as the user reads it ("Romans 5:1–11"); empty for none
    qint32 bookID = 0;
    int beginChapter = 0;
    int beginVerse = 0;
    int endChapter = 0;
    int endVerse = 0;
    QDate date;
    QTime timeOfDay; // a list of sermons can give the hour a sermon was preached
    bool dateGuessed = false; // the file's modification date, nothing in the file said one
    qint32 preacherID = 0;
    QString preacher;
    qint32 typeID = 0;
    QString type;
    qint32 seriesID = 0;
    QString series;
    QString location;
    QString outline;
    QString bigIdea;
    QStringList topics; // names; a list of sermons can give them, an outline file does not
    // The key the sermon had where the list came from: kept when the library has it free, so
    // a list exported and imported into an empty library keeps its keys.
    qint32 wantedKey = 0;
    Status status = Status::Ready;
    QString reason; // why the file is unreadable, or what it duplicates
    QString route; // the outside program that read the file, if one did

    bool writable() const { return ticked && status != Status::Unreadable; }
};
