#include "PodcastFeed.h"

#include "SermonPage.h"
#include "SitePage.h"
#include "WebText.h"

#include <QRegularExpression>
#include <QUuid>

namespace {

QString esc(const QString &text)
{
    return WebText::escape(text);
}

QString element(const char *name, const QString &text)
{
    return QStringLiteral("<%1>%2</%1>\n").arg(QLatin1String(name), esc(text));
}

// Podcasting 2.0's guid: a UUID v5 of the feed's address without its scheme and trailing
// slashes, in the namespace that standard fixes, so any tool computes the same one.
QString podcastGuid(const QString &feedUrl)
{
    static const QUuid space(QStringLiteral("ead4c236-bf58-58c6-a2c6-a0b28b128cb6"));
    QString name = feedUrl;
    name.remove(QRegularExpression(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]*://")));
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return QUuid::createUuidV5(space, name).toString(QUuid::WithoutBraces);
}

QString summary(const PublishSermon &sermon)
{
    QStringList parts;
    if (!sermon.passage.isEmpty())
        parts.append(sermon.passage);
    if (!sermon.bigIdea.isEmpty())
        parts.append(sermon.bigIdea);
    if (!sermon.series.isEmpty())
        parts.append(SitePage::tr("Series: %1").arg(sermon.series));
    return parts.isEmpty() ? sermon.title : parts.join(QStringLiteral(" — "));
}

QString item(const PublishSite &site, const PodcastEpisode &episode, int count)
{
    const PublishSermon &s = *episode.sermon;
    const PublishedRecording &r = episode.recording;
    QString title = s.title;
    if (count > 1)
        title += QStringLiteral(" (%1)").arg(
            r.isVideo() ? SitePage::tr("video") : SitePage::tr("recording %1").arg(count));
    QString xml = QStringLiteral("<item>\n") + element("title", title);
    xml += element("link", WebText::absoluteUrl(site.baseUrl, SitePage::sermonPath(s)));
    xml += element("description", summary(s));
    const QString guid = r.id > 0
        ? QStringLiteral("lectorum-sermon-%1-recording-%2").arg(s.id).arg(r.id)
        : QStringLiteral("lectorum-sermon-%1").arg(s.id);
    xml += QStringLiteral("<guid isPermaLink=\"false\">%1</guid>\n").arg(guid);
    if (s.date().isValid())
        xml += element("pubDate", WebText::rfc822(s.date()));
    if (!s.preacher.isEmpty()) {
        xml += element("itunes:author", s.preacher);
        xml += QStringLiteral("<podcast:person role=\"host\">%1</podcast:person>\n")
                   .arg(esc(s.preacher));
    }
    xml += element("itunes:title", s.title);
    xml += element("itunes:summary", summary(s));
    xml += QStringLiteral("<itunes:episodeType>full</itunes:episodeType>\n");
    if (r.id > 0 && !r.address.isEmpty()) {
        const QString url = r.copied ? WebText::absoluteUrl(site.baseUrl, r.address) : r.address;
        xml += QStringLiteral("<enclosure url=\"%1\" length=\"%2\" type=\"%3\"/>\n")
                   .arg(esc(url))
                   .arg(r.bytes)
                   .arg(esc(r.mimeType.isEmpty() ? QStringLiteral("application/octet-stream")
                                                 : r.mimeType));
        if (r.milliseconds > 0)
            xml += element("itunes:duration", QString::number((r.milliseconds + 500) / 1000));
    }
    return xml + QStringLiteral("</item>\n");
}

} // namespace

QByteArray PodcastFeed::document(const PublishSite &site, const QString &title,
    const QString &feedPath, const QString &coverPath, const QList<PodcastEpisode> &episodes)
{
    const QString author = site.author.isEmpty() ? site.title : site.author;
    const QString feedUrl = WebText::absoluteUrl(site.baseUrl, feedPath);
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\" "
        "xmlns:podcast=\"https://podcastindex.org/namespace/1.0\" "
        "xmlns:atom=\"http://www.w3.org/2005/Atom\">\n<channel>\n");
    xml += element("title", title);
    xml += element("link", WebText::absoluteUrl(site.baseUrl, QStringLiteral("index.html")));
    xml += element("description", site.description.isEmpty() ? title : site.description);
    xml += element("language", site.language);
    if (!site.baseUrl.isEmpty())
        xml += QStringLiteral(
            "<atom:link href=\"%1\" rel=\"self\" type=\"application/rss+xml\"/>\n")
                   .arg(esc(feedUrl));
    // The newest sermon's day, not the hour of publishing: an unchanged library, same bytes.
    for (const PodcastEpisode &e : episodes) {
        if (e.sermon->date().isValid()) {
            xml += element("pubDate", WebText::rfc822(e.sermon->date()));
            break;
        }
    }
    xml += element("itunes:author", author);
    xml += QStringLiteral("<itunes:owner>\n") + element("itunes:name", author)
        + QStringLiteral("</itunes:owner>\n");
    xml += element("itunes:summary", site.description.isEmpty() ? title : site.description);
    if (!coverPath.isEmpty()) {
        const QString cover = WebText::absoluteUrl(site.baseUrl, coverPath);
        xml += QStringLiteral("<itunes:image href=\"%1\"/>\n").arg(esc(cover));
        xml += QStringLiteral("<image>\n") + element("url", cover) + element("title", title)
            + element("link", WebText::absoluteUrl(site.baseUrl, QStringLiteral("index.html")))
            + QStringLiteral("</image>\n");
    }
    xml += QStringLiteral("<itunes:category text=\"Religion &amp; Spirituality\">\n"
                          "<itunes:category text=\"Christianity\"/>\n</itunes:category>\n"
                          "<itunes:explicit>false</itunes:explicit>\n"
                          "<itunes:type>episodic</itunes:type>\n"
                          "<podcast:locked>no</podcast:locked>\n");
    xml += element("podcast:guid", podcastGuid(feedUrl));
    for (int i = 0; i < episodes.size(); ++i) {
        // The number of the recording within its sermon, for the titles of a second one.
        int number = 1;
        for (int j = i - 1; j >= 0 && episodes.at(j).sermon == episodes.at(i).sermon; --j)
            ++number;
        xml += item(site, episodes.at(i), number);
    }
    xml += QStringLiteral("</channel>\n</rss>\n");
    return xml.toUtf8();
}
