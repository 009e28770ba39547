#pragma once

#include "DbError.h"
#include "ImportNames.h"
#include "ImportRow.h"

#include <QHash>
#include <QList>
#include <QString>

class DbDatabase;

// What an import did: how many sermons it wrote, under which batch, or which file stopped it.
struct ImportOutcome
{
    bool ok = false;
    int written = 0;
    qint32 batchID = 0; // 0 when the library keeps no batches (a library made before them)
    QList<qint32> sermonIDs;
    QString failedFile; // the file whose sermon could not be written
    QString message; // for the user
    DbError error;
};

// Writes the ticked, readable rows of a review as sermons in one transaction: all of them or,
// after any failure, none. Keys come from the library's key counters, reserved for the whole
// batch inside the same transaction. Where the library has the import tables the batch is
// remembered there, with a digest of each sermon's row as written, so that any copy of the
// program can undo it later (see ImportUndo).
namespace ImportWriter {

// With `names`, each row's preacher, type and series keys are taken from its names and its
// topics are linked; the preachers, series and topics in `create` are made first, in the same
// transaction. A row's wanted key is kept when the library has never handed it out.
ImportOutcome write(DbDatabase &db, const QList<ImportRow> &rows, const QString &source,
    const QString &userName, ImportNames *names = nullptr, const ImportNames::Missing &create = {});

// A digest of each tblSermons row whose key is in `keys`, read back through `db`; two reads
// of an unchanged row through the same engine give the same digest.
bool sermonDigests(
    DbDatabase &db, const QList<qint32> &keys, QHash<qint32, QString> &digests, DbError &error);

} // namespace ImportWriter
