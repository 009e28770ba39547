#include "SqliteDayNumber.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <sqlite3.h>
#include <string_view>

namespace {

constexpr qint64 ZeroDate = 18991230; // an empty date field

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// CAST(text AS INTEGER): leading blanks skipped, an optional sign, the longest run of digits
// (0 when there is none), held at the largest integer rather than overflowing.
qint64 castToInteger(std::string_view text)
{
    size_t at = 0;
    while (at < text.size()
        && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\f'
            || text[at] == '\v' || text[at] == '\r')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        const int digit = text[at] - '0';
        value = value > (largest - digit) / 10 ? largest : value * 10 + digit;
    }
    return negative ? -value : value;
}

// Up to `characters` characters of UTF-8 text from its start: CAST reads no further than the
// first byte that is not a digit, so counting bytes where every byte read is ASCII is exact.
std::string_view leading(std::string_view text, size_t characters)
{
    return text.substr(0, std::min(characters, text.size()));
}

// GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'
bool isIso(std::string_view t)
{
    if (t.size() < 10 || t[4] != '-' || t[7] != '-')
        return false;
    for (size_t i : { 0, 1, 2, 3, 5, 6, 8, 9 }) {
        if (!isDigit(t[i]))
            return false;
    }
    return true;
}

// GLOB '[0-9]*/[0-9]*/[0-9][0-9][0-9][0-9]*': a digit first, then a slash with a digit after
// it, and later a second slash with four digits after it.
bool isUs(std::string_view t)
{
    if (t.empty() || !isDigit(t[0]))
        return false;
    size_t first = 1;
    while (first + 1 < t.size() && !(t[first] == '/' && isDigit(t[first + 1])))
        ++first;
    if (first + 1 >= t.size())
        return false;
    for (size_t second = first + 2; second + 4 < t.size(); ++second) {
        if (t[second] == '/' && isDigit(t[second + 1]) && isDigit(t[second + 2])
            && isDigit(t[second + 3]) && isDigit(t[second + 4]))
            return true;
    }
    return false;
}

// yyyy * 10000 + mm * 100 + dd as SQLite computes it: in integers while they hold the sum,
// else approximately, as SQLite turns an overflowing sum into a real number.
void resultDay(sqlite3_context *context, qint64 year, qint64 month, qint64 day)
{
    constexpr qint64 safe = qint64(1) << 48;
    if (std::llabs(year) < safe && std::llabs(month) < safe && std::llabs(day) < safe) {
        const qint64 value = year * 10000 + month * 100 + day;
        if (value == ZeroDate)
            sqlite3_result_null(context);
        else
            sqlite3_result_int64(context, value);
        return;
    }
    sqlite3_result_double(context, double(year) * 10000 + double(month) * 100 + double(day));
}

void dayNumberFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    if (!bytes) {
        sqlite3_result_null(context);
        return;
    }
    const std::string_view t(bytes, size_t(sqlite3_value_bytes(arguments[0])));
    if (isIso(t)) {
        resultDay(context, castToInteger(t.substr(0, 4)), castToInteger(t.substr(5, 2)),
            castToInteger(t.substr(8, 2)));
        return;
    }
    if (!isUs(t)) {
        sqlite3_result_null(context);
        return;
    }
    // The month before the first slash, the day before the next, the year's four characters
    // after that one.
    const size_t firstSlash = t.find('/');
    const std::string_view rest = t.substr(firstSlash + 1);
    const size_t secondSlash = rest.find('/');
    resultDay(context, castToInteger(leading(rest.substr(secondSlash + 1), 4)),
        castToInteger(t.substr(0, firstSlash)), castToInteger(rest.substr(0, secondSlash)));
}

} // namespace

bool SqliteDayNumber::addSqliteFunction(sqlite3 *handle)
{
    return sqlite3_create_function_v2(handle, SqliteFunction, 1,
               SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr, dayNumberFunction,
               nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

QString SqliteDayNumber::sql(const QString &column)
{
    return QLatin1String(SqliteFunction) + QLatin1Char('(') + column + QLatin1Char(')');
}
