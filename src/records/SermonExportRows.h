#pragma once

#include "DbError.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

// One sermon as the exports show it: the names behind its preacher and series keys and its
// topics resolved, the outline only when asked for.
struct SermonExportRow
{
    qint32 sermonId = 0;
    QString reference;
    QString preacher; // first name, middle initial and last name
    QString title;
    QString bigIdea;
    QDateTime datePreached; // invalid when the sermon has no date
    QString location;
    QString series;
    QStringList topics; // in alphabetical order
    QString outline;
};

namespace SermonExportRows {

// The sermons with the keys `sermonIds`, in that order, from the open database; a key that
// no longer has a sermon is left out. A short list is read by its keys, a long one in one
// pass over every sermon (without outlines, which are read only with `withOutlines`).
bool read(const QList<qint32> &sermonIds, bool withOutlines, QList<SermonExportRow> &rows,
    DbError &error);

} // namespace SermonExportRows
