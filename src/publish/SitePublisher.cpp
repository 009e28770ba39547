#include "SitePublisher.h"

#include "PodcastFeed.h"
#include "SearchIndex.h"
#include "SermonPage.h"
#include "SiteAssets.h"
#include "SiteFolder.h"
#include "SiteIndexes.h"
#include "SitePage.h"
#include "WebText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SitePublisher", text);
}

QString coverPath(const PublishSite &site, SiteFolder &folder, QStringList &problems)
{
    if (site.imagePath.isEmpty())
        return QString();
    const QFileInfo image(site.imagePath);
    const QString suffix = image.suffix().toLower();
    if (suffix != QLatin1String("jpg") && suffix != QLatin1String("jpeg")
        && suffix != QLatin1String("png")) {
        problems.append(tr("The picture %1 is not a JPEG or PNG file; podcast directories "
                           "take only those.")
                            .arg(site.imagePath));
        return QString();
    }
    if (!image.isFile()) {
        problems.append(tr("The picture %1 is missing.").arg(site.imagePath));
        return QString();
    }
    const QString path = QStringLiteral("cover.") + suffix;
    return folder.copyIn(path, image.absoluteFilePath()) ? path : QString();
}

// Places the sermon's recordings: copies the files, links the web addresses, and names the
// ones that cannot be published.
QList<PublishedRecording> place(
    const PublishSermon &sermon, SiteFolder &folder, QStringList &problems)
{
    QList<PublishedRecording> placed;
    for (const PublishRecording &r : sermon.recordings) {
        PublishedRecording p;
        p.id = r.id;
        p.mimeType = r.mimeType;
        p.milliseconds = r.milliseconds;
        p.bytes = r.bytes;
        if (WebText::isWebAddress(r.source)) {
            p.address = r.source;
            placed.append(p);
            continue;
        }
        if (!SitePublisher::isPlainSourcePath(r.source)) {
            problems.append(tr("The recording %1 of \"%2\" was refused: its path is not a plain "
                               "absolute path.")
                                .arg(r.source, sermon.title));
            continue;
        }
        const QFileInfo file(r.source);
        if (!file.isFile()) {
            problems.append(
                tr("The recording %1 of \"%2\" is missing.").arg(r.source, sermon.title));
            continue;
        }
        p.address = QStringLiteral("media/%1-%2-%3")
                        .arg(sermon.id)
                        .arg(r.id)
                        .arg(WebText::safeFileName(file.fileName()));
        p.copied = true;
        // The enclosure's length is the copy's, whatever the library noted when it was added.
        p.bytes = file.size();
        if (folder.copyIn(p.address, file.absoluteFilePath()))
            placed.append(p);
    }
    return placed;
}

} // namespace

bool SitePublisher::isPlainSourcePath(const QString &path)
{
    if (!QFileInfo(path).isAbsolute() || path.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return std::none_of(parts.cbegin(), parts.cend(), [](const QString &part) {
        return part == QLatin1String(".") || part == QLatin1String("..");
    });
}

PublishOutcome SitePublisher::publish(const PublishSite &site, const QList<PublishSermon> &sermons,
    const QString &folderPath, const std::function<bool(int, int)> &progress)
{
    PublishOutcome outcome;
    SiteFolder folder(folderPath);
    if (!folder.open()) {
        outcome.problems = folder.problems();
        return outcome;
    }
    QList<const PublishSermon *> newest;
    newest.reserve(sermons.size());
    for (const PublishSermon &s : sermons)
        newest.append(&s);
    std::stable_sort(
        newest.begin(), newest.end(), [](const PublishSermon *a, const PublishSermon *b) {
            if (a->date() != b->date())
                return a->date() > b->date(); // an undated sermon sorts last
            return a->id > b->id;
        });

    QStringList problems;
    const QString cover = coverPath(site, folder, problems);
    QList<PodcastEpisode> episodes;
    QHash<QString, QList<PodcastEpisode>> bySeries;
    const SitePage page(site, 1);
    int done = 0;
    for (const PublishSermon *s : std::as_const(newest)) {
        const QList<PublishedRecording> recordings = place(*s, folder, problems);
        folder.put(SitePage::sermonPath(*s),
            page.document(s->title, SermonPage::body(page, *s, recordings)));
        QList<PodcastEpisode> own;
        for (const PublishedRecording &r : recordings)
            own.append({ s, r });
        if (own.isEmpty())
            own.append({ s, PublishedRecording() });
        episodes += own;
        if (!s->series.isEmpty())
            bySeries[s->series] += own;
        ++done;
        if (progress && !progress(done, int(newest.size()))) {
            outcome.cancelled = true;
            outcome.problems = problems + folder.problems();
            return outcome;
        }
    }

    folder.put(QStringLiteral("site.css"), SiteAssets::styleSheet());
    folder.put(QStringLiteral("site.js"), SiteAssets::script());
    folder.put(QStringLiteral("search-index.json"), SearchIndex::document(newest));
    folder.put(QStringLiteral("podcast.xml"),
        PodcastFeed::document(site, site.title, QStringLiteral("podcast.xml"), cover, episodes));
    QHash<QString, QString> seriesFeeds;
    for (auto it = bySeries.cbegin(); it != bySeries.cend(); ++it) {
        QString feed = SermonPage::seriesPath(it.key());
        feed.replace(QLatin1String(".html"), QLatin1String(".xml"));
        seriesFeeds.insert(it.key(), feed);
        folder.put(feed,
            PodcastFeed::document(
                site, site.title + QStringLiteral(" – ") + it.key(), feed, cover, it.value()));
    }
    SiteIndexes(site, newest, seriesFeeds, cover).write(folder);
    folder.finish();

    outcome.sermons = int(newest.size());
    outcome.episodes = int(episodes.size());
    outcome.written = folder.written();
    outcome.unchanged = folder.unchanged();
    outcome.removed = folder.removed();
    outcome.ok = folder.problems().isEmpty();
    outcome.problems = problems + folder.problems();
    return outcome;
}
