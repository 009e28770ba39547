#include "SqlLiterals.h"

#include <QStringList>
#include <limits>

QString ReplaceAll(const QString &text, const QString &find, const QString &replacement)
{
    if (find.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(find, from);
        if (at < 0)
            break;
        result += QStringView(text).mid(from, at - from);
        result += replacement;
        from = at + find.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString TrimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.mid(begin, end - begin);
}

QString SQLText(const QString &value)
{
    const QString trimmed = TrimBlanks(value);
    if (trimmed.isEmpty())
        return QStringLiteral("Null");
    return SQLQuoted(trimmed);
}

QString SQLQuoted(const QString &value)
{
    return QLatin1Char('\'') + ReplaceAll(value, QStringLiteral("'"), QStringLiteral("''"))
        + QLatin1Char('\'');
}

QDateTime DateFromValue(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate: {
        const QDate date = value.toDate();
        return date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
    }
    case QMetaType::QDateTime:
        return value.toDateTime();
    default:
        break;
    }
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return {};
    // The form every engine stores a day in, read by hand: QDate::fromString interprets its
    // format anew on each call, which showed in the time a sermon takes to open.
    if (text.size() == 10 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-')) {
        int parts[3] = { 0, 0, 0 };
        bool digits = true;
        for (qsizetype i = 0; i < 10 && digits; ++i) {
            if (i == 4 || i == 7)
                continue;
            const char16_t c = text.at(i).unicode();
            digits = c >= u'0' && c <= u'9';
            int &part = parts[i < 4 ? 0 : i < 7 ? 1 : 2];
            part = part * 10 + (c - u'0');
        }
        if (digits) {
            const QDate date(parts[0], parts[1], parts[2]);
            return date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
        }
    }
    static const QStringList dateTimeForms = {
        QStringLiteral("yyyy-MM-dd hh:mm:ss"),
        QStringLiteral("yyyy-MM-ddThh:mm:ss"),
        QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"),
        QStringLiteral("yyyy-MM-dd hh:mm"),
        QStringLiteral("M/d/yyyy h:mm:ss AP"),
        QStringLiteral("M/d/yyyy h:mm AP"),
        QStringLiteral("M/d/yyyy H:mm:ss"),
        QStringLiteral("M/d/yyyy H:mm"),
    };
    static const QStringList dateForms = {
        QStringLiteral("yyyy-MM-dd"),
        QStringLiteral("M/d/yyyy"),
    };
    for (const QString &form : dateForms) {
        const QDate date = QDate::fromString(text, form);
        if (date.isValid())
            return QDateTime(date, QTime(0, 0));
    }
    for (const QString &form : dateTimeForms) {
        const QDateTime moment = QDateTime::fromString(text, form);
        if (moment.isValid())
            return moment;
    }
    return {};
}

QString SQLDate(const QVariant &value)
{
    const QDateTime moment = DateFromValue(value);
    if (!moment.isValid())
        return QStringLiteral("Null");
    // The zero date is what an empty date field holds.
    if (moment == QDateTime(QDate(1899, 12, 30), QTime(0, 0)))
        return QStringLiteral("Null");
    // The literal's year has four digits. A native date value can hold a year before 1 or
    // after 9999, which has no such form: written as it is, it would be a text no engine
    // reads as a date.
    const int year = moment.date().year();
    if (year < 1 || year > 9999)
        return QStringLiteral("Null");
    const QTime time = moment.time();
    if (time == QTime(0, 0))
        return QLatin1Char('\'') + moment.date().toString(QStringLiteral("yyyy-MM-dd"))
            + QLatin1Char('\'');
    return QLatin1Char('\'') + moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
        + QLatin1Char('\'');
}

QString SQLLong(qint64 value)
{
    return QString::number(value);
}

qint32 NullToLong(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::UShort:
        return value.toInt();
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Long: {
        const qlonglong number = value.toLongLong();
        if (number < std::numeric_limits<qint32>::min()
            || number > std::numeric_limits<qint32>::max())
            return 0;
        return qint32(number);
    }
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    default:
        break;
    }
    // The leading digits of the text form, with an optional sign: "12abc" reads 12.
    const QString text = value.toString().trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 number = 0;
    bool anyDigit = false;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
        anyDigit = true;
        number = number * 10 + (text.at(i).unicode() - '0');
        if (number > qint64(std::numeric_limits<qint32>::max()) + 1)
            return 0;
    }
    if (!anyDigit)
        return 0;
    if (negative)
        number = -number;
    if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return 0;
    return qint32(number);
}

QString NullToText(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    return TrimBlanks(value.toString());
}
