#include "../selection/SermonScreenFixture.h"

#include "NotesEditorAids.h"
#include "OutlineFindBar.h"
#include "OutlineSearch.h"
#include "OutlineWordCount.h"
#include "ProgramTranslation.h"
#include "PulpitSettings.h"
#include "SpellChecker.h"
#include "SpellingHighlighter.h"
#include "WidgetLookup.h"
#include "clsConfig.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

using namespace SermonScreenFixture;

class tst_OutlineAids : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void replaceAll_data();
    void replaceAll();
    void findNextWraps_data();
    void findNextWraps();
    void findBarInTheNotesWindow();
    void counts_data();
    void counts();
    void spellingWords_data();
    void spellingWords();
    void underlinesAndSuggestions();
    void noDictionary();
    void wordListNotWritten_data();
    void wordListNotWritten();

private:
    QPlainTextEdit *openNotes();

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_OutlineAids::init()
{
    QVERIFY(ProgramTranslation::install(QStringLiteral("en"))); // "1 word", "4 words"
    m_folder = std::make_unique<QTemporaryDir>();
    TestEnvironment::isolateSettings(m_folder->path());
    SpellChecker::setPersonalListPath(m_folder->filePath(QStringLiteral("words.txt")));
    qunsetenv("DICPATH");
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite);
    QVERIFY2(m_db->isReady(), qPrintable(m_db->reason()));
    QVERIFY(loadLibrary(*m_db));
    m_main = makeMainWindow();
    NotesEditorAids::reopenChecker();
}

void tst_OutlineAids::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
    qunsetenv("DICPATH");
}

QPlainTextEdit *tst_OutlineAids::openNotes()
{
    m_main->runCommand(QStringLiteral("mnuESermon"));
    MsgBoxScript::clear();
    sermonScreen()->chooseSermon(10);
    sermonScreen()->showNotes(true);
    return widget<QPlainTextEdit>(frmNotes::instance(), "txtOutline");
}

void tst_OutlineAids::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("term");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<QString>("expected");
    const QString text
        = QStringLiteral("Grace upon grace; GRACE abounds, gracefully.\nDisgrace? grace!");
    QTest::newRow("any case, inside words")
        << text << "grace" << false << false
        << "Love upon Love; Love abounds, Lovefully.\nDisLove? Love!";
    QTest::newRow("match case") << text << "grace" << true << false
                                << "Grace upon Love; GRACE abounds, Lovefully.\nDisLove? Love!";
    QTest::newRow("whole word") << text << "grace" << false << true
                                << "Love upon Love; Love abounds, gracefully.\nDisgrace? Love!";
    QTest::newRow("whole word, match case")
        << text << "Grace" << true << true
        << "Love upon grace; GRACE abounds, gracefully.\nDisgrace? grace!";
    QTest::newRow("accents and apostrophes") << QStringLiteral("José's café, José") << "José"
                                             << true << true << QStringLiteral("Love's café, Love");
    QTest::newRow("no match") << text << "mercy" << false << false << text;
}

void tst_OutlineAids::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, term);
    QFETCH(QString, expected);
    QPlainTextEdit box;
    box.setPlainText(text);
    OutlineSearch::Options options;
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    options.matchCase = matchCase;
    options.wholeWord = wholeWord;
    const int count = int(OutlineSearch::matches(text, term, options).size());
    QCOMPARE(OutlineSearch::replaceAll(&box, term, QStringLiteral("Love"), options), count);
    QCOMPARE(box.toPlainText(), expected);
    // One undo takes back every replacement at once.
    if (count > 0) {
        box.undo();
    }
    QCOMPARE(box.toPlainText(), text);
    QVERIFY(!box.document()->isUndoAvailable());
}

void tst_OutlineAids::findNextWraps_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("startAt");
    QTest::addColumn<int>("found"); // selection start, -1 none
    QTest::addColumn<bool>("wrapped");
    // "hope" at 0, 10 and 20.
    QTest::newRow("next") << true << false << 1 << 10 << false;
    QTest::newRow("next from a match's start") << true << false << 10 << 10 << false;
    QTest::newRow("wraps to the first") << true << false << 21 << 0 << true;
    QTest::newRow("no wrap at the end") << false << false << 21 << -1 << false;
    QTest::newRow("previous") << true << true << 12 << 10 << false;
    QTest::newRow("previous wraps to the last") << true << true << 0 << 20 << true;
    QTest::newRow("previous without wrap") << false << true << 0 << -1 << false;
}

