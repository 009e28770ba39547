#pragma once

#include "DbError.h"
#include "LibraryTables.h"

#include <QList>
#include <QString>
#include <functional>

class DbDatabase;

// Where a copy stands, for a progress display: copying a table's rows, or reading them back
// from the destination to check them.
struct LibraryCopyStep
{
    enum class Phase { Copying, Checking };
    Phase phase = Phase::Copying;
    QString table;
    qint64 done = 0;
    qint64 total = 0;
};

// One table's row count and checksum (see TableDigest) in one database.
struct LibraryTableSum
{
    QString table;
    qint64 rows = 0;
    QString checksum;
};

// Moves a whole library (every table with their keys and the key counters) from one
// database into another, on any pair of engines, in one transaction on the destination:
// a destination that holds sermons is refused unless replacing was asked for, and is then
// emptied inside the same transaction. Before committing, every table is read back from the
// destination and its row count and checksum compared with what was read from the source;
// any difference rolls the whole copy back. Rows are streamed and inserted in batches, so
// memory stays flat whatever the size of the library.
class LibraryCopy
{
public:
    using Progress = std::function<bool(const LibraryCopyStep &step)>; // false cancels
    using Hook = std::function<void(DbDatabase &destination)>;

    LibraryCopy(DbDatabase &source, DbDatabase &destination);

    void setReplaceExisting(bool replace) { m_replace = replace; }
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Runs inside the destination's transaction after the rows are in and before they are
    // checked (tests change a row here to prove the check sees it).
    void setBeforeCheck(Hook hook) { m_beforeCheck = std::move(hook); }

    // True when the library was copied and checked and the destination committed.
    bool run();
    // What happened, in words for the person who asked for the copy.
    QString message() const { return m_message; }
    const DbError &error() const { return m_error; }
    bool cancelled() const { return m_cancelled; }
    // Per table: the source's sums, then whether the destination matched.
    const QList<LibraryTableSum> &sourceSums() const { return m_sourceSums; }
    const QList<LibraryTableSum> &destinationSums() const { return m_destinationSums; }

    // Reads every table of `database` into its row count and checksum.
    static bool summarize(DbDatabase &database, QList<LibraryTableSum> &sums, DbError &error);

private:
    bool prepare();
    bool copyTables();
    bool checkTables();
    bool fail(const QString &what);
    bool report(const LibraryCopyStep &step);

    DbDatabase &m_source;
    DbDatabase &m_destination;
    bool m_replace = false;
    Progress m_progress;
    Hook m_beforeCheck;
    // The tables both libraries have: an optional table one of them lacks is not copied.
    QList<LibraryTable> m_tables;
    QList<qint64> m_totals;
    QList<LibraryTableSum> m_sourceSums;
    QList<LibraryTableSum> m_destinationSums;
    QString m_message;
    DbError m_error;
    bool m_cancelled = false;
};
