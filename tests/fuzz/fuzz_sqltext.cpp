// SQLText must turn any text into one well-formed SQL string literal holding exactly the
// blank-trimmed text, or into Null when nothing but blanks is left.

#include "FuzzInput.h"
#include "SqlLiterals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const QString literal = SQLText(text);
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty()) {
        FUZZ_ASSERT(literal == QLatin1String("Null"), "blank text gives Null", literal);
        return 0;
    }
    FUZZ_ASSERT(
        literal.size() >= 3, "a literal has its quotes and at least one character", literal);
    FUZZ_ASSERT(literal.front() == QLatin1Char('\'') && literal.back() == QLatin1Char('\''),
        "a literal starts and ends with a quote", literal);
    // Inside, quotes come only in pairs; undoubled, the inside is the trimmed text.
    QString inside;
    inside.reserve(literal.size());
    for (qsizetype i = 1; i < literal.size() - 1; ++i) {
        const QChar c = literal.at(i);
        if (c == QLatin1Char('\'')) {
            FUZZ_ASSERT(i + 1 < literal.size() - 1 && literal.at(i + 1) == QLatin1Char('\''),
                "every inner quote is doubled", literal);
            ++i;
        }
        inside.append(c);
    }
    FUZZ_ASSERT(inside == trimmed, "the literal holds exactly the blank-trimmed text", literal);
    FUZZ_ASSERT(inside.front() != QLatin1Char(' ') && inside.back() != QLatin1Char(' '),
        "no surrounding blanks are left", literal);
    return 0;
}
