#pragma once

#include <QStringView>
#include <array>
#include <string>

// Finds a search text in UTF-8 text without converting it, with the verdicts of
// QStringMatcher(text, Qt::CaseInsensitive) on the same text in UTF-16: both sides are
// compared one UTF-16 unit at a time after simple case folding. Qt folds the halves of a
// surrogate pair to a surrogate and to the whole folded character, neither of which a unit
// of the BMP folds to, so a character beyond the BMP never takes part in a match of a search
// without one. ASCII bytes fold through a table and are skipped 16 at a time until one could
// start a match; only bytes of 0x80 and above are decoded.
//
// The text must be what SQLite's own UTF-8 to UTF-16 conversion reads the same way: strict
// UTF-8 without surrogates. Anything else (a stray continuation byte, an overlong form, a
// truncated sequence) makes the answer Unsure before a verdict could differ from Qt's; the
// caller then converts the text and asks QStringMatcher.
class Utf8FoldedMatcher
{
public:
    enum class Verdict { NotFound, Found, Unsure };

    // `text` must not be empty and must hold no surrogate: the UTF-8 side cannot line up a
    // search that starts or ends inside a surrogate pair (the caller keeps QStringMatcher for
    // those).
    explicit Utf8FoldedMatcher(QStringView text);
    static bool canMatch(QStringView text);

    Verdict find(const unsigned char *bytes, qsizetype size) const;

private:
    // The first byte at or after `from` that could start a match: an ASCII byte equal to the
    // first search unit in either case (and, when the second search unit is ASCII too, followed
    // by that unit or by a non-ASCII byte), or any byte of 0x80 and above.
    const unsigned char *nextCandidate(const unsigned char *from, const unsigned char *end) const;
    // Whether the units from `next` on equal the search units from `unit` on.
    Verdict matchesFrom(const unsigned char *next, const unsigned char *end, size_t unit) const;

    std::u16string m_units; // the search text, folded
    // The ASCII bytes that fold to the first and second search units (0 when none does).
    std::array<unsigned char, 2> m_first {};
    std::array<unsigned char, 2> m_second {};
    bool m_secondAscii = false;
};
