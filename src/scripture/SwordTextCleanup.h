#pragma once

#include <swfilter.h>

#include <string>

// A raw filter put in front of SWORD's own option and render filters, so that what they
// produce reads as the verse printed in a Bible:
//  - a note that stands where a space stood ("Christ,<note>…</note>the") leaves that space
//    behind when the footnote filter drops it ("Christ, the"); before punctuation it leaves
//    none;
//  - nothing after the end of the book belongs to the verse: some modules carry appendices
//    (the WEB its glossary) inside the last verse's entry;
//  - word tags (Strong's numbers, morphology) go before SWORD's filters parse them.
// Included only by the scripture library's own sources (SWORD's headers are system headers
// there).
class SwordTextCleanup : public sword::SWFilter
{
public:
    char processText(sword::SWBuf &text, const sword::SWKey *key = nullptr,
        const sword::SWModule *module = nullptr) override;

    // The same on a plain string, for the parts that do not go through SWORD.
    static std::string cleaned(const std::string &raw);
};
