#pragma once

#include "DbError.h"

#include <QDateTime>
#include <QList>
#include <QString>

class DbDatabase;

// Undoing the last import, from any copy of the program on the same library. Each sermon of
// the batch is looked at again first: a sermon whose row changed since it was imported is
// kept (and listed); one that gained topics, illustrations or occasions is deleted only when
// the user agrees; one already deleted is passed over.
namespace ImportUndo {

struct Sermon
{
    enum class State { Unchanged, Changed, Gone };
    qint32 sermonID = 0;
    QString title;
    State state = State::Unchanged;
    bool linked = false; // has topics, illustrations or occasions now
};

struct Plan
{
    bool available = false; // the library keeps batches (one made before them does not)
    qint32 batchID = 0; // 0: nothing to undo
    QDateTime imported;
    QString source;
    QString userName;
    QList<Sermon> sermons;

    int count(Sermon::State state) const;
    int linkedCount() const;
};

// Reads the last batch and the state of each of its sermons.
bool lastBatch(DbDatabase &db, Plan &plan, DbError &error);

// In one transaction: checks each sermon again, deletes the unchanged ones (the linked ones
// only with `deleteLinked`) and forgets the batch. `deleted` gets how many went.
bool undo(DbDatabase &db, const Plan &plan, bool deleteLinked, int &deleted, DbError &error);

} // namespace ImportUndo
