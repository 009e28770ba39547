// SQLDate gives Null or one ISO date literal, 'yyyy-MM-dd' or 'yyyy-MM-dd hh:mm:ss', and the
// literal reads back (through DateFromValue, as the records read dates) as the same moment
// to the second. The value is text half of the time and a native date or date-time the
// other half, with any year, day and time the bytes make.

#include "FuzzInput.h"
#include "SqlLiterals.h"

#include <QRegularExpression>

namespace {

template <class T> T take(const uint8_t *&data, size_t &size)
{
    T value {};
    for (size_t i = 0; i < sizeof(T) && size > 0; ++i, ++data, --size)
        value = T(value | (T(*data) << (8 * i)));
    return value;
}

QVariant fuzzValue(const uint8_t *data, size_t size)
{
    if (size == 0)
        return QVariant();
    const uint8_t kind = data[0] % 4;
    if (kind < 2)
        return QVariant(fuzzText(data + 1, size - 1));
    ++data;
    --size;
    const int year = take<int32_t>(data, size) % 300000;
    const int month = take<uint8_t>(data, size) % 14;
    const int day = take<uint8_t>(data, size) % 33;
    const QDate date(year, month, day);
    if (kind == 2)
        return QVariant(date);
    const int hour = take<uint8_t>(data, size) % 25;
    const int minute = take<uint8_t>(data, size) % 61;
    const int second = take<uint8_t>(data, size) % 61;
    const int ms = take<uint16_t>(data, size) % 1001;
    return QVariant(QDateTime(date, QTime(hour, minute, second, ms)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression form(
        QStringLiteral("^'\\d{4}-\\d{2}-\\d{2}( \\d{2}:\\d{2}:\\d{2})?'$"));
    const QVariant value = fuzzValue(data, size);
    const QString literal = SQLDate(value);
    if (literal == QLatin1String("Null"))
        return 0;
    FUZZ_ASSERT(form.match(literal).hasMatch(),
        "a date literal is 'yyyy-MM-dd' or 'yyyy-MM-dd hh:mm:ss'", literal);
    const QDateTime written = DateFromValue(value);
    const QDateTime read = DateFromValue(QVariant(literal.mid(1, literal.size() - 2)));
    FUZZ_ASSERT(read.isValid(), "the literal reads back as a date", literal);
    const QDateTime toTheSecond(written.date(),
        QTime(written.time().hour(), written.time().minute(), written.time().second()));
    FUZZ_ASSERT(
        read == toTheSecond, "the literal reads back as the same moment, to the second", literal);
    return 0;
}
