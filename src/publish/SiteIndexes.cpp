#include "SiteIndexes.h"

#include "SermonPage.h"
#include "SiteFolder.h"
#include "SitePage.h"
#include "WebText.h"

#include <QCollator>
#include <QMap>
#include <algorithm>

namespace {

QString esc(const QString &text)
{
    return WebText::escape(text);
}

// Adds `sermon` to the group named `name` (made on first use with its page's path).
void addTo(QHash<QString, int> &index, QList<QList<const PublishSermon *>> &lists,
    QStringList &names, const QString &name, const PublishSermon *sermon)
{
    if (name.isEmpty())
        return;
    auto found = index.constFind(name);
    if (found == index.cend()) {
        found = index.insert(name, int(lists.size()));
        lists.append(QList<const PublishSermon *>());
        names.append(name);
    }
    lists[*found].append(sermon);
}

} // namespace

SiteIndexes::SiteIndexes(const PublishSite &site, const QList<const PublishSermon *> &sermons,
    const QHash<QString, QString> &seriesFeeds, const QString &coverPath)
    : m_site(site)
    , m_sermons(sermons)
    , m_seriesFeeds(seriesFeeds)
    , m_coverPath(coverPath)
{
}

QByteArray SiteIndexes::front() const
{
    const SitePage page(m_site, 0);
    QString body = QStringLiteral("<h1 dir=\"auto\">%1</h1>\n").arg(esc(m_site.title));
    if (!m_coverPath.isEmpty())
        body += QStringLiteral("<p><img class=\"cover\" src=\"%1\" alt=\"\"></p>\n")
                    .arg(page.link(m_coverPath));
    if (!m_site.description.isEmpty())
        body += QStringLiteral("<p dir=\"auto\">%1</p>\n").arg(esc(m_site.description));
    body += QStringLiteral("<p><a href=\"%1\">%2</a></p>\n")
                .arg(page.link(QStringLiteral("podcast.xml")),
                    esc(SitePage::tr("Subscribe to the podcast")));
    body += QStringLiteral("<h2>%1</h2>\n").arg(esc(SitePage::tr("Latest sermons")));
    body += page.sermonList(m_sermons.mid(0, m_site.latestCount));
    if (m_sermons.size() > m_site.latestCount)
        body += QStringLiteral("<p><a href=\"%1\">%2</a></p>\n")
                    .arg(page.link(QStringLiteral("years.html")),
                        esc(SitePage::tr("All %n sermons by year", int(m_sermons.size()))));
    return page.document(m_site.title, body);
}

QByteArray SiteIndexes::search() const
{
    const SitePage page(m_site, 0);
    const QString body
        = QStringLiteral(
            "<h1>%1</h1>\n<form action=\"search.html\" method=\"get\" role=\"search\">\n"
            "<label for=\"search-words\">%2</label>\n"
            "<input type=\"search\" id=\"search-words\" name=\"q\">\n"
            "<button type=\"submit\">%3</button>\n</form>\n"
            "<noscript><p>%4</p></noscript>\n"
            "<p id=\"search-status\" role=\"status\" data-one=\"%5\" data-many=\"%6\" "
            "data-failed=\"%7\"></p>\n"
            "<ol id=\"search-results\" class=\"sermons\" data-index=\"%8\"></ol>\n")
              .arg(esc(SitePage::tr("Search the sermons")),
                  esc(SitePage::tr("Words, a passage or a preacher")), esc(SitePage::tr("Search")),
                  esc(SitePage::tr("The search needs scripts; the index pages list every "
                                   "sermon without them.")),
                  esc(SitePage::tr("%n sermon found", 1)
                          .replace(QLatin1String("1"), QLatin1String("%n"))),
                  esc(SitePage::tr("%n sermons found", 2)
                          .replace(QLatin1String("2"), QLatin1String("%n"))),
                  esc(SitePage::tr("The search index could not be read.")),
                  page.link(QStringLiteral("search-index.json")));
    return page.document(SitePage::tr("Search"), body);
}

