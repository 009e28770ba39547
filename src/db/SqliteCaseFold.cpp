#include "SqliteCaseFold.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <sqlite3.h>

namespace {

void caseFoldFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // As LOWER does, a number or a blob is read as its text.
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    const int size = sqlite3_value_bytes(arguments[0]);
    if (!text) {
        sqlite3_result_error_nomem(context);
        return;
    }
    // Nearly every place is ASCII, folded byte by byte; other text goes through Qt.
    const bool ascii = std::all_of(
        text, text + size, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const QByteArray folded = ascii ? QByteArray(text, size).toLower()
                                    : QString::fromUtf8(text, size).toCaseFolded().toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

} // namespace

bool SqliteCaseFold::addSqliteFunction(sqlite3 *handle)
{
    return sqlite3_create_function_v2(handle, SqliteFunction, 1,
               SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr, caseFoldFunction,
               nullptr, nullptr, nullptr)
        == SQLITE_OK;
}
