#include "SpellingHighlighter.h"

#include "SpellChecker.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Calls `found(start, length)` for each word of a line: letters (and marks), with apostrophes
// inside; a run holding a digit or an underscore is a code or a number, not a word to check.
template <typename Found> void forEachWord(const QString &text, Found found)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!text.at(i).isLetterOrNumber()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool plain = true;
        while (i < n
            && (text.at(i).isLetterOrNumber() || text.at(i).isMark()
                || text.at(i) == QLatin1Char('_')
                || (isApostrophe(text.at(i)) && i + 1 < n && text.at(i + 1).isLetter()))) {
            plain = plain && !text.at(i).isDigit() && text.at(i) != QLatin1Char('_');
            ++i;
        }
        if (plain && i - start > 1) {
            found(int(start), int(i - start));
        }
    }
}

} // namespace

SpellingHighlighter::SpellingHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SpellingHighlighter::runSlice);
}

void SpellingHighlighter::setChecker(SpellChecker *checker)
{
    m_checker = checker;
    recheck();
}

void SpellingHighlighter::replaceText(const std::function<void()> &replace)
{
    // Detached, the highlighter leaves the document's changes alone; attached again, it
    // schedules its pass over the whole document for the event loop.
    QTextDocument *text = document();
    setDocument(nullptr);
    replace();
    setDocument(text);
}

void SpellingHighlighter::recheck()
{
    m_known.clear();
    m_unknown.clear();
    m_blocksToRedo.clear();
    rehighlight();
}

bool SpellingHighlighter::isMisspelt(const QString &word) const
{
    const auto found = m_known.constFind(word);
    return found != m_known.cend() && !found.value();
}

bool SpellingHighlighter::isBusy() const
{
    return !m_unknown.isEmpty() || !m_blocksToRedo.isEmpty();
}

void SpellingHighlighter::highlightBlock(const QString &text)
{
    if (!m_checker || !m_checker->isOpen()) {
        return;
    }
    QTextCharFormat wrong;
    wrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    wrong.setUnderlineColor(Qt::red);
    bool waiting = false;
    forEachWord(text, [&](int start, int length) {
        const QString word = text.mid(start, length);
        const auto found = m_known.constFind(word);
        if (found == m_known.cend()) {
            m_unknown.insert(word);
            waiting = true;
        } else if (!found.value()) {
            setFormat(start, length, wrong);
        }
    });
    if (waiting) {
        m_blocksToRedo.insert(currentBlock().blockNumber());
        // A pause in the typing starts the check; each key puts it off again.
        m_timer->start(PauseMs);
    }
}

void SpellingHighlighter::runSlice()
{
    QElapsedTimer slice;
    slice.start();
    if (!m_checker || !m_checker->isOpen()) {
        m_unknown.clear();
        m_blocksToRedo.clear();
        return;
    }
    while (!m_unknown.isEmpty() && slice.elapsed() < SliceMs) {
        const QString word = *m_unknown.cbegin();
        m_unknown.erase(m_unknown.cbegin());
        m_known.insert(word, m_checker->isCorrect(word));
    }
    if (m_unknown.isEmpty()) {
        // Blocks are redone only once every word is known, so each is laid out once.
        while (!m_blocksToRedo.isEmpty() && slice.elapsed() < SliceMs) {
            const int number = *m_blocksToRedo.cbegin();
            m_blocksToRedo.erase(m_blocksToRedo.cbegin());
            const QTextBlock block
                = document() ? document()->findBlockByNumber(number) : QTextBlock();
            if (block.isValid()) {
                rehighlightBlock(block);
            }
        }
    }
    m_longestSliceMs = qMax(m_longestSliceMs, double(slice.nsecsElapsed()) / 1e6);
    if (isBusy()) {
        m_timer->start(0);
    } else {
        Q_EMIT settled();
    }
}

SpellingHighlighter::Word SpellingHighlighter::wordAt(const QTextDocument *document, int position)
{
    const QTextBlock block = document->findBlock(position);
    if (!block.isValid()) {
        return {};
    }
    const int offset = position - block.position();
    Word hit;
    forEachWord(block.text(), [&](int start, int length) {
        if (offset >= start && offset <= start + length && hit.text.isEmpty()) {
            hit = { block.text().mid(start, length), block.position() + start, length };
        }
    });
    return hit;
}
