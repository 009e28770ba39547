#include "DbTextContains.h"

#include <QHash>
#include <QStringMatcher>
#include <memory>
#include <sqlite3.h>

namespace {

// The search text of one statement, prepared once: SQLite keeps it beside the statement's
// constant argument for as long as the statement runs.
struct PreparedText
{
    explicit PreparedText(const QString &text)
        : empty(text.isEmpty())
        , matcher(text, Qt::CaseInsensitive)
    {
    }
    bool empty;
    QStringMatcher matcher;
};

QStringView textArgument(sqlite3_value *value)
{
    const void *units = sqlite3_value_text16(value);
    if (!units)
        return {};
    return QStringView(static_cast<const char16_t *>(units), sqlite3_value_bytes16(value) / 2);
}

void containsFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const QStringView field = textArgument(arguments[0]);
    if (field.isEmpty()) {
        sqlite3_result_int(context, 0);
        return;
    }
    auto *prepared = static_cast<PreparedText *>(sqlite3_get_auxdata(context, 1));
    std::unique_ptr<PreparedText> fresh;
    if (!prepared) {
        fresh = std::make_unique<PreparedText>(textArgument(arguments[1]).toString());
        prepared = fresh.get();
    }
    const bool found = prepared->empty || prepared->matcher.indexIn(field) >= 0;
    sqlite3_result_int(context, found ? 1 : 0);
    if (fresh) {
        // SQLite owns it from here and may free it at once: it is not touched again.
        sqlite3_set_auxdata(context, 1, fresh.release(),
            [](void *text) { delete static_cast<PreparedText *>(text); });
    }
}

// Every BMP character grouped by its case folding, as the case-insensitive matcher folds.
const QHash<char16_t, std::u16string> &foldClasses()
{
    static const QHash<char16_t, std::u16string> classes = [] {
        QHash<char16_t, std::u16string> grouped;
        for (char32_t unit = 1; unit <= 0xFFFF; ++unit) {
            if (QChar::isSurrogate(unit))
                continue;
            grouped[char16_t(QChar::toCaseFolded(unit))].push_back(char16_t(unit));
        }
        return grouped;
    }();
    return classes;
}

// Long enough for any search a user types; a pasted page is left to the program.
constexpr qsizetype LongestPattern = 200;

} // namespace

bool DbTextContains::addSqliteFunction(sqlite3 *handle)
{
    return sqlite3_create_function_v2(handle, SqliteFunction, 2,
               SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr, containsFunction, nullptr, nullptr,
               nullptr)
        == SQLITE_OK;
}

QString DbTextContains::postgresPattern(const QString &text)
{
    if (text.isEmpty() || text.size() > LongestPattern)
        return {};
    const QHash<char16_t, std::u16string> &classes = foldClasses();
    QString pattern;
    auto escape = [&pattern](char16_t unit) {
        pattern += QStringLiteral("\\u%1").arg(uint(unit), 4, 16, QLatin1Char('0'));
    };
    for (const QChar c : text) {
        if (c.isNull() || c.isSurrogate())
            return {};
        const auto sameLetter = classes.constFind(char16_t(c.toCaseFolded().unicode()));
        if (sameLetter == classes.cend() || sameLetter->size() <= 1) {
            escape(c.unicode());
            continue;
        }
        pattern += QLatin1Char('[');
        for (const char16_t unit : *sameLetter)
            escape(unit);
        pattern += QLatin1Char(']');
    }
    return pattern;
}
