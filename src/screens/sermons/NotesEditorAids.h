#pragma once

#include <QObject>

class OutlineFindBar;
class QBoxLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class SpellChecker;
class SpellingHighlighter;

// What the notes window offers the writer beside the bare outline box: the find bar above it
// (OutlineFindBar), the line under it with the words and the speaking time, and spelling
// (underlines, suggestions and "Add to Dictionary" on the context menu). The window creates
// one with its box and layout; the aids only read the outline, except for the user's own
// replacements, which put the sermon screen into its edit state like typing does.
class NotesEditorAids : public QObject
{
    Q_OBJECT
public:
    NotesEditorAids(QPlainTextEdit *box, QBoxLayout *layout, QWidget *window);
    ~NotesEditorAids() override;

    // The aids of the open notes window, or null.
    static NotesEditorAids *instance();
    OutlineFindBar *findBar() const { return m_findBar; }
    SpellingHighlighter *highlighter() const { return m_highlighter; }
    // Counts the words now (otherwise done shortly after the text changes).
    void updateWordCount();
    // The outline box's context menu for a document position: suggestions and "Add to
    // Dictionary" for a misspelt word, then the box's own items. The caller owns it.
    QMenu *buildContextMenu(int position);

    // The program's checker, opened on the chosen dictionary; spelling is off when no
    // dictionary is installed. Reopened after the user chooses another language.
    static SpellChecker &checker();
    static void reopenChecker();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void markEdited();

    QPlainTextEdit *m_box = nullptr;
    OutlineFindBar *m_findBar = nullptr;
    QLabel *m_wordCount = nullptr;
    QTimer *m_countTimer = nullptr;
    SpellingHighlighter *m_highlighter = nullptr;
};

class frmMain;
// Defaults > Spelling Language... and Speaking Rate...
void RegisterOutlineAidCommands(frmMain &main);
