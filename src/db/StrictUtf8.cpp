#include "StrictUtf8.h"

#include <cstdint>
#include <cstring>

namespace {

inline bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// How many bytes from the start are ASCII, eight at a time.
qsizetype asciiPrefix(const unsigned char *bytes, qsizetype size)
{
    qsizetype at = 0;
    for (; at + 8 <= size; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        if (word & 0x8080808080808080ULL)
            break;
    }
    while (at < size && bytes[at] < 0x80)
        ++at;
    return at;
}

} // namespace

int StrictUtf8::decode(const unsigned char *at, const unsigned char *end, char32_t &character)
{
    const unsigned char lead = at[0];
    int length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (end - at < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(at[i]))
            return 0;
        value = (value << 6) | (at[i] & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    if (at + length < end && isContinuation(at[length]))
        return 0;
    // SQLite turns the two non-characters U+FFFE and U+FFFF into U+FFFD.
    character = (value & 0xFFFFFFFE) == 0xFFFE ? char32_t(0xFFFD) : value;
    return length;
}

bool StrictUtf8::toUtf16(const unsigned char *bytes, qsizetype size, QString &text)
{
    const qsizetype ascii = asciiPrefix(bytes, size);
    if (ascii == size) {
        text = QString::fromLatin1(reinterpret_cast<const char *>(bytes), size);
        return true;
    }
    // A character never takes more UTF-16 units than UTF-8 bytes.
    text.resize(size);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    char16_t *const start = out;
    for (qsizetype i = 0; i < ascii; ++i)
        *out++ = bytes[i];
    const unsigned char *at = bytes + ascii;
    const unsigned char *const end = bytes + size;
    while (at < end) {
        if (*at < 0x80) {
            *out++ = *at++;
            continue;
        }
        char32_t character = 0;
        const int length = decode(at, end, character);
        if (length == 0)
            return false;
        at += length;
        if (QChar::requiresSurrogates(character)) {
            *out++ = QChar::highSurrogate(character);
            *out++ = QChar::lowSurrogate(character);
        } else {
            *out++ = char16_t(character);
        }
    }
    text.truncate(out - start);
    return true;
}
