#include "DbTextContains.h"

#include "Utf8FoldedMatcher.h"

#include <QHash>
#include <QStringMatcher>
#include <memory>
#include <optional>
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
        if (Utf8FoldedMatcher::canMatch(text))
            utf8.emplace(text);
    }
    bool empty;
    QStringMatcher matcher;
    // Reads the database's own UTF-8 where the search allows it.
    std::optional<Utf8FoldedMatcher> utf8;
};

QStringView textArgument(sqlite3_value *value)
{
    const void *units = sqlite3_value_text16(value);
    if (!units)
        return {};
    return QStringView(static_cast<const char16_t *>(units), sqlite3_value_bytes16(value) / 2);
}

// The verdict on the field's text as UTF-8, or Unsure when only its UTF-16 form can tell: a
// blob (SQLite hands its bytes over as they are, which differ between the two forms) or text
// that is not strict UTF-8.
Utf8FoldedMatcher::Verdict foundInUtf8(sqlite3_value *field, const PreparedText &prepared)
{
    if (!prepared.utf8 || sqlite3_value_type(field) == SQLITE_BLOB)
        return Utf8FoldedMatcher::Verdict::Unsure;
    const unsigned char *bytes = sqlite3_value_text(field);
    const int size = sqlite3_value_bytes(field);
    if (!bytes || size == 0)
        return Utf8FoldedMatcher::Verdict::NotFound;
    return prepared.utf8->find(bytes, size);
}

void containsFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_int(context, 0);
        return;
    }
    auto *prepared = static_cast<PreparedText *>(sqlite3_get_auxdata(context, 1));
    std::unique_ptr<PreparedText> fresh;
    if (!prepared) {
        fresh = std::make_unique<PreparedText>(textArgument(arguments[1]).toString());
        prepared = fresh.get();
    }
    bool found = false;
    const Utf8FoldedMatcher::Verdict verdict = foundInUtf8(arguments[0], *prepared);
    if (verdict != Utf8FoldedMatcher::Verdict::Unsure) {
        found = verdict == Utf8FoldedMatcher::Verdict::Found;
    } else {
        const QStringView field = textArgument(arguments[0]);
        found = !field.isEmpty() && (prepared->empty || prepared->matcher.indexIn(field) >= 0);
    }
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
    return sqlite3_create_function_v2(handle, SqliteFunction, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
               nullptr, containsFunction, nullptr, nullptr, nullptr)
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
