#pragma once

#include "DbError.h"
#include "PublishTypes.h"

class DbDatabase;

// The publishing choices a library keeps (tblPublishSettings), so that the office's program
// and a weekly `lectorum-mkdb --publish` on the server publish the same site.
struct PublishChoices
{
    enum class Sermons { AllDated, CurrentList, Series };

    PublishSite site;
    QString folder;
    Sermons sermons = Sermons::AllDated;
    qint32 seriesId = 0;
    bool outlines = true;
    QList<qint32> outlineWithheld; // sermons whose outline stays off the site all the same
    bool passageText = false; // only where the chosen Bible's licence allows it
    QString bibleVersion;
};

// Reads what a site is made of from a library, through the engine layer: the sermons with
// their names resolved, occasions, topics and recordings, and the library's choices. A
// library without the recordings or settings tables (made before them) reads as one with
// none.
namespace PublishSource {

// The sermons the choice names: every sermon with a date, the sermons of `seriesId`, or the
// keys in `keys` (a list a checklist showed). Outlines are read only with `outlines`, and
// never for a sermon in `outlineWithheld`.
bool readSermons(DbDatabase &db, const PublishChoices &choices, const QList<qint32> &keys,
    QList<PublishSermon> &sermons, DbError &error);

// The library has the table that keeps the choices (a library made before it has not).
bool keepsChoices(DbDatabase &db);
// The choices kept in the library; the defaults where it keeps none.
bool readChoices(DbDatabase &db, PublishChoices &choices, DbError &error);
// Keeps `choices` in the library; false with `error` after an engine failure, and false
// without one when the library has no settings table (made before it).
bool writeChoices(DbDatabase &db, const PublishChoices &choices, DbError &error);

} // namespace PublishSource
