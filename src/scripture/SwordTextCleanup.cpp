#include "SwordTextCleanup.h"

#include <swbuf.h>

#include <cctype>
#include <cstddef>

namespace {

// The last character before `pos` that is text, not part of a tag; 0 at the start.
char visibleBefore(const std::string &text, std::size_t pos)
{
    while (pos > 0) {
        const char c = text[pos - 1];
        if (c != '>') {
            return c;
        }
        const std::size_t open = text.rfind('<', pos - 1);
        if (open == std::string::npos) {
            return c;
        }
        pos = open;
    }
    return 0;
}

// The first character at or after `pos` that is text, not part of a tag; 0 at the end.
char visibleFrom(const std::string &text, std::size_t pos)
{
    while (pos < text.size()) {
        if (text[pos] != '<') {
            return text[pos];
        }
        const std::size_t close = text.find('>', pos);
        if (close == std::string::npos) {
            return 0;
        }
        pos = close + 1;
    }
    return 0;
}

bool isSpace(char c)
{
    return c == 0 || std::isspace(static_cast<unsigned char>(c));
}

// Punctuation that follows a word without a space; a note before it needs no space either.
bool closesWord(char c)
{
    static const std::string closing = ".,;:!?)]'\"";
    // UTF-8 closing quotes (’ ”) start with 0xE2; a following word starts otherwise.
    return closing.find(c) != std::string::npos || static_cast<unsigned char>(c) == 0xE2;
}

void spaceNotes(std::string &text)
{
    std::size_t pos = 0;
    while ((pos = text.find("<note", pos)) != std::string::npos) {
        const std::size_t end = text.find("</note>", pos);
        if (end == std::string::npos) {
            return;
        }
        const std::size_t after = end + 7;
        const char before = visibleBefore(text, pos);
        const char next = visibleFrom(text, after);
        if (!isSpace(before) && !isSpace(next) && !closesWord(next)) {
            text.insert(after, 1, ' ');
        }
        pos = after;
    }
}

// Cuts what follows the end milestone of a book (<div ... eID=... type="book"/>).
void cutAfterBookEnd(std::string &text)
{
    std::size_t pos = 0;
    while ((pos = text.find("<div", pos)) != std::string::npos) {
        const std::size_t close = text.find('>', pos);
        if (close == std::string::npos) {
            return;
        }
        const std::string tag = text.substr(pos, close - pos + 1);
        if (tag.find("eID=") != std::string::npos
            && tag.find("type=\"book\"") != std::string::npos) {
            text.resize(close + 1);
            return;
        }
        pos = close + 1;
    }
}

// Drops the word tags (<w lemma="strong:..." morph="...">word</w> keeps "word"). They carry
// the Strong's numbers and morphology that the text never shows, and they are most of a
// tagged module's markup: without them SWORD's filters have a third as much to parse.
void dropWordTags(std::string &text)
{
    std::string kept;
    kept.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('<', pos);
        if (open == std::string::npos) {
            kept.append(text, pos, std::string::npos);
            break;
        }
        kept.append(text, pos, open - pos);
        const std::size_t close = text.find('>', open);
        if (close == std::string::npos) {
            kept.append(text, open, std::string::npos);
            break;
        }
        const bool wordTag = text.compare(open, 3, "<w ") == 0 || text.compare(open, 3, "<w>") == 0
            || text.compare(open, 4, "</w>") == 0;
        if (!wordTag) {
            kept.append(text, open, close - open + 1);
        }
        pos = close + 1;
    }
    text.swap(kept);
}

} // namespace

std::string SwordTextCleanup::cleaned(const std::string &raw)
{
    std::string text = raw;
    cutAfterBookEnd(text);
    dropWordTags(text);
    spaceNotes(text);
    return text;
}

char SwordTextCleanup::processText(
    sword::SWBuf &text, const sword::SWKey * /*key*/, const sword::SWModule * /*module*/)
{
    const std::string fixed = cleaned(std::string(text.c_str(), text.length()));
    text = fixed.c_str();
    return 0;
}
