#pragma once

// Turns a fuzzer's bytes into the texts the program meets: the first byte picks how.
//   even: the rest as UTF-8, the way QString::fromUtf8 decodes it (broken sequences become
//         U+FFFD);
//   odd:  the rest as raw UTF-16 code units, which can hold what UTF-8 cannot carry: NUL,
//         lone surrogates, noncharacters.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QString fuzzText(const uint8_t *data, size_t size)
{
    if (size == 0)
        return QString();
    const bool raw = data[0] & 1;
    ++data;
    --size;
    if (!raw)
        return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString text;
    text.reserve(qsizetype(size / 2));
    for (size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    return text;
}

// A failed property: say which, with the result at hand, and abort, so libFuzzer keeps
// the input.
#define FUZZ_ASSERT(condition, what, result)                                                       \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s [%s]\n", what, qPrintable(result));          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
