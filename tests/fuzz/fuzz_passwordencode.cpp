// PasswordEncode gives one symbol per character of the blank-trimmed, upper-cased password:
// the substitute of one of the 37 symbols, or "?" for anything else. Letter case never
// matters.

#include "FuzzInput.h"
#include "PasswordEncode.h"
#include "SqlLiterals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString plain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
    static const QString substitute = QStringLiteral("Q7XK_2MLZ9AEHV0RJ1YD5BWN3TCF8GI6OUS4P");
    const QString typed = fuzzText(data, size);
    const QString encoded = PasswordEncode(typed);
    const QString upper = TrimBlanks(typed).toUpper();
    FUZZ_ASSERT(encoded.size() == upper.size(), "one symbol per character", encoded);
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const qsizetype position = plain.indexOf(upper.at(i));
        if (position >= 0)
            FUZZ_ASSERT(encoded.at(i) == substitute.at(position), "a symbol becomes its substitute",
                encoded);
        else
            FUZZ_ASSERT(encoded.at(i) == QLatin1Char('?'), "anything else becomes ?", encoded);
    }
    bool ascii = true;
    for (const QChar c : typed)
        ascii = ascii && c.unicode() < 128;
    if (ascii) {
        FUZZ_ASSERT(
            PasswordEncode(typed.toLower()) == encoded, "lower case encodes alike", encoded);
        FUZZ_ASSERT(
            PasswordEncode(typed.toUpper()) == encoded, "upper case encodes alike", encoded);
    }
    return 0;
}
