#pragma once

#include <QList>
#include <QString>

// Which sermons the sermon list shows. The selection screens (checklist, text search,
// passage), Show All and the buttons that list one preacher's, one series' or one passage's
// sermons build one and hand it to the sermon screen, whose list fill tests every sermon
// against it (SermonListFilter). It is a plain value: nothing of it outlives the list it
// served.
struct SermonQuery
{
    enum class Kind {
        Nothing, // no selection: the list finds no sermon
        Everything, // every sermon, no filter
        Checklist, // by Bible book, preacher, series and topic
        TextSearch, // words in the title, big idea and outline
        Passage, // sermons whose Bible range shares a verse with a passage
        Sermons // the sermons a report names, by key
    };

    // A checklist criterion: in use, with its chosen key; a key of -1 (or 0) means nothing
    // was chosen, which finds no sermon on its own and is ignored in a combination.
    struct Criterion
    {
        bool inUse = false;
        qint32 key = -1;
        bool chosen() const { return key > 0; }
    };

    // A text-search field: in use, with its text. A box the user left empty hands on
    // SearchSentinel, which a combination skips.
    struct TextField
    {
        bool inUse = false;
        QString text;
    };

    Kind kind = Kind::Nothing;
    // Every chosen criterion must match (Checklist "By Combination", Search-Text "Search All");
    // otherwise any one does.
    bool combination = false;

    Criterion bibleBook;
    Criterion preacher;
    Criterion series;
    Criterion topic;

    TextField title;
    TextField bigIdea;
    TextField outline;
    // A combined text search: every filled field must match (AND) rather than any (OR).
    bool allFieldsMatch = false;

    // A passage search: the reference as typed, read with the library's book names, or, with
    // passageOfSermon above 0, that sermon's own range (the sermon itself is then left out).
    QString passage;
    qint32 passageOfSermon = 0;

    // The sermons a report names.
    QList<qint32> sermonIDs;

    static SermonQuery everything();
    // The single-criterion lists the preacher and series screens' Sermons buttons ask for.
    static SermonQuery byPreacher(qint32 preacherID);
    static SermonQuery bySeries(qint32 seriesID);
    static SermonQuery byPassage(const QString &reference);
    // "Sermons on This Passage": the other sermons whose range overlaps this sermon's.
    static SermonQuery onPassageOf(qint32 sermonID);
    static SermonQuery bySermons(const QList<qint32> &sermonIDs);
};
