#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What the website and the podcast feed are made from: plain values read from the library
// beforehand, so that making the site touches no database and is tested without one.

// A recording of a sermon: a file on this computer (copied into the site) or a web address
// (linked as it is). Duration, size and type were read from the file when it was added.
struct PublishRecording
{
    qint32 id = 0; // the recording's key: its episode's guid stays the same across publishings
    QString source; // an absolute file path, or an http(s) address
    QString mimeType; // "audio/mpeg", "video/mp4"...; empty when unknown
    qint64 bytes = 0; // 0 when unknown (a web address)
    qint64 milliseconds = 0; // 0 when unknown
};

// A date and place the sermon was preached.
struct PublishOccasion
{
    QDateTime date;
    QString location;
};

struct PublishSermon
{
    qint32 id = 0;
    QString title;
    QString preacher;
    QList<PublishOccasion> occasions; // the first is the sermon's own date and place
    QString passage; // as the library shows it ("Romans 5:1-11")
    QString book; // empty when the sermon has no book
    int bookOrder = 0; // the book's place in the Bible (1 Genesis ... 66 Revelation)
    int chapter = 0; // where the passage begins, for the order of a book's page
    int verse = 0;
    int endChapter = 0; // where it ends (the passage's text is read from the first to this)
    int endVerse = 0;
    QString passageText; // the passage's text, only where the Bible's licence allows it
    QString passageVersion; // the Bible the text comes from ("World English Bible")
    QString bigIdea;
    QString series;
    QStringList topics;
    QString outline; // empty when the outline is not published
    QList<PublishRecording> recordings;

    QDateTime date() const { return occasions.isEmpty() ? QDateTime() : occasions.first().date; }
};

// The site as a whole.
struct PublishSite
{
    QString title;
    QString description;
    QString author; // the podcast's owner as the directories show it; the title when empty
    QString imagePath; // a picture on this computer for the podcast and the pages; may be empty
    QString baseUrl; // where the folder will be served ("https://church.example/sermons/")
    QString language = QStringLiteral("en");
    int latestCount = 20; // sermons on the front page
};

// A recording as the site offers it, once the publishing has placed it.
struct PublishedRecording
{
    qint32 id = 0;
    QString address; // a path of the site ("media/12-3-psalm-23.mp3") or a web address
    bool copied = false; // a file copied into the site (else a web address linked as it is)
    QString mimeType;
    qint64 bytes = 0;
    qint64 milliseconds = 0;
    bool isVideo() const { return mimeType.startsWith(QLatin1String("video/")); }
};
