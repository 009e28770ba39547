// The reference the sermon screen composes from the book and the chapter and verse fields:
// any five texts give the start "Book BC:BV" and then, by the numeric values, nothing, "-EV"
// or " - EC:EV". A chapter or verse reads as its leading signed digits after blanks; a number
// that does not fit 32 bits reads 0.

#include "FuzzInput.h"
#include "ReferenceText.h"

#include <QStringList>
#include <limits>

namespace {

// The leading number the way a person reads it, worked out independently of the rule.
qint32 expectedNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    while (i < text.size() && text.at(i) == QLatin1Char('0'))
        ++i;
    QString digits;
    for (; i < text.size() && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9'; ++i)
        digits.append(text.at(i));
    if (digits.size() > 10)
        return 0;
    const qint64 value
        = digits.isEmpty() ? 0 : (negative ? -digits.toLongLong() : digits.toLongLong());
    return value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()
        ? 0
        : qint32(value);
}

QString blankTrimmed(QString text)
{
    while (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The five fields, separated by "|".
    QStringList fields = fuzzText(data, size).split(QLatin1Char('|'));
    while (fields.size() < 5)
        fields.append(QString());
    const QString &book = fields[0];
    const QString bc = blankTrimmed(fields[1]), bv = blankTrimmed(fields[2]);
    const QString ec = blankTrimmed(fields[3]), ev = blankTrimmed(fields[4]);
    for (int i = 1; i < 5; ++i)
        FUZZ_ASSERT(ReferenceNumber(fields[i]) == expectedNumber(fields[i]),
            "a number reads as its leading digits", fields[i]);

    const QString reference = ReferenceText(book, fields[1], fields[2], fields[3], fields[4]);
    const QString start = book + QLatin1Char(' ') + bc + QLatin1Char(':') + bv;
    FUZZ_ASSERT(reference.startsWith(start), "the reference starts with Book BC:BV", reference);
    const bool sameChapter = expectedNumber(bc) == expectedNumber(ec);
    const bool sameVerse = expectedNumber(bv) == expectedNumber(ev);
    QString expected = start;
    if (sameChapter && !sameVerse)
        expected += QLatin1Char('-') + ev;
    else if (!sameChapter)
        expected += QStringLiteral(" - ") + ec + QLatin1Char(':') + ev;
    FUZZ_ASSERT(reference == expected, "one of the three forms, chosen by the numbers", reference);
    return 0;
}