void SiteIndexes::writeGroups(SiteFolder &folder, const QString &overviewPath,
    const QString &heading, QList<Group> groups, Order order, bool oldestFirst) const
{
    QCollator collator { QLocale(m_site.language) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(groups.begin(), groups.end(), [&](const Group &a, const Group &b) {
        if (order == Order::ByOrder && a.order != b.order)
            return a.order < b.order;
        if (order == Order::ByOrderDescending && a.order != b.order)
            return a.order > b.order;
        return collator.compare(a.name, b.name) < 0;
    });
    const SitePage top(m_site, 0);
    const SitePage inner(m_site, 1);
    QString overview = QStringLiteral("<h1>%1</h1>\n<ul class=\"groups\">\n").arg(esc(heading));
    for (Group &group : groups) {
        overview += QStringLiteral("<li><a href=\"%1\" dir=\"auto\">%2</a> <span class=\"meta\">"
                                   "(%3)</span></li>\n")
                        .arg(top.link(group.path), esc(group.name),
                            esc(SitePage::tr("%n sermons", int(group.sermons.size()))));
        QList<const PublishSermon *> list = group.sermons;
        if (oldestFirst)
            std::reverse(list.begin(), list.end());
        if (order == Order::ByOrder && overviewPath == QLatin1String("books.html")) {
            // A book's page follows the book: by where each passage begins.
            std::stable_sort(
                list.begin(), list.end(), [](const PublishSermon *a, const PublishSermon *b) {
                    return std::pair(a->chapter, a->verse) < std::pair(b->chapter, b->verse);
                });
        }
        QString body = QStringLiteral("<h1 dir=\"auto\">%1</h1>\n").arg(esc(group.name));
        const QString feed = m_seriesFeeds.value(group.name);
        if (overviewPath == QLatin1String("series.html") && !feed.isEmpty())
            body += QStringLiteral("<p><a href=\"%1\">%2</a></p>\n")
                        .arg(inner.link(feed), esc(SitePage::tr("This series as a podcast")));
        body += inner.sermonList(list);
        folder.put(group.path,
            inner.document(
                group.name, body, overviewPath == QLatin1String("series.html") ? feed : QString()));
    }
    overview += QStringLiteral("</ul>\n");
    folder.put(overviewPath, top.document(heading, overview));
}

void SiteIndexes::write(SiteFolder &folder) const
{
    folder.put(QStringLiteral("index.html"), front());
    folder.put(QStringLiteral("search.html"), search());

    // One pass gathers every kind of group.
    QHash<QString, int> seriesIndex, bookIndex, preacherIndex, topicIndex, yearIndex;
    QList<QList<const PublishSermon *>> series, books, preachers, topics, years;
    QStringList seriesNames, bookNames, preacherNames, topicNames, yearNames;
    QHash<QString, int> bookOrder;
    for (const PublishSermon *s : m_sermons) {
        addTo(seriesIndex, series, seriesNames, s->series, s);
        addTo(bookIndex, books, bookNames, s->book, s);
        bookOrder.insert(s->book, s->bookOrder);
        addTo(preacherIndex, preachers, preacherNames, s->preacher, s);
        for (const QString &topic : s->topics)
            addTo(topicIndex, topics, topicNames, topic, s);
        if (s->date().isValid())
            addTo(yearIndex, years, yearNames, QString::number(s->date().date().year()), s);
    }
    auto groupsOf = [](const QStringList &names, const QList<QList<const PublishSermon *>> &lists,
                        auto pathOf, auto orderOf) {
        QList<Group> groups;
        for (int i = 0; i < names.size(); ++i)
            groups.append({ names.at(i), pathOf(names.at(i)), lists.at(i), orderOf(names.at(i)) });
        return groups;
    };
    const auto none = [](const QString &) { return 0; };
    writeGroups(folder, QStringLiteral("series.html"), SitePage::tr("Series"),
        groupsOf(seriesNames, series, SermonPage::seriesPath, none), Order::ByName, true);
    writeGroups(folder, QStringLiteral("books.html"), SitePage::tr("Books of the Bible"),
        groupsOf(bookNames, books, SermonPage::bookPath,
            [&](const QString &name) { return bookOrder.value(name); }),
        Order::ByOrder, true);
    writeGroups(folder, QStringLiteral("preachers.html"), SitePage::tr("Preachers"),
        groupsOf(preacherNames, preachers, SermonPage::preacherPath, none), Order::ByName, false);
    writeGroups(folder, QStringLiteral("topics.html"), SitePage::tr("Topics"),
        groupsOf(topicNames, topics, SermonPage::topicPath, none), Order::ByName, false);
    writeGroups(folder, QStringLiteral("years.html"), SitePage::tr("Years"),
        groupsOf(
            yearNames, years,
            [](const QString &year) { return SermonPage::yearPath(year.toInt()); },
            [](const QString &year) { return year.toInt(); }),
        Order::ByOrderDescending, true);
}
