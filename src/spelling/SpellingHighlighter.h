#pragma once

#include <QHash>
#include <QSet>
#include <QSyntaxHighlighter>

#include <functional>

class QTimer;
class SpellChecker;

// Underlines the misspelt words of a text document. Typing never waits for the dictionary:
// a block being laid out only looks its words up in the answers already known, and words not
// yet known are checked on a timer, in slices of a few milliseconds between which the program
// handles keys and paints; the blocks that held them are then underlined, again in slices.
class SpellingHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    static constexpr int SliceMs = 6;
    static constexpr int PauseMs = 300;

    explicit SpellingHighlighter(QTextDocument *document);

    // The checker to use (not owned); null or a closed checker turns underlining off.
    void setChecker(SpellChecker *checker);
    SpellChecker *checker() const { return m_checker; }
    // Runs `replace`, which puts a whole new text into the document, without underlining it
    // there and then: the underlining pass runs from the event loop, so a screen that shows a
    // new text (a sermon chosen in a list) is not held up by it.
    void replaceText(const std::function<void()> &replace);
    // Forgets every answer (after a word was added or the dictionary changed) and checks again.
    void recheck();

    // The word at a document position and its span; empty when there is none.
    struct Word
    {
        QString text;
        int start = 0;
        int length = 0;
    };
    static Word wordAt(const QTextDocument *document, int position);
    // True when the word is known to be misspelt (checked and wrong).
    bool isMisspelt(const QString &word) const;
    // True while words or blocks are waiting for a slice.
    bool isBusy() const;
    // The longest slice so far, in milliseconds (for the benchmark).
    double longestSliceMs() const { return m_longestSliceMs; }

Q_SIGNALS:
    // Every word has been checked and every block underlined.
    void settled();

protected:
    void highlightBlock(const QString &text) override;

private:
    void runSlice();

    SpellChecker *m_checker = nullptr;
    QHash<QString, bool> m_known;
    QSet<QString> m_unknown;
    QSet<int> m_blocksToRedo;
    QTimer *m_timer = nullptr;
    double m_longestSliceMs = 0;
};
