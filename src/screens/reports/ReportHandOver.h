#pragma once

#include <QList>

// Shows the given sermons in the sermon screen's list ("Number of Records found = N"), the
// way the checklists hand their choice over: the selection names the keys, then the sermon
// screen opens (or, when open, asks about unsaved edits and fills its list again).
void ListSermonsInSermonScreen(const QList<qint32> &sermonIDs);
