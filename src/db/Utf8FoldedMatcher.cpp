#include "Utf8FoldedMatcher.h"

#include "StrictUtf8.h"

#include <QChar>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The folding QStringMatcher applies to a character of the BMP.
inline char16_t foldedUnit(char32_t character)
{
    return char16_t(QChar::toCaseFolded(character));
}

struct AsciiFolds
{
    AsciiFolds()
    {
        for (unsigned byte = 0; byte < 0x80; ++byte)
            folded[byte] = foldedUnit(byte);
    }
    std::array<char16_t, 0x80> folded {};
};

const AsciiFolds &asciiFolds()
{
    static const AsciiFolds table;
    return table;
}

// No ASCII byte folds to the unit: a byte value that stops the scan anyway (it is >= 0x80).
constexpr unsigned char NoAsciiByte = 0x80;

std::array<unsigned char, 2> asciiBytesFoldingTo(char16_t unit)
{
    std::array<unsigned char, 2> bytes { NoAsciiByte, NoAsciiByte };
    int found = 0;
    for (unsigned byte = 0; byte < 0x80 && found < 2; ++byte) {
        if (asciiFolds().folded[byte] == unit)
            bytes[size_t(found++)] = static_cast<unsigned char>(byte);
    }
    if (found == 1)
        bytes[1] = bytes[0];
    return bytes;
}

} // namespace

Utf8FoldedMatcher::Utf8FoldedMatcher(QStringView text)
{
    m_units.reserve(size_t(text.size()));
    for (const QChar c : text)
        m_units.push_back(foldedUnit(c.unicode()));
    m_first = asciiBytesFoldingTo(m_units.front());
    m_secondAscii = m_units.size() > 1 && m_first[0] != NoAsciiByte;
    if (m_secondAscii) {
        m_second = asciiBytesFoldingTo(m_units[1]);
        m_secondAscii = m_second[0] != NoAsciiByte;
    }
}

bool Utf8FoldedMatcher::canMatch(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c.isSurrogate())
            return false;
    }
    return true;
}

const unsigned char *Utf8FoldedMatcher::nextCandidate(
    const unsigned char *from, const unsigned char *end) const
{
    const unsigned char a = m_first[0];
    const unsigned char b = m_first[1];
    const unsigned char *at = from;
#if defined(__SSE2__)
    const __m128i firstA = _mm_set1_epi8(char(a));
    const __m128i firstB = _mm_set1_epi8(char(b));
    if (m_secondAscii) {
        const __m128i secondA = _mm_set1_epi8(char(m_second[0]));
        const __m128i secondB = _mm_set1_epi8(char(m_second[1]));
        // 17 bytes in view: each of the 16 positions with the byte after it.
        while (end - at >= 17) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 1));
            const __m128i first
                = _mm_or_si128(_mm_cmpeq_epi8(here, firstA), _mm_cmpeq_epi8(here, firstB));
            const __m128i second = _mm_or_si128(
                _mm_or_si128(_mm_cmpeq_epi8(next, secondA), _mm_cmpeq_epi8(next, secondB)), next);
            // The sign bit of each byte: a pair that starts the search, or a non-ASCII byte.
            const int hits = _mm_movemask_epi8(_mm_or_si128(_mm_and_si128(first, second), here));
            if (hits != 0)
                return at + std::countr_zero(unsigned(hits));
            at += 16;
        }
    } else {
        while (end - at >= 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
            const __m128i first
                = _mm_or_si128(_mm_cmpeq_epi8(here, firstA), _mm_cmpeq_epi8(here, firstB));
            const int hits = _mm_movemask_epi8(_mm_or_si128(first, here));
            if (hits != 0)
                return at + std::countr_zero(unsigned(hits));
            at += 16;
        }
    }
#endif
    for (; at < end; ++at) {
        const unsigned char byte = *at;
        if (byte >= 0x80)
            return at;
        if (byte != a && byte != b)
            continue;
        if (!m_secondAscii || at + 1 == end)
            return at;
        const unsigned char next = at[1];
        if (next >= 0x80 || next == m_second[0] || next == m_second[1])
            return at;
    }
    return end;
}

Utf8FoldedMatcher::Verdict Utf8FoldedMatcher::matchesFrom(
    const unsigned char *next, const unsigned char *end, size_t unit) const
{
    const std::array<char16_t, 0x80> &ascii = asciiFolds().folded;
    while (unit < m_units.size()) {
        if (next == end)
            return Verdict::NotFound;
        const unsigned char byte = *next;
        if (byte < 0x80) {
            if (ascii[byte] != m_units[unit])
                return Verdict::NotFound;
            ++next;
            ++unit;
            continue;
        }
        char32_t character = 0;
        const int length = StrictUtf8::decode(next, end, character);
        if (length == 0)
            return Verdict::Unsure;
        if (character > 0xFFFF || foldedUnit(character) != m_units[unit])
            return Verdict::NotFound;
        next += length;
        ++unit;
    }
    return Verdict::Found;
}

Utf8FoldedMatcher::Verdict Utf8FoldedMatcher::find(const unsigned char *bytes, qsizetype size) const
{
    const unsigned char *end = bytes + size;
    const unsigned char *at = bytes;
    const char16_t first = m_units.front();
    while ((at = nextCandidate(at, end)) != end) {
        if (*at < 0x80) {
            // The scan stops only on bytes that fold to the first unit.
            const Verdict verdict = matchesFrom(at + 1, end, 1);
            if (verdict != Verdict::NotFound)
                return verdict;
            ++at;
            continue;
        }
        char32_t character = 0;
        const int length = StrictUtf8::decode(at, end, character);
        if (length == 0)
            return Verdict::Unsure;
        if (character <= 0xFFFF && foldedUnit(character) == first) {
            const Verdict verdict = matchesFrom(at + length, end, 1);
            if (verdict != Verdict::NotFound)
                return verdict;
        }
        at += length;
    }
    return Verdict::NotFound;
}
