#include "PublishCommand.h"

#include "DbDatabase.h"
#include "LibraryArgument.h"
#include "PublishPassages.h"
#include "PublishSource.h"
#include "SitePublisher.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

QString text(const char *source, int count = -1)
{
    return QCoreApplication::translate("PublishCommand", source, nullptr, count);
}

void complain(const QString &message)
{
    std::fprintf(stderr, "lectorum-mkdb: %s\n", qPrintable(message));
}

} // namespace

int runPublishCommand(const PublishCommandOptions &options)
{
    DbError error;
    std::unique_ptr<DbDatabase> db = openLibraryArgument(options.library, error);
    PublishChoices choices;
    if (!db || !PublishSource::readChoices(*db, choices, error)) {
        complain(text(QT_TRANSLATE_NOOP("PublishCommand", "cannot open %1: error %2: %3"))
                     .arg(options.library, QString::number(error.number), error.driverText));
        return 1;
    }
    // From the command line every sermon with a date: a checklist's list is the program's.
    choices.sermons = PublishChoices::Sermons::AllDated;
    if (!options.baseUrl.isEmpty())
        choices.site.baseUrl = options.baseUrl;
    if (choices.site.title.isEmpty())
        choices.site.title = text(QT_TRANSLATE_NOOP("PublishCommand", "Sermons"));
    QList<PublishSermon> sermons;
    if (!PublishSource::readSermons(*db, choices, {}, sermons, error)) {
        complain(text(QT_TRANSLATE_NOOP("PublishCommand", "cannot read the sermons: error %1: %2"))
                     .arg(QString::number(error.number), error.driverText));
        return 1;
    }
    db.reset();
    if (choices.passageText && !PublishPassages::add(sermons, choices.bibleVersion))
        complain(text(QT_TRANSLATE_NOOP("PublishCommand",
                          "the passages' text is left out: %1 is not installed, or its licence "
                          "does not allow publishing it"))
                     .arg(choices.bibleVersion));
    const PublishOutcome outcome = SitePublisher::publish(choices.site, sermons, options.folder);
    for (const QString &problem : outcome.problems)
        complain(problem);
    const QString summary
        = text(QT_TRANSLATE_NOOP("PublishCommand", "%1, %2 published to %3: %4, %5, %6"))
              .arg(text(QT_TRANSLATE_N_NOOP("PublishCommand", "%n sermon(s)"), outcome.sermons),
                  text(QT_TRANSLATE_N_NOOP("PublishCommand", "%n episode(s)"), outcome.episodes),
                  QDir::toNativeSeparators(QDir(options.folder).absolutePath()),
                  text(
                      QT_TRANSLATE_N_NOOP("PublishCommand", "%n file(s) written"), outcome.written),
                  text(QT_TRANSLATE_N_NOOP("PublishCommand", "%n unchanged"), outcome.unchanged),
                  text(QT_TRANSLATE_N_NOOP("PublishCommand", "%n removed"), outcome.removed));
    std::printf("%s\n", qPrintable(summary));
    return outcome.ok ? 0 : 1;
}
