#pragma once

#include "PublishTypes.h"

#include <QList>
#include <QString>

// The frame every page of the site shares (language, title, the skip link, the navigation,
// the feed's address) and the pieces several pages show: a list of sermons and a date.
class SitePage
{
public:
    // `depth` 0 for a page at the folder's top, 1 for one a folder down ("sermons/12.html").
    SitePage(const PublishSite &site, int depth);

    // The whole page: `title` goes into <title> (with the site's name) and `body` into <main>,
    // which begins with the page's own <h1>. `feed` is the page's own feed, if it has one.
    QByteArray document(const QString &title, const QString &body, const QString &feed = {}) const;
    // A path of the site as this page links it ("../sermons/12.html").
    QString link(const QString &sitePath) const;
    // <ol class="sermons"> with a line per sermon: title, date, preacher and passage.
    QString sermonList(const QList<const PublishSermon *> &sermons) const;
    // The date as the site's language writes it, in a <time> element.
    QString date(const QDateTime &when) const;

    static QString sermonPath(const PublishSermon &sermon);
    static QString tr(const char *text, int n = -1);

private:
    const PublishSite &m_site;
    QString m_up;
};
