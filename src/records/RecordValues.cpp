#include "RecordValues.h"

#include "ProgramTranslation.h"
#include "SqlLiterals.h"

#include <limits>

qint16 NullToInteger(const QVariant &value)
{
    const qint32 number = NullToLong(value);
    if (number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        return 0;
    return qint16(number);
}

QString DateText(const QDateTime &value)
{
    if (!value.isValid())
        return QString();
    // Spanish speakers put the day first and count the hours to 24.
    const bool spanish = ProgramTranslation::isSpanish();
    if (value.time() == QTime(0, 0))
        return value.toString(spanish ? QStringLiteral("d/M/yyyy") : QStringLiteral("M/d/yyyy"));
    return value.toString(
        spanish ? QStringLiteral("d/M/yyyy H:mm:ss") : QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

QString MomentText(const QDateTime &value)
{
    if (!value.isValid())
        return QString();
    return value.toString(ProgramTranslation::isSpanish() ? QStringLiteral("d/M/yyyy H:mm")
                                                          : QStringLiteral("M/d/yyyy h:mm AP"));
}

QString DayText(const QDate &value)
{
    if (!value.isValid())
        return QString();
    return value.toString(
        ProgramTranslation::isSpanish() ? QStringLiteral("d/M/yyyy") : QStringLiteral("M/d/yyyy"));
}

QString DateLiteral(const QDateTime &value)
{
    return value.isValid() ? SQLDate(QVariant(value)) : QStringLiteral("Null");
}

QDateTime DateField(const QVariant &value)
{
    return DateFromValue(value);
}

double LeadingNumber(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && text.at(end) == QLatin1Char(' ')) {
        ++end;
    }
    const qsizetype start = end;
    if (end < text.size()
        && (text.at(end) == QLatin1Char('-') || text.at(end) == QLatin1Char('+'))) {
        ++end;
    }
    const auto isDigit = [&text](qsizetype at) {
        return at < text.size() && text.at(at) >= QLatin1Char('0')
            && text.at(at) <= QLatin1Char('9');
    };
    while (isDigit(end)) {
        ++end;
    }
    if (end < text.size() && text.at(end) == QLatin1Char('.')) {
        ++end;
        while (isDigit(end)) {
            ++end;
        }
    }
    bool ok = false;
    const double number = text.mid(start, end - start).toDouble(&ok);
    return ok ? number : 0.0;
}
