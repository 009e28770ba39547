#include "ReferenceText.h"

#include <limits>

namespace {

// Only blanks are trimmed, as the fields show them; other characters stay part of the text.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

} // namespace

qint32 ReferenceNumber(const QString &text)
{
    int i = 0;
    const int size = int(text.size());
    while (i < size && text.at(i) == QLatin1Char(' ')) {
        ++i;
    }
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < size; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1) {
            return 0;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min()) {
        return 0;
    }
    return qint32(value);
}

QString ReferenceText(const QString &book, const QString &beginChapter, const QString &beginVerse,
    const QString &endChapter, const QString &endVerse)
{
    const QString bc = trimBlanks(beginChapter);
    const QString bv = trimBlanks(beginVerse);
    const QString ec = trimBlanks(endChapter);
    const QString ev = trimBlanks(endVerse);
    const QString start = book + QLatin1Char(' ') + bc + QLatin1Char(':') + bv;
    const bool sameChapter = ReferenceNumber(bc) == ReferenceNumber(ec);
    if (sameChapter && ReferenceNumber(bv) == ReferenceNumber(ev)) {
        return start;
    }
    if (sameChapter) {
        return start + QLatin1Char('-') + ev;
    }
    return start + QStringLiteral(" - ") + ec + QLatin1Char(':') + ev;
}
