#include "PublishCommand.h"

#include "DbDatabase.h"
#include "LibraryArgument.h"
#include "PublishPassages.h"
#include "PublishSource.h"
#include "SitePublisher.h"

#include <QDir>
#include <cstdio>

int runPublishCommand(const PublishCommandOptions &options)
{
    DbError error;
    std::unique_ptr<DbDatabase> db = openLibraryArgument(options.library, error);
    PublishChoices choices;
    if (!db || !PublishSource::readChoices(*db, choices, error)) {
        std::fprintf(stderr, "lectorum-mkdb: cannot open %s: error %d: %s\n",
            qPrintable(options.library), error.number, qPrintable(error.driverText));
        return 1;
    }
    // From the command line every sermon with a date: a checklist's list is the program's.
    choices.sermons = PublishChoices::Sermons::AllDated;
    if (!options.baseUrl.isEmpty())
        choices.site.baseUrl = options.baseUrl;
    if (choices.site.title.isEmpty())
        choices.site.title = QStringLiteral("Sermons");
    QList<PublishSermon> sermons;
    if (!PublishSource::readSermons(*db, choices, {}, sermons, error)) {
        std::fprintf(stderr, "lectorum-mkdb: cannot read the sermons: error %d: %s\n", error.number,
            qPrintable(error.driverText));
        return 1;
    }
    db.reset();
    if (choices.passageText && !PublishPassages::add(sermons, choices.bibleVersion))
        std::fprintf(stderr,
            "lectorum-mkdb: the passages' text is left out: %s is not installed, or its licence "
            "does not allow publishing it\n",
            qPrintable(choices.bibleVersion));
    const PublishOutcome outcome = SitePublisher::publish(choices.site, sermons, options.folder);
    for (const QString &problem : outcome.problems)
        std::fprintf(stderr, "lectorum-mkdb: %s\n", qPrintable(problem));
    std::printf("%d sermons, %d episodes published to %s: %d files written, %d unchanged, "
                "%d removed\n",
        outcome.sermons, outcome.episodes,
        qPrintable(QDir::toNativeSeparators(QDir(options.folder).absolutePath())), outcome.written,
        outcome.unchanged, outcome.removed);
    return outcome.ok ? 0 : 1;
}
