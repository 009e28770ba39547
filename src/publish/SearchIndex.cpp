#include "SearchIndex.h"

#include "SitePage.h"
#include "WebText.h"

#include <QSet>

QStringList SearchIndex::words(const QString &text)
{
    // Plain ASCII text (most outlines) is folded without decomposing it first.
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    const QString folded
        = ascii ? text.toLower() : text.normalized(QString::NormalizationForm_KD).toLower();
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
        const char16_t u = c.unicode();
        const bool letter = u < 0x80 ? (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')
                                     : c.isLetterOrNumber();
        if (letter)
            word.append(c);
        else if (u >= 0x80 && c.category() == QChar::Mark_NonSpacing)
            continue;
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
