#include "SearchIndex.h"

#include "SitePage.h"
#include "WebText.h"

#include <QSet>

QStringList SearchIndex::words(const QString &text)
{
    const QString folded = text.normalized(QString::NormalizationForm_KD).toLower();
    QStringList out;
    QSet<QString> seen;
    QString word;
    auto flush = [&] {
        if (word.size() > 1 && !seen.contains(word)) {
            seen.insert(word);
            out.append(word);
        }
        word.clear();
    };
    for (const QChar c : folded) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber())
            word.append(c);
        else
            flush();
    }
    flush();
    return out;
}

QByteArray SearchIndex::document(const QList<const PublishSermon *> &sermons)
{
    QString json = QStringLiteral("{\"sermons\":[\n");
    bool first = true;
    for (const PublishSermon *s : sermons) {
        if (!first)
            json += QStringLiteral(",\n");
        first = false;
        const QString text = s->bigIdea + QLatin1Char('\n') + s->topics.join(QLatin1Char('\n'))
            + QLatin1Char('\n') + s->outline;
        json += QStringLiteral("{\"u\":%1,\"t\":%2,\"p\":%3,\"r\":%4,\"s\":%5,\"d\":%6,\"w\":%7}")
                    .arg(WebText::json(WebText::urlPath(SitePage::sermonPath(*s))),
                        WebText::json(s->title), WebText::json(s->preacher),
                        WebText::json(s->passage), WebText::json(s->series),
                        WebText::json(s->date().isValid() ? s->date().date().toString(Qt::ISODate)
                                                          : QString()),
                        WebText::json(words(text).join(QLatin1Char(' '))));
    }
    json += QStringLiteral("\n]}\n");
    return json.toUtf8();
}
