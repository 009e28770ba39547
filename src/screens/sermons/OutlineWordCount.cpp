#include "OutlineWordCount.h"

#include <QCoreApplication>
#include <QRegularExpression>

int OutlineWordCount::words(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("^(?:[IVX]{1,6}|[A-Za-z]|\\d{1,3})\\.$"));
    int count = 0;
    bool lineStart = true;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            lineStart = lineStart || c == QLatin1Char('\n');
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool hasWordCharacter = false;
        while (i < n && !text.at(i).isSpace()) {
            hasWordCharacter = hasWordCharacter || text.at(i).isLetterOrNumber();
            ++i;
        }
        const bool isMarker = lineStart
            && (i - start == 1 ? (c == QLatin1Char('-') || c == QLatin1Char('*'))
                               : marker.match(QStringView(text).mid(start, i - start)).hasMatch());
        if (hasWordCharacter && !isMarker) {
            ++count;
        }
        lineStart = false;
    }
    return count;
}

int OutlineWordCount::minutes(int words, int wordsPerMinute)
{
    if (words <= 0 || wordsPerMinute <= 0) {
        return 0;
    }
    return qMax(1, (words + wordsPerMinute / 2) / wordsPerMinute);
}

QString OutlineWordCount::caption(int words, int wordsPerMinute)
{
    return QCoreApplication::translate(
        "OutlineWordCount", "%n word(s), about %1 min", nullptr, words)
        .arg(minutes(words, wordsPerMinute));
}
