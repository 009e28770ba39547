#pragma once

#include "DbError.h"
#include "ImportRow.h"
#include "PassageParser.h"

#include <QList>
#include <QSet>
#include <QString>
#include <atomic>
#include <functional>

class DbDatabase;

// The review of an import without its widgets: reads the chosen files into rows, works out
// each row's title, passage, date and status, and keeps the statuses right as the user edits
// rows. Duplicates are rows with the same title, passage and date as a sermon already in the
// library or as a ticked row before them.
class ImportReview
{
public:
    // What the rows start with; the user can change them for all rows or one.
    struct Defaults
    {
        qint32 preacherID = 0;
        QString preacher;
        qint32 typeID = 0;
        QString type;
        QString location;
        bool seriesFromFolder = false;
    };
    using Progress = std::function<void(int done, int total)>;

    explicit ImportReview(const QList<PassageParser::Book> &books);

    // The sermons of the library, for the duplicate rule. False with `error` on a failure.
    bool loadLibrary(DbDatabase &db, DbError &error);
    // The library's series by name, for a series taken from the folder name.
    void setSeries(const QHash<QString, qint32> &seriesByName) { m_series = seriesByName; }

    // One row from one file as read; no status yet (see refreshStatuses).
    ImportRow makeRow(
        const ImportSource &source, const ImportedDocument &doc, const Defaults &defaults) const;
    // Reads every source into rows, in order; stops early when `cancel` becomes true.
    // Meant for a worker thread: it touches nothing but the files and this object's
    // read-only state.
    QList<ImportRow> readAll(const QList<ImportSource> &sources, const Defaults &defaults,
        const std::atomic<bool> &cancel, const Progress &progress) const;

    // The user typed a passage: fills the row's book, chapters and verses and gives the
    // reference the program's own form, or empties them when the text is no passage (the row
    // then needs one).
    void setPassage(ImportRow &row, const QString &text) const;
    void refreshStatuses(QList<ImportRow> &rows) const;

    static QString duplicateKey(const QString &title, qint32 bookID, int beginChapter,
        int beginVerse, int endChapter, int endVerse, const QDate &date);

private:
    PassageParser m_parser;
    QSet<QString> m_library;
    QHash<QString, qint32> m_series;
};
