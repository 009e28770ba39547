#pragma once

#include "DbError.h"

#include <QString>

// The link tables have no record class: the assignment screens add and remove single pairs
// with these operations. The first key is the record the screen works on (the current
// sermon, or the illustration the illustration-topics screen was opened for), the second
// the key of the chosen list entry.
//
// Each reports what happened and shows nothing: the screen decides how to tell the user.
// Exactly one row affected is success. Any other count leaves the operation's own message
// for a plain message box; an engine failure (adding a pair that is already there among
// them: the pair is the table's key) leaves the failure itself.
struct LinkResult
{
    bool done = false;
    QString message;
    DbError error;

    explicit operator bool() const { return done; }
};

LinkResult AddSermonTopic(qint32 sermonID, qint32 topicID);
LinkResult RemoveSermonTopic(qint32 sermonID, qint32 topicID);
LinkResult AddIllustrTopic(qint32 illustrationID, qint32 topicID);
LinkResult RemoveIllustrTopic(qint32 illustrationID, qint32 topicID);
LinkResult AddSermonIllustr(qint32 sermonID, qint32 illustrationID);
LinkResult RemoveSermonIllustr(qint32 sermonID, qint32 illustrationID);
