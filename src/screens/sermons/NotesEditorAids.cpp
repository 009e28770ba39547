#include "NotesEditorAids.h"

#include "BibleNames.h"
#include "OutlineFindBar.h"
#include "OutlineWordCount.h"
#include "PulpitSettings.h"
#include "SermonChoiceLists.h"
#include "SpellChecker.h"
#include "SpellingHighlighter.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "frmSermon.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

namespace {

QPointer<NotesEditorAids> g_aids;
bool g_checkerOpened = false;

SpellChecker &sharedChecker()
{
    static SpellChecker checker;
    return checker;
}

// The library's own book names are never flagged, whatever the dictionary says.
QStringList libraryBookNames()
{
    QComboBox books;
    SermonChoiceLists::fillBibleBooks(&books);
    QStringList words;
    for (int i = 0; i < books.count(); ++i) {
        words += books.itemText(i).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return words;
}

} // namespace

SpellChecker &NotesEditorAids::checker()
{
    if (!g_checkerOpened) {
        g_checkerOpened = true;
        reopenChecker();
    }
    return sharedChecker();
}

void NotesEditorAids::reopenChecker()
{
    g_checkerOpened = true;
    clsConfig config;
    QString language = PulpitSettings::read(config).spellingLanguage;
    if (language.isEmpty() || !SpellChecker::availableLanguages().contains(language)) {
        language = SpellChecker::defaultLanguage();
    }
    SpellChecker &spelling = sharedChecker();
    if (spelling.open(language)) {
        spelling.acceptWords(BibleNames::words());
        spelling.acceptWords(libraryBookNames());
    }
    if (g_aids) {
        g_aids->m_highlighter->setChecker(&spelling);
    }
}

NotesEditorAids::NotesEditorAids(QPlainTextEdit *box, QBoxLayout *layout, QWidget *window)
    : QObject(window)
    , m_box(box)
{
    setObjectName(QStringLiteral("NotesEditorAids"));
    g_aids = this;
    m_findBar = new OutlineFindBar(box, window);
    m_findBar->installShortcuts(window);
    layout->insertWidget(0, m_findBar);
    connect(m_findBar, &OutlineFindBar::edited, this, &NotesEditorAids::markEdited);

    // The status box keeps the window's caption; the count has a line of its own.
    m_wordCount = new QLabel(window);
    m_wordCount->setObjectName(QStringLiteral("lblWordCount"));
    m_wordCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A screen reader reads the count as the label's text; the description says what it is.
    m_wordCount->setAccessibleDescription(tr("Word count and speaking time"));
    layout->addWidget(m_wordCount);
    m_countTimer = new QTimer(this);
    m_countTimer->setSingleShot(true);
    m_countTimer->setInterval(400);
    connect(m_countTimer, &QTimer::timeout, this, &NotesEditorAids::updateWordCount);
    connect(box->document(), &QTextDocument::contentsChanged, m_countTimer,
        qOverload<>(&QTimer::start));
    updateWordCount();

    m_highlighter = new SpellingHighlighter(box->document());
    m_highlighter->setChecker(&checker());
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
}

NotesEditorAids::~NotesEditorAids() = default;

NotesEditorAids *NotesEditorAids::instance()
{
    return g_aids;
}

void NotesEditorAids::updateWordCount()
{
    m_countTimer->stop();
    clsConfig config;
    m_wordCount->setText(OutlineWordCount::caption(OutlineWordCount::words(m_box->toPlainText()),
        PulpitSettings::read(config).wordsPerMinute));
}

void NotesEditorAids::markEdited()
{
    // As a key typed in the box would: an outline that differs from the one loaded is an edit.
    if (frmSermon *sermon = frmSermon::instance()) {
        sermon->outlineEdited(m_box->toPlainText());
    }
}

QMenu *NotesEditorAids::buildContextMenu(int position)
{
    QMenu *standard = m_box->createStandardContextMenu();
    standard->setObjectName(QStringLiteral("mnuOutlineContext"));
    const SpellingHighlighter::Word word = SpellingHighlighter::wordAt(m_box->document(), position);
    SpellChecker &spelling = checker();
    if (word.text.isEmpty() || !spelling.isOpen() || spelling.isCorrect(word.text)) {
        return standard;
    }
    QAction *first = standard->actions().value(0);
    QList<QAction *> added;
    const QStringList suggestions = spelling.suggestions(word.text).mid(0, 6);
    for (int i = 0; i < suggestions.size(); ++i) {
        auto *use = new QAction(suggestions.at(i), standard);
        use->setObjectName(QStringLiteral("mnuSuggestion%1").arg(i + 1));
        connect(use, &QAction::triggered, this, [this, word, text = suggestions.at(i)] {
            QTextCursor cursor(m_box->document());
            cursor.setPosition(word.start);
            cursor.setPosition(word.start + word.length, QTextCursor::KeepAnchor);
            cursor.insertText(text);
            markEdited();
        });
        added.append(use);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(tr("(no suggestions)"), standard);
        none->setObjectName(QStringLiteral("mnuNoSuggestions"));
        none->setEnabled(false);
        added.append(none);
    }
    auto *add = new QAction(tr("Add to Dictionary"), standard);
    add->setObjectName(QStringLiteral("mnuAddToDictionary"));
    connect(add, &QAction::triggered, this, [this, text = word.text] {
        QString error;
        if (!checker().addToPersonalList(text, &error)) {
            MsgBox(
                tr("\"%1\" was not added to the dictionary: your word list could not be "
                   "written.\n\n%2\n%3")
                    .arg(text, QDir::toNativeSeparators(SpellChecker::personalListPath()), error),
                MsgBoxStyle::OkExclamation, tr("Add to Dictionary"));
            return;
        }
        m_highlighter->recheck();
    });
    added.append(add);
    standard->insertActions(first, added);
    standard->insertSeparator(first);
    return standard;
}

bool NotesEditorAids::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        // From the keyboard (the menu key, Shift+F10) the menu is for the word at the cursor.
        const bool byKey = menuEvent->reason() == QContextMenuEvent::Keyboard;
        const QPoint at = byKey ? m_box->cursorRect().center() : menuEvent->pos();
        const int position
            = byKey ? m_box->textCursor().position() : m_box->cursorForPosition(at).position();
        QMenu *menu = buildContextMenu(position);
        menu->exec(m_box->viewport()->mapToGlobal(at));
        delete menu;
        return true;
    }
    return QObject::eventFilter(watched, event);
}
