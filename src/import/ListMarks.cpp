#include "ListMarks.h"

namespace ListMarks {

namespace {

QString roman(int value)
{
    static const struct
    {
        int value;
        const char *text;
    } parts[] = { { 1000, "M" }, { 900, "CM" }, { 500, "D" }, { 400, "CD" }, { 100, "C" },
        { 90, "XC" }, { 50, "L" }, { 40, "XL" }, { 10, "X" }, { 9, "IX" }, { 5, "V" }, { 4, "IV" },
        { 1, "I" } };
    if (value <= 0 || value >= 4000)
        return QString::number(value);
    QString text;
    for (const auto &part : parts) {
        while (value >= part.value) {
            text += QLatin1String(part.text);
            value -= part.value;
        }
    }
    return text;
}

QString letters(int value)
{
    if (value <= 0)
        return QString::number(value);
    // 27 is AA, 28 BB: the letter repeated once per round of the alphabet.
    const int round = (value - 1) / 26;
    return QString(qMin(round + 1, 100), QChar(u'A' + (value - 1) % 26));
}

} // namespace

QString number(int value, Format format)
{
    switch (format) {
    case Format::Decimal:
        return QString::number(value);
    case Format::DecimalZero:
        return value < 10 && value >= 0 ? QLatin1Char('0') + QString::number(value)
                                        : QString::number(value);
    case Format::UpperRoman:
        return roman(value);
    case Format::LowerRoman:
        return roman(value).toLower();
    case Format::UpperLetter:
        return letters(value);
    case Format::LowerLetter:
        return letters(value).toLower();
    case Format::Bullet:
    case Format::None:
        break;
    }
    return QString();
}

Format fromWord(QStringView numFmt)
{
    if (numFmt == u"upperRoman")
        return Format::UpperRoman;
    if (numFmt == u"lowerRoman")
        return Format::LowerRoman;
    if (numFmt == u"upperLetter")
        return Format::UpperLetter;
    if (numFmt == u"lowerLetter")
        return Format::LowerLetter;
    if (numFmt == u"decimalZero")
        return Format::DecimalZero;
    if (numFmt == u"bullet")
        return Format::Bullet;
    if (numFmt == u"none")
        return Format::None;
    return Format::Decimal;
}

Format fromOdf(QStringView numFormat)
{
    if (numFormat == u"I")
        return Format::UpperRoman;
    if (numFormat == u"i")
        return Format::LowerRoman;
    if (numFormat == u"A")
        return Format::UpperLetter;
    if (numFormat == u"a")
        return Format::LowerLetter;
    if (numFormat.isEmpty())
        return Format::None;
    return Format::Decimal;
}

QString bullet(const QString &character)
{
    if (character.isEmpty())
        return QStringLiteral("•");
    QString printed;
    for (const QChar c : character)
        printed += (c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF) ? QChar(u'•') : c;
    return printed;
}

} // namespace ListMarks