void tst_OutlineAids::findNextWraps()
{
    QFETCH(bool, wrap);
    QFETCH(bool, backward);
    QFETCH(int, startAt);
    QFETCH(int, found);
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("hope then hope then hope"));
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(startAt);
    box.setTextCursor(cursor);
    OutlineSearch::Options options;
    options.wrap = wrap;
    bool wrapped = false;
    QCOMPARE(OutlineSearch::findNext(&box, QStringLiteral("HOPE"), options, backward, &wrapped),
        found >= 0);
    QTEST(wrapped, "wrapped");
    if (found >= 0) {
        QCOMPARE(box.textCursor().selectionStart(), found);
        QCOMPARE(box.textCursor().selectedText(), QStringLiteral("hope"));
    }
}

void tst_OutlineAids::findBarInTheNotesWindow()
{
    QPlainTextEdit *box = openNotes();
    frmSermon *screen = sermonScreen();
    box->setFocus();
    QVERIFY(!screen->isEditing());
    auto *bar = widget<OutlineFindBar>(frmNotes::instance(), "fraFind");
    QVERIFY(bar->isHidden());
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(bar->isVisible());
    auto *find = widget<QLineEdit>(bar, "txtFind");
    QCOMPARE(QApplication::focusWidget(), find);
    QTest::keyClicks(find, QStringLiteral("gives"));
    QCOMPARE(widget<QLabel>(bar, "lblMatches")->text(), QStringLiteral("1 match"));
    QVERIFY(widget<QLabel>(bar, "lblMatches")->accessibleName().isEmpty());
    QTest::keyClick(find, Qt::Key_F3);
    QCOMPARE(box->textCursor().selectedText(), QStringLiteral("gives"));
    QTest::keyClicks(widget<QLineEdit>(bar, "txtReplace"), QStringLiteral("lasts"));
    QTest::mouseClick(widget<QPushButton>(bar, "cmdReplaceAll"), Qt::LeftButton);
    QCOMPARE(box->toPlainText(), QStringLiteral("I. Grace abounds\nII. Love lasts"));
    // A replacement is an edit of the sermon, as typing is.
    QVERIFY(screen->isEditing());
    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(bar->isHidden());
    QCOMPARE(QApplication::focusWidget(), box);
    // The fields without captions of their own are named for screen readers.
    QCOMPARE(find->accessibleName(), QStringLiteral("Find"));
    QCOMPARE(
        widget<QLineEdit>(bar, "txtReplace")->accessibleName(), QStringLiteral("Replace with"));

    // The word count line under the outline.
    auto *count = widget<QLabel>(frmNotes::instance(), "lblWordCount");
    QTRY_COMPARE(count->text(), QStringLiteral("4 words, about 1 min"));
}

void tst_OutlineAids::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("language");
    QTest::newRow("empty") << "" << 130 << "0 words, about 0 min"
                           << "en";
    QTest::newRow("one word") << "Grace" << 130 << "1 word, about 1 min"
                              << "en";
    QTest::newRow("markers are not words")
        << "I. Grace abounds\n  A. Love gives\n1. Hope\na. Faith\n- Joy\n* Peace" << 130
        << "8 words, about 1 min"
        << "en";
    QTest::newRow("punctuation alone is no word")
        << "Grace -- and -- peace ... !" << 130 << "3 words, about 1 min"
        << "en";
    QTest::newRow("mid-line markers are words") << "see 2. below" << 130 << "3 words, about 1 min"
                                                << "en";
    QTest::newRow("260 words") << QStringLiteral("word ").repeated(260) << 130
                               << "260 words, about 2 min"
                               << "en";
    QTest::newRow("rounded") << QStringLiteral("word ").repeated(260) << 100
                             << "260 words, about 3 min"
                             << "en";
    QTest::newRow("accents and Greek")
        << QStringLiteral("José ἀγάπη\nשָׁלוֹם") << 130 << "3 words, about 1 min"
        << "en";
    QTest::newRow("Spanish, none") << "" << 130 << "0 palabras, aprox. 0 min"
                                   << "es";
    QTest::newRow("Spanish, one") << "Gracia" << 130 << "1 palabra, aprox. 1 min"
                                  << "es";
    QTest::newRow("Spanish, many")
        << QStringLiteral("palabra ").repeated(260) << 130 << "260 palabras, aprox. 2 min"
        << "es";
}

