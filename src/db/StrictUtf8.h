#pragma once

#include <QString>

// Reading SQLite's UTF-8 text without SQLite's conversion to UTF-16, where that gives the same
// units. SQLite converts any bytes at all: a stray continuation byte becomes a Latin-1
// character, an overlong form or a surrogate U+FFFD, a truncated sequence takes in the bytes
// after it. Only strict UTF-8 (no overlong form, no surrogate, nothing beyond U+10FFFF, no
// continuation byte left over) reads the same both ways, and that is all these accept.
namespace StrictUtf8 {

// One character of strict UTF-8 at `at` (its first byte >= 0x80), as SQLite's conversion to
// UTF-16 reads it; 0 bytes when the text is anything but strict UTF-8 there, or when a stray
// continuation byte follows (SQLite would read it into the same character).
int decode(const unsigned char *at, const unsigned char *end, char32_t &character);

// The text in UTF-16 exactly as SQLite's conversion gives it, into `text`; false (and `text`
// unspecified) when the bytes are not strict UTF-8 and only SQLite's conversion can tell.
bool toUtf16(const unsigned char *bytes, qsizetype size, QString &text);

} // namespace StrictUtf8
