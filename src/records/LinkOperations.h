#pragma once

#include "DbError.h"

// The link tables have no record class: the assignment screens add and remove single pairs
// with these operations. The first key is the record the screen works on (the current
// sermon, or the illustration the illustration-topics screen was opened for), the second
// the key of the chosen list entry.
//
// Each returns true when exactly one row was affected. Any other count shows the operation's
// own message in a plain message box and returns false.
//
// Engine failures are not trapped: nothing is shown, the operation returns false and keeps
// the failure, which the calling screen reads with LinkLastError() right after the false
// result and reports (LinkLastError().isSet() tells it from the row-count failure, whose
// message was already shown). Adding a pair that is already there is such a failure: the
// pair is the table's key.
bool AddSermonTopic(qint32 sermonID, qint32 topicID);
bool RemoveSermonTopic(qint32 sermonID, qint32 topicID);
bool AddIllustrTopic(qint32 illustrationID, qint32 topicID);
bool RemoveIllustrTopic(qint32 illustrationID, qint32 topicID);
bool AddSermonIllustr(qint32 sermonID, qint32 illustrationID);
bool RemoveSermonIllustr(qint32 sermonID, qint32 illustrationID);

// The engine failure behind the last false result of a link operation, if that was one;
// cleared when the next link operation starts.
const DbError &LinkLastError();
