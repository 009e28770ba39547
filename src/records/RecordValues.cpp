#include "RecordValues.h"

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
    if (value.time() == QTime(0, 0))
        return value.toString(QStringLiteral("M/d/yyyy"));
    return value.toString(QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

QString DateLiteral(const QDateTime &value)
{
    return value.isValid() ? SQLDate(QVariant(value)) : QStringLiteral("Null");
}

QDateTime DateField(const QVariant &value)
{
    return DateFromValue(value);
}
