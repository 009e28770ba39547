#pragma once

#include "RecordChanges.h"
#include "RecordValues.h"
#include "SqlLiterals.h"
#include "clsDateLoc.h"
#include "clsSeries.h"
#include "clsSermon.h"

#include <QStringList>

// A stand-in for the sermon screen, the series screen and the tracker at once: every change
// a record announces is noted in order as one line, with the key and the values a list row
// shows.
class RecordingScreen : public RecordChanges<clsSermon>,
                        public RecordChanges<clsSeries>,
                        public RecordChanges<clsDateLoc>
{
public:
    QStringList calls;

    void inserted(const clsSermon &row) override { note("inserted", row); }
    void updated(const clsSermon &row) override { note("updated", row); }
    void inserted(const clsSeries &row) override { note("inserted", row); }
    void updated(const clsSeries &row) override { note("updated", row); }
    void inserted(const clsDateLoc &row) override { note("inserted", row); }
    void updated(const clsDateLoc &row) override { note("updated", row); }
    // The three records announce deletes alike; one override serves them all.
    void deleted(qint32 key) override { calls << QStringLiteral("deleted %1").arg(key); }

private:
    void note(const char *what, const clsSermon &row)
    {
        calls << QStringLiteral("%1 %2: %3\t%4\t%5")
                     .arg(QLatin1String(what), SQLLong(row.SermonID()), row.Reference(),
                         SQLLong(row.PreacherID()),
                         clsSermon::BigIdeaOrTitle(row.BigIdea(), row.Title()));
    }
    void note(const char *what, const clsSeries &row)
    {
        calls << QStringLiteral("%1 %2: %3\t%4\t%5\t%6")
                     .arg(QLatin1String(what), SQLLong(row.SeriesID()), row.Name(),
                         SQLLong(row.BibleBookID()), SQLLong(row.PreacherID()),
                         SQLLong(row.TypeID()));
    }
    void note(const char *what, const clsDateLoc &row)
    {
        calls << QStringLiteral("%1 %2: %3\t%4")
                     .arg(QLatin1String(what), SQLLong(row.DateLocID()), row.Location(),
                         DateText(row.DatePreached()));
    }
};
