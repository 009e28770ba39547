#include "SitePage.h"

#include "WebText.h"

#include <QCoreApplication>
#include <QLocale>

SitePage::SitePage(const PublishSite &site, int depth)
    : m_site(site)
    , m_up(QStringLiteral("../").repeated(depth))
{
}

QString SitePage::tr(const char *text, int n)
{
    return QCoreApplication::translate("SitePage", text, nullptr, n);
}

QString SitePage::sermonPath(const PublishSermon &sermon)
{
    // By key, not by title: a corrected title keeps the page's address.
    return QStringLiteral("sermons/%1.html").arg(sermon.id);
}

QString SitePage::link(const QString &sitePath) const
{
    return WebText::escape(WebText::urlPath(m_up + sitePath));
}

QString SitePage::date(const QDateTime &when) const
{
    if (!when.isValid())
        return QString();
    const QLocale locale(m_site.language);
    return QStringLiteral("<time datetime=\"%1\">%2</time>")
        .arg(when.date().toString(Qt::ISODate),
            WebText::escape(locale.toString(when.date(), QLocale::LongFormat)));
}

QString SitePage::sermonList(const QList<const PublishSermon *> &sermons) const
{
    QString html = QStringLiteral("<ol class=\"sermons\">\n");
    for (const PublishSermon *s : sermons) {
        QStringList meta;
        if (s->date().isValid())
            meta.append(date(s->date()));
        for (const QString &part : { s->preacher, s->passage }) {
            if (!part.isEmpty())
                meta.append(
                    QStringLiteral("<bdi>") + WebText::escape(part) + QStringLiteral("</bdi>"));
        }
        html += QStringLiteral("<li><a href=\"%1\" dir=\"auto\">%2</a>")
                    .arg(link(sermonPath(*s)), WebText::escape(s->title));
        if (!meta.isEmpty())
            html += QStringLiteral(" <span class=\"meta\">") + meta.join(QStringLiteral(" · "))
                + QStringLiteral("</span>");
        html += QStringLiteral("</li>\n");
    }
    html += QStringLiteral("</ol>\n");
    return html;
}

QByteArray SitePage::document(const QString &title, const QString &body, const QString &feed) const
{
    const QString site = WebText::escape(m_site.title);
    QString html;
    html.reserve(body.size() + 2048);
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, "
                           "initial-scale=1\">\n<title>%2</title>\n")
                .arg(WebText::escape(m_site.language),
                    title == m_site.title ? site
                                          : WebText::escape(title) + QStringLiteral(" – ") + site);
    if (!m_site.description.isEmpty())
        html += QStringLiteral("<meta name=\"description\" content=\"%1\">\n")
                    .arg(WebText::escape(m_site.description));
    html += QStringLiteral("<link rel=\"stylesheet\" href=\"%1\">\n")
                .arg(link(QStringLiteral("site.css")));
    html += QStringLiteral("<link rel=\"alternate\" type=\"application/rss+xml\" title=\"%1\" "
                           "href=\"%2\">\n")
                .arg(WebText::escape(tr("Podcast")), link(QStringLiteral("podcast.xml")));
    if (!feed.isEmpty())
        html += QStringLiteral("<link rel=\"alternate\" type=\"application/rss+xml\" title=\"%1\" "
                               "href=\"%2\">\n")
                    .arg(WebText::escape(title), link(feed));
    html += QStringLiteral("<script src=\"%1\" defer></script>\n</head>\n<body>\n")
                .arg(link(QStringLiteral("site.js")));
    html += QStringLiteral("<a class=\"skip\" href=\"#main\">%1</a>\n<header>\n"
                           "<p class=\"site-name\"><a href=\"%2\" dir=\"auto\">%3</a></p>\n"
                           "<nav aria-label=\"%4\">\n<ul>\n")
                .arg(WebText::escape(tr("Skip to the content")), link(QStringLiteral("index.html")),
                    site, WebText::escape(tr("Sections")));
    const struct
    {
        const char *path;
        const char *label;
    } sections[] = { { "index.html", QT_TRANSLATE_NOOP("SitePage", "Latest") },
        { "series.html", QT_TRANSLATE_NOOP("SitePage", "Series") },
        { "books.html", QT_TRANSLATE_NOOP("SitePage", "Books") },
        { "preachers.html", QT_TRANSLATE_NOOP("SitePage", "Preachers") },
        { "topics.html", QT_TRANSLATE_NOOP("SitePage", "Topics") },
        { "years.html", QT_TRANSLATE_NOOP("SitePage", "Years") },
        { "search.html", QT_TRANSLATE_NOOP("SitePage", "Search") },
        { "podcast.xml", QT_TRANSLATE_NOOP("SitePage", "Podcast") } };
    for (const auto &section : sections)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                    .arg(link(QString::fromLatin1(section.path)),
                        WebText::escape(tr(section.label)));
    html += QStringLiteral("</ul>\n</nav>\n</header>\n<main id=\"main\">\n");
    html += body;
    html += QStringLiteral("</main>\n<footer>\n<p>%1</p>\n</footer>\n</body>\n</html>\n")
                .arg(WebText::escape(tr("Published with Lectorum Sermon Outlines.")));
    return html.toUtf8();
}