void tst_OutlineAids::counts()
{
    QFETCH(QString, text);
    QFETCH(int, rate);
    QFETCH(QString, language);
    QVERIFY(ProgramTranslation::install(language));
    const QString caption = OutlineWordCount::caption(OutlineWordCount::words(text), rate);
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    QTEST(caption, "caption");
}

void tst_OutlineAids::spellingWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("correct");
    QTest::newRow("plain word") << "shepherd" << true;
    QTest::newRow("misspelt") << "shepherdd" << false;
    QTest::newRow("bible name") << "Mephibosheth" << true;
    QTest::newRow("bible name possessive") << "Jehoshaphat's" << true;
    QTest::newRow("library book name") << "Habakkuk" << true;
    QTest::newRow("library book of two words") << "Thessalonians" << true;
}

void tst_OutlineAids::spellingWords()
{
    QFETCH(QString, word);
    SpellChecker &checker = NotesEditorAids::checker();
    QVERIFY(checker.isOpen());
    QCOMPARE(checker.language(), SpellChecker::defaultLanguage());
    QTEST(checker.isCorrect(word), "correct");
}

void tst_OutlineAids::underlinesAndSuggestions()
{
    QPlainTextEdit *box = openNotes();
    auto *aids = NotesEditorAids::instance();
    QVERIFY(aids);
    QSignalSpy settled(aids->highlighter(), &SpellingHighlighter::settled);
    box->setPlainText(QStringLiteral("I. Grace abounds\nII. Love givess to Mephibosheth"));
    QVERIFY(settled.wait(5000));
    const QTextBlock second = box->document()->findBlockByNumber(1);
    const QList<QTextLayout::FormatRange> formats = second.layout()->formats();
    QCOMPARE(formats.size(), 1);
    QCOMPARE(
        second.text().mid(formats.at(0).start, formats.at(0).length), QStringLiteral("givess"));
    QCOMPARE(formats.at(0).format.underlineStyle(), QTextCharFormat::SpellCheckUnderline);

    // The context menu offers suggestions, then "Add to Dictionary".
    const int at = second.position() + int(second.text().indexOf(QStringLiteral("givess"))) + 2;
    std::unique_ptr<QMenu> menu(aids->buildContextMenu(at));
    QAction *first = menu->findChild<QAction *>(QStringLiteral("mnuSuggestion1"));
    QVERIFY(first);
    QVERIFY(menu->findChild<QAction *>(QStringLiteral("mnuAddToDictionary")));
    std::unique_ptr<QMenu> correctWord(aids->buildContextMenu(second.position() + 5));
    QVERIFY(!correctWord->findChild<QAction *>(QStringLiteral("mnuAddToDictionary")));

    // Adding the word keeps it in the personal list, for this and every later checker.
    menu->findChild<QAction *>(QStringLiteral("mnuAddToDictionary"))->trigger();
    QVERIFY(NotesEditorAids::checker().isCorrect(QStringLiteral("givess")));
    QFile list(SpellChecker::personalListPath());
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray("givess\n"));
    SpellChecker later;
    QVERIFY(later.open(SpellChecker::defaultLanguage()));
    QVERIFY(later.isCorrect(QStringLiteral("givess")));
    QVERIFY(settled.wait(5000));
    QVERIFY(box->document()->findBlockByNumber(1).layout()->formats().isEmpty());

    // A sermon chosen in the list shows its outline at once; the underlines follow from the
    // event loop.
    QVERIFY(m_db->exec(QStringLiteral(
        "UPDATE tblSermons SET strOutline = 'The Lord is my shepherdd' WHERE lngSermonID = 12")));
    QVERIFY(sermonScreen()->chooseSermon(12));
    QCOMPARE(box->toPlainText(), QStringLiteral("The Lord is my shepherdd"));
    QVERIFY(box->document()->firstBlock().layout()->formats().isEmpty());
    QVERIFY(settled.wait(5000));
    QCOMPARE(box->document()->firstBlock().layout()->formats().size(), 1);

    // A suggestion replaces the word, and that is an edit.
    box->setPlainText(QStringLiteral("Grace abundss"));
    std::unique_ptr<QMenu> again(aids->buildContextMenu(8));
    QAction *suggestion = again->findChild<QAction *>(QStringLiteral("mnuSuggestion1"));
    QVERIFY(suggestion);
    suggestion->trigger();
    QCOMPARE(box->toPlainText(), QStringLiteral("Grace ") + suggestion->text());
    QVERIFY(sermonScreen()->isEditing());
}

