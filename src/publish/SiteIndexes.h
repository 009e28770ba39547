#pragma once

#include "PublishTypes.h"

#include <QHash>

class SiteFolder;

// The pages that lead to the sermons: the front page with the latest, an overview and a page
// per series, book (in Bible order), preacher, topic and year, and the search page.
class SiteIndexes
{
public:
    // `sermons` newest first; `seriesFeeds` the feed path of each series that has one.
    SiteIndexes(const PublishSite &site, const QList<const PublishSermon *> &sermons,
        const QHash<QString, QString> &seriesFeeds, const QString &coverPath);

    void write(SiteFolder &folder) const;

private:
    struct Group
    {
        QString name;
        QString path;
        QList<const PublishSermon *> sermons;
        int order = 0; // the book's place, the year
    };
    enum class Order { ByName, ByOrder, ByOrderDescending };

    QByteArray front() const;
    QByteArray search() const;
    void writeGroups(SiteFolder &folder, const QString &overviewPath, const QString &heading,
        QList<Group> groups, Order order, bool oldestFirst) const;

    const PublishSite &m_site;
    const QList<const PublishSermon *> &m_sermons;
    const QHash<QString, QString> &m_seriesFeeds;
    QString m_coverPath;
};
