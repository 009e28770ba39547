#include "SermonPage.h"

#include "OutlineLevels.h"
#include "SitePage.h"
#include "WebText.h"

#include <QFileInfo>

namespace {

QString esc(const QString &text)
{
    return WebText::escape(text);
}

QString groupLink(const SitePage &page, const QString &path, const QString &text)
{
    return QStringLiteral("<a href=\"%1\"><bdi>%2</bdi></a>").arg(page.link(path), esc(text));
}

QString fact(const QString &label, const QString &value)
{
    return QStringLiteral("<dt>%1</dt>\n<dd>%2</dd>\n").arg(esc(label), value);
}

QString paragraphs(const QString &text)
{
    QString html;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            html += QStringLiteral("<p dir=\"auto\">") + esc(line.trimmed())
                + QStringLiteral("</p>\n");
    }
    return html;
}

QString outline(const QString &text)
{
    QString html = QStringLiteral("<div class=\"outline\">\n");
    for (const OutlineLine &line : OutlineLevels::parse(text)) {
        QStringList classes;
        if (line.level >= 0)
            classes.append(QStringLiteral("level-%1").arg(line.level));
        if (line.sectionStart)
            classes.append(QStringLiteral("section"));
        const QString content = line.marker.isEmpty()
            ? esc(line.body)
            : esc(line.marker) + QLatin1Char(' ') + esc(line.body);
        html += classes.isEmpty()
            ? QStringLiteral("<p dir=\"auto\">")
            : QStringLiteral("<p class=\"%1\" dir=\"auto\">").arg(classes.join(QLatin1Char(' ')));
        html += content + QStringLiteral("</p>\n");
    }
    return html + QStringLiteral("</div>\n");
}

QString kindOf(const PublishedRecording &r)
{
    const QString suffix = QFileInfo(r.address).suffix().toUpper();
    return suffix.isEmpty() ? r.mimeType : suffix;
}

QString player(const SitePage &page, const PublishedRecording &r, int number)
{
    const QString href = r.copied ? page.link(r.address) : esc(r.address);
    const QString id = QStringLiteral("recording-%1").arg(number);
    const QString element = r.isVideo() ? QStringLiteral("video") : QStringLiteral("audio");
    QString html = QStringLiteral("<figure>\n<%1 id=\"%2\" controls preload=\"metadata\" "
                                  "aria-label=\"%3\">\n<source src=\"%4\"")
                       .arg(element, id, esc(SitePage::tr("Recording %1").arg(number)), href);
    if (!r.mimeType.isEmpty())
        html += QStringLiteral(" type=\"%1\"").arg(esc(r.mimeType));
    html += QStringLiteral(">\n</%1>\n<figcaption>").arg(element);
    QStringList facts { kindOf(r) };
    if (r.milliseconds > 0)
        facts.append(QStringLiteral("<span id=\"%1-length\">%2</span>")
                         .arg(id, WebText::duration(r.milliseconds)));
    if (r.bytes > 0)
        facts.append(WebText::size(r.bytes));
    html += QStringLiteral("<a href=\"%1\" download>%2</a> (%3)")
                .arg(href, esc(SitePage::tr("Download")), facts.join(QStringLiteral(", ")));
    return html + QStringLiteral("</figcaption>\n</figure>\n");
}

} // namespace

QString SermonPage::seriesPath(const QString &series)
{
    return series.isEmpty() ? QString()
                            : QStringLiteral("series/%1.html").arg(WebText::slug(series));
}

QString SermonPage::bookPath(const QString &book)
{
    return book.isEmpty() ? QString() : QStringLiteral("books/%1.html").arg(WebText::slug(book));
}

QString SermonPage::preacherPath(const QString &preacher)
{
    return preacher.isEmpty() ? QString()
                              : QStringLiteral("preachers/%1.html").arg(WebText::slug(preacher));
}

QString SermonPage::topicPath(const QString &topic)
{
    return topic.isEmpty() ? QString() : QStringLiteral("topics/%1.html").arg(WebText::slug(topic));
}

QString SermonPage::yearPath(int year)
{
    return QStringLiteral("years/%1.html").arg(year);
}

QString SermonPage::body(
    const SitePage &page, const PublishSermon &sermon, const QList<PublishedRecording> &recordings)
{
    QString html = QStringLiteral("<article>\n<h1 dir=\"auto\">%1</h1>\n<dl class=\"facts\">\n")
                       .arg(esc(sermon.title));
    if (!sermon.preacher.isEmpty())
        html += fact(SitePage::tr("Preacher"),
            groupLink(page, preacherPath(sermon.preacher), sermon.preacher));
    for (const PublishOccasion &o : sermon.occasions) {
        QStringList parts;
        if (o.date.isValid())
            parts.append(page.date(o.date));
        if (!o.location.isEmpty())
            parts.append(QStringLiteral("<bdi>") + esc(o.location) + QStringLiteral("</bdi>"));
        if (!parts.isEmpty())
            html += fact(SitePage::tr("Preached"), parts.join(QStringLiteral(", ")));
    }
    if (!sermon.passage.isEmpty())
        html += fact(SitePage::tr("Passage"),
            sermon.book.isEmpty() ? esc(sermon.passage)
                                  : groupLink(page, bookPath(sermon.book), sermon.passage));
    if (!sermon.series.isEmpty())
        html += fact(
            SitePage::tr("Series"), groupLink(page, seriesPath(sermon.series), sermon.series));
    if (!sermon.topics.isEmpty()) {
        QStringList links;
        for (const QString &topic : sermon.topics)
            links.append(groupLink(page, topicPath(topic), topic));
        html += fact(SitePage::tr("Topics"), links.join(QStringLiteral(", ")));
    }
    html += QStringLiteral("</dl>\n");
    if (!sermon.bigIdea.isEmpty())
        html += QStringLiteral(
                    "<section aria-labelledby=\"big-idea\">\n<h2 id=\"big-idea\">%1</h2>\n")
                    .arg(esc(SitePage::tr("Big idea")))
            + paragraphs(sermon.bigIdea) + QStringLiteral("</section>\n");
    if (!recordings.isEmpty()) {
        html += QStringLiteral("<section aria-labelledby=\"listen\">\n<h2 id=\"listen\">%1</h2>\n")
                    .arg(esc(SitePage::tr("Listen")));
        for (int i = 0; i < recordings.size(); ++i)
            html += player(page, recordings.at(i), i + 1);
        html += QStringLiteral("</section>\n");
    }
    if (!sermon.passageText.isEmpty()) {
        html += QStringLiteral("<section aria-labelledby=\"passage\">\n<h2 id=\"passage\">%1</h2>\n"
                               "<blockquote>\n")
                    .arg(esc(sermon.passage))
            + paragraphs(sermon.passageText) + QStringLiteral("</blockquote>\n");
        if (!sermon.passageVersion.isEmpty())
            html += QStringLiteral("<p class=\"meta\">%1</p>\n").arg(esc(sermon.passageVersion));
        html += QStringLiteral("</section>\n");
    }
    if (!sermon.outline.trimmed().isEmpty())
        html
            += QStringLiteral("<section aria-labelledby=\"outline\">\n<h2 id=\"outline\">%1</h2>\n")
                   .arg(esc(SitePage::tr("Outline")))
            + outline(sermon.outline) + QStringLiteral("</section>\n");
    return html + QStringLiteral("</article>\n");
}