void tst_OutlineAids::noDictionary()
{
    qputenv("DICPATH", m_folder->path().toLocal8Bit());
    QVERIFY(SpellChecker::availableLanguages().isEmpty());
    QCOMPARE(SpellChecker::defaultLanguage(), QString());
    RegisterSermonScreenCommands(*m_main);
    // The Defaults item says which package to install, and so does choosing it.
    QVERIFY(m_main->action(QStringLiteral("mnuDSpelling"))
                ->text()
                .contains(QStringLiteral("install hunspell-")));
    m_main->runCommand(QStringLiteral("mnuDSpelling"));
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().constFirst().contains(QStringLiteral("spelling is off")));
    MsgBoxScript::clear();

    // Spelling is off; the notes window works as before and underlines nothing.
    NotesEditorAids::reopenChecker();
    QVERIFY(!NotesEditorAids::checker().isOpen());
    QPlainTextEdit *box = openNotes();
    box->setPlainText(QStringLiteral("Grace abundss"));
    QTest::qWait(SpellingHighlighter::PauseMs * 2);
    QVERIFY(!NotesEditorAids::instance()->highlighter()->isBusy());
    QVERIFY(box->document()->firstBlock().layout()->formats().isEmpty());
    std::unique_ptr<QMenu> menu(NotesEditorAids::instance()->buildContextMenu(8));
    QVERIFY(!menu->findChild<QAction *>(QStringLiteral("mnuAddToDictionary")));
}

void tst_OutlineAids::wordListNotWritten_data()
{
    QTest::addColumn<QString>("listPath"); // in the test's folder
    QTest::newRow("folder missing") << "gone/words.txt";
    QTest::newRow("a folder in the way") << "taken";
}

void tst_OutlineAids::wordListNotWritten()
{
    QFETCH(QString, listPath);
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("taken")));
    const QString path = m_folder->filePath(listPath);
    SpellChecker::setPersonalListPath(path);
    NotesEditorAids::reopenChecker();
    QPlainTextEdit *box = openNotes();
    auto *aids = NotesEditorAids::instance();
    QSignalSpy settled(aids->highlighter(), &SpellingHighlighter::settled);
    // A word no other case has added to the shared checker.
    box->setPlainText(QStringLiteral("Love forgivz"));
    QVERIFY(settled.wait(5000));
    std::unique_ptr<QMenu> menu(aids->buildContextMenu(7));
    QAction *add = menu->findChild<QAction *>(QStringLiteral("mnuAddToDictionary"));
    QVERIFY(add);
    add->trigger();
    // Said, with the word and the file; the word is not taken and stays underlined.
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    const QString said = MsgBoxScript::shown().constFirst();
    QVERIFY2(said.startsWith(QStringLiteral("\"forgivz\" was not added to the dictionary")),
        qPrintable(said));
    QVERIFY2(said.contains(QDir::toNativeSeparators(path)), qPrintable(said));
    MsgBoxScript::clear();
    QVERIFY(!NotesEditorAids::checker().isCorrect(QStringLiteral("forgivz")));
    QCOMPARE(box->document()->firstBlock().layout()->formats().size(), 1);
    QVERIFY(!QFileInfo(path).isFile());
}

QTEST_MAIN(tst_OutlineAids)
#include "tst_outlineaids.moc"
