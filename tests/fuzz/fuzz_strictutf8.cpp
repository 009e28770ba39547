// Any bytes a text column may hold: where StrictUtf8 reads them itself, it must read exactly
// what SQLite's own conversion to UTF-16 gives, and it must read every well-formed text that
// has no U+FFFE or U+FFFF (which SQLite alone turns into U+FFFD).

#include "FuzzInput.h"
#include "StrictUtf8.h"

#include <sqlite3.h>

namespace {

QString sqliteReading(const uint8_t *data, size_t size)
{
    static sqlite3 *db = [] {
        sqlite3 *opened = nullptr;
        sqlite3_open(":memory:", &opened);
        return opened;
    }();
    static sqlite3_stmt *statement = [] {
        sqlite3_stmt *prepared = nullptr;
        sqlite3_prepare_v2(db, "SELECT ?", -1, &prepared, nullptr);
        return prepared;
    }();
    // Bound as UTF-8 text, the bytes are stored as they are, as another program may have.
    sqlite3_bind_text(
        statement, 1, reinterpret_cast<const char *>(data), int(size), SQLITE_TRANSIENT);
    sqlite3_step(statement);
    const QString read(static_cast<const QChar *>(sqlite3_column_text16(statement, 0)),
        sqlite3_column_bytes16(statement, 0) / 2);
    sqlite3_reset(statement);
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString expected = sqliteReading(data, size);
    QString read;
    const bool own = StrictUtf8::toUtf16(data, qsizetype(size), read);
    if (own)
        FUZZ_ASSERT(read == expected, "a text read straight reads as SQLite reads it", read);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = QString::fromUtf8(bytes);
    const bool wellFormed = decoded.toUtf8() == bytes && !decoded.contains(QChar(0xFFFE))
        && !decoded.contains(QChar(0xFFFF));
    if (wellFormed)
        FUZZ_ASSERT(own, "well-formed text is read straight", decoded);
    return 0;
}
