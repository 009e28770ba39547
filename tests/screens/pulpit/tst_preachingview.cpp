#include "../selection/SermonScreenFixture.h"

#include "OutlineLevels.h"
#include "PrintJob.h"
#include "PulpitCommands.h"
#include "PulpitSettings.h"
#include "WidgetLookup.h"
#include "clsConfig.h"

#include <QAction>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>

using namespace SermonScreenFixture;

namespace {

// A scripted outline: every marker, a continuation, sections, and enough points for pages.
QString scriptedOutline()
{
    QStringList lines = { QStringLiteral("I. The call of God"),
        QStringLiteral("A. Heard in the night"), QStringLiteral("1. Samuel hears"),
        QStringLiteral("a. He runs to Eli"), QStringLiteral("- He answers"),
        QStringLiteral("* Speak, Lord, for your servant hears"),
        QStringLiteral("This line continues the point above."), QString(),
        QStringLiteral("II. The answer") };
    for (int i = 1; i <= 60; ++i) {
        lines.append(QStringLiteral("%1. Point number %1 of the long section").arg(i));
    }
    return lines.join(QLatin1Char('\n'));
}

const QString Title = QStringLiteral("Speak, Lord");
const QString Passage = QStringLiteral("1 Samuel 3:1-10");
// The passage as the chosen version gives it (ScriptureText::plain).
const QString Scripture
    = QStringLiteral("1 Samuel 3:1\u201310\n"
                     "1 The child Samuel served Yahweh before Eli.\n"
                     "10 Yahweh came, and stood, and called as at other times.\n"
                     "WEB");

} // namespace

class tst_PreachingView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void levels_data();
    void levels();
    void tabLevels();
    void settingsReadWithDefaults_data();
    void settingsReadWithDefaults();
    void headingAndFirstLineAreDrawn();
    void keys_data();
    void keys();
    void sizesAreRememberedAndLevelsIndent();
    void timer_data();
    void timer();
    void nothingIsWrittenAndNotesReturnToThePlace();
    void pulpitCopyReadBackFromItsPdf();
    void passageAndBack_data();
    void passageAndBack();

private:
    PreachingView *makeView(int startLine = 0);

    std::unique_ptr<QTemporaryDir> m_settings;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
    QPointer<PreachingView> m_view;
};

void tst_PreachingView::init()
{
    // Each test starts from no settings: the view remembers its size and colours.
    m_settings = std::make_unique<QTemporaryDir>();
    TestEnvironment::isolateSettings(m_settings->path());
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite);
    QVERIFY2(m_db->isReady(), qPrintable(m_db->reason()));
    QVERIFY(loadLibrary(*m_db));
    m_main = makeMainWindow();
    RegisterPulpitCommands(*m_main);
}

void tst_PreachingView::cleanup()
{
    delete m_view;
    ScreenTestReset::verifyScriptConsumed();
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

PreachingView *tst_PreachingView::makeView(int startLine)
{
    m_view = new PreachingView({ Title, Passage, scriptedOutline(), startLine, Scripture });
    m_view->resize(800, 600);
    m_view->show();
    m_view->setFocus();
    return m_view;
}

void tst_PreachingView::levels_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("body");
    QTest::newRow("roman") << "IV. Faith" << 0 << "IV."
                           << "Faith";
    QTest::newRow("roman I") << "I. First" << 0 << "I."
                             << "First";
    QTest::newRow("capital") << "  B.  Second" << 1 << "B."
                             << "Second";
    QTest::newRow("lone C is a letter") << "C. Third" << 1 << "C."
                                        << "Third";
    QTest::newRow("number") << "12. Twelfth" << 2 << "12."
                            << "Twelfth";
    QTest::newRow("small letter") << "c. small" << 3 << "c."
                                  << "small";
    QTest::newRow("dash") << "- a dash" << 4 << "-"
                          << "a dash";
    QTest::newRow("star") << "* a star" << 4 << "*"
                          << "a star";
    QTest::newRow("letter and parenthesis") << "a) freely" << 3 << "a)"
                                            << "freely";
    QTest::newRow("in parentheses") << "(b) fully" << 3 << "(b)"
                                    << "fully";
    QTest::newRow("compound number") << "I.1 Given" << 1 << "I.1"
                                     << "Given";
    QTest::newRow("bullet") << "• Rest" << 4 << "•"
                            << "Rest";
    QTest::newRow("plain text") << "Grace, not works." << -1 << ""
                                << "Grace, not works.";
    QTest::newRow("no space after marker") << "A.Word" << -1 << ""
                                           << "A.Word";
    QTest::newRow("a year is no marker") << "2024 was a year" << -1 << ""
                                         << "2024 was a year";
}

void tst_PreachingView::levels()
{
    QFETCH(QString, line);
    const QList<OutlineLine> parsed = OutlineLevels::parse(line);
    QCOMPARE(parsed.size(), 1);
    QTEST(parsed.at(0).level, "level");
    QTEST(parsed.at(0).marker, "marker");
    QTEST(parsed.at(0).body, "body");

    // In the scripted outline: a continuation hangs under its point; a blank line starts a
    // section.
    const QList<OutlineLine> outline = OutlineLevels::parse(scriptedOutline());
    QVERIFY(outline.at(6).continuation);
    QCOMPARE(outline.at(6).level, 4);
    QVERIFY(outline.at(7).sectionStart);
    QCOMPARE(outline.at(7).sourceLine, 8);
}

// An outline by the plain-text convention (as the import writes lists): tabs give the levels,
// whatever the marks.
void tst_PreachingView::tabLevels()
{
    const QList<OutlineLine> outline = OutlineLevels::parse(QStringLiteral(
        "Saved by Grace\nI. Grace\n\tA. Given\n\t\ta) freely\n\tmore of A\n\n• Rest\n\t◦ Not"));
    QList<int> levels;
    QStringList markers;
    for (const OutlineLine &line : outline) {
        levels.append(line.level);
        markers.append(line.marker);
    }
    QCOMPARE(levels, (QList<int> { -1, 0, 1, 2, 2, 0, 1 }));
    QCOMPARE(markers, (QStringList { "", "I.", "A.", "a)", "", "•", "◦" }));
}

void tst_PreachingView::settingsReadWithDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("fontPoints");
    QTest::addColumn<int>("wordsPerMinute");
    QTest::newRow("none") << ""
                          << "" << 28 << 130;
    QTest::newRow("size") << "FontPoints"
                          << "40" << 40 << 130;
    QTest::newRow("size too small") << "FontPoints"
                                    << "3" << 28 << 130;
    QTest::newRow("not a number") << "FontPoints"
                                  << "big" << 28 << 130;
    QTest::newRow("rate") << "WordsPerMinute"
                          << "150" << 28 << 150;
    QTest::newRow("rate negative") << "WordsPerMinute"
                                   << "-5" << 28 << 130;
}

void tst_PreachingView::settingsReadWithDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    clsConfig config;
    if (!key.isEmpty()) {
        QVERIFY(PulpitSettings::write(config, key.toLatin1().constData(), stored));
    }
    const PulpitSettings settings = PulpitSettings::read(config);
    QTEST(settings.fontPoints, "fontPoints");
    QTEST(settings.wordsPerMinute, "wordsPerMinute");
}

void tst_PreachingView::headingAndFirstLineAreDrawn()
{
    PreachingView *view = makeView();
    const QImage image = view->grab().toImage();
    QVERIFY(!image.isNull());
    // What the paint drew, from the view's own layout: the heading, then the first point.
    const auto &painted = view->lastPainted();
    QVERIFY(painted.size() > 3);
    QCOMPARE(painted.at(0).kind, PreachingLayout::Kind::Title);
    QCOMPARE(painted.at(0).text, Title);
    QCOMPARE(painted.at(1).kind, PreachingLayout::Kind::Passage);
    QCOMPARE(painted.at(1).text, Passage);
    QCOMPARE(painted.at(2).text, QStringLiteral("The call of God"));
    QCOMPARE(painted.at(2).sourceLine, 0);
    const auto marker = std::find_if(painted.cbegin(), painted.cend(),
        [](const PreachingLayout::Row &row) { return row.kind == PreachingLayout::Kind::Marker; });
    QVERIFY(marker != painted.cend());
    QCOMPARE(marker->text, QStringLiteral("I."));
    for (const PreachingLayout::Row &row : painted) {
        QVERIFY2(QRectF(view->rect()).intersects(row.rect), qPrintable(row.text));
    }
    QCOMPARE(view->accessibleName(), QStringLiteral("Preaching view"));
    // The page in sight, from its top.
    QVERIFY(view->accessibleDescription().startsWith(
        Title + QLatin1Char('\n') + Passage + QStringLiteral("\nThe call of God")));
}

void tst_PreachingView::keys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("expectTop"); // "start", "later", "end", "one row"
    QTest::addColumn<bool>("blank");
    QTest::newRow("page down") << QList<int> { Qt::Key_PageDown } << "later" << false;
    QTest::newRow("space") << QList<int> { Qt::Key_Space } << "later" << false;
    QTest::newRow("page down and up")
        << QList<int> { Qt::Key_PageDown, Qt::Key_PageUp } << "start" << false;
    QTest::newRow("down") << QList<int> { Qt::Key_Down } << "one row" << false;
    QTest::newRow("right") << QList<int> { Qt::Key_Right } << "one row" << false;
    QTest::newRow("down and up") << QList<int> { Qt::Key_Down, Qt::Key_Up } << "start" << false;
    QTest::newRow("end") << QList<int> { Qt::Key_End } << "end" << false;
    QTest::newRow("end then home") << QList<int> { Qt::Key_End, Qt::Key_Home } << "start" << false;
    QTest::newRow("b blanks") << QList<int> { Qt::Key_B } << "start" << true;
    QTest::newRow("period blanks") << QList<int> { Qt::Key_Period } << "start" << true;
    QTest::newRow("b twice shows again") << QList<int> { Qt::Key_B, Qt::Key_B } << "start" << false;
    QTest::newRow("typing changes nothing")
        << QList<int> { Qt::Key_X, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return } << "start"
        << false;
}

void tst_PreachingView::keys()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, expectTop);
    PreachingView *view = makeView();
    view->grab();
    const auto &rows = view->layoutData().rows();
    // The last row wholly on the first page; Page Down starts the next page after it.
    const qreal page = view->height() - 1;
    QVERIFY(!view->timerRunning());
    for (int key : keys) {
        QTest::keyClick(view, Qt::Key(key));
    }
    QVERIFY(view->timerRunning());
    QTEST(view->isBlank(), "blank");
    view->grab();
    if (expectTop == QLatin1String("start")) {
        QCOMPARE(view->scrollTop(), 0.0);
    } else if (expectTop == QLatin1String("one row")) {
        QCOMPARE(view->scrollTop(), rows.at(1).rect.top());
    } else if (expectTop == QLatin1String("later")) {
        QVERIFY(view->scrollTop() > page / 2);
        QVERIFY(view->scrollTop() < page);
        // No row was skipped: the first row now in sight was not wholly in sight before.
        const std::size_t first = view->layoutData().rowAt(view->scrollTop());
        QVERIFY(first > 0);
        QVERIFY(rows.at(first - 1).rect.bottom() <= page);
    } else {
        QCOMPARE(view->topSourceLine() > 50, true);
        QCOMPARE(view->lastPainted().back().sourceLine >= 60, true);
    }
    QCOMPARE(view->lastPainted().empty(), view->isBlank());
}

void tst_PreachingView::sizesAreRememberedAndLevelsIndent()
{
    PreachingView *view = makeView();
    QCOMPARE(view->fontPoints(), PulpitSettings::DefaultFontPoints);
    QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
    const int larger = view->fontPoints();
    QVERIFY(larger > PulpitSettings::DefaultFontPoints);
    clsConfig config;
    QCOMPARE(PulpitSettings::read(config).fontPoints, larger);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(view->fontPoints() < PulpitSettings::DefaultFontPoints);
    QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(view->fontPoints(), PulpitSettings::DefaultFontPoints);
    QTest::keyClick(view, Qt::Key_D);
    QVERIFY2(view->isDark(), qPrintable(QString::number(view->fontPoints())));
    QVERIFY(PulpitSettings::read(config).dark);

    // Each level's text starts one step further right; a continuation lines up with its
    // point's text, and a wrapped row hangs there too.
    view->grab();
    const auto &rows = view->layoutData().rows();
    const qreal step = view->layoutData().indentStep();
    auto firstRowOf = [&](int line) {
        return *std::find_if(rows.cbegin(), rows.cend(),
            [line](const PreachingLayout::Row &row) { return row.sourceLine == line; });
    };
    for (int line = 1; line <= 4; ++line) {
        QVERIFY(qAbs(firstRowOf(line).rect.left() - firstRowOf(line - 1).rect.left() - step) < 1);
    }
    QCOMPARE(firstRowOf(6).rect.left(), firstRowOf(5).rect.left());
    delete m_view;
    // A new view starts at the remembered size and in the remembered colours.
    PreachingView *again = makeView();
    QVERIFY(again->isDark());
    QCOMPARE(again->fontPoints(), PulpitSettings::DefaultFontPoints);
}

void tst_PreachingView::timer_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("state");
    QTest::newRow("start") << 0 << int(PreachingView::TimerState::Normal);
    QTest::newRow("27 min") << 27 * 60 << int(PreachingView::TimerState::Normal);
    QTest::newRow("28 min") << 28 * 60 << int(PreachingView::TimerState::Amber);
    QTest::newRow("30 min") << 30 * 60 << int(PreachingView::TimerState::Amber);
    QTest::newRow("past 30 min") << 30 * 60 + 1 << int(PreachingView::TimerState::Red);
}

void tst_PreachingView::timer()
{
    QFETCH(int, seconds);
    PreachingView *view = makeView();
    view->setTargetMinutes(30);
    QTEST(int(view->timerState(seconds)), "state");
}

void tst_PreachingView::nothingIsWrittenAndNotesReturnToThePlace()
{
    m_main->runCommand(QStringLiteral("mnuESermon"));
    MsgBoxScript::clear();
    frmSermon *screen = sermonScreen();
    QVERIFY(screen->chooseSermon(10));
    screen->showNotes(false);
    auto *box = widget<QPlainTextEdit>(frmNotes::instance(), "txtOutline");
    const QString stored = box->toPlainText();
    QCOMPARE(stored, QStringLiteral("I. Grace abounds\nII. Love gives"));
    // The view shows the outline as it stands in the notes window, saved or not.
    box->setPlainText(scriptedOutline());

    const auto statementsBefore = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblSermons"));
    m_main->runCommand(QStringLiteral("mnuEPreach"));
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<PreachingView *>(top)) {
            m_view = found;
        }
    }
    QVERIFY(m_view);
    QVERIFY(m_view->isFullScreen());
    m_view->grab();
    QCOMPARE(m_view->lastPainted().at(0).text, QStringLiteral("God So Loved"));
    QCOMPARE(m_view->lastPainted().at(1).text, QStringLiteral("John 3:16"));
    for (int key : { Qt::Key_X, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_End }) {
        QTest::keyClick(m_view, Qt::Key(key));
    }
    const int shown = m_view->topSourceLine();
    QVERIFY(shown > 40);
    QTest::keyClick(m_view, Qt::Key_Escape);
    QTRY_VERIFY(!m_view);

    QCOMPARE(box->toPlainText(), scriptedOutline());
    QVERIFY(!screen->isEditing());
    QCOMPARE(
        m_db->scalar(QStringLiteral("SELECT strOutline FROM tblSermons WHERE lngSermonID = 10"))
            .toString(),
        stored);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblSermons")), statementsBefore);
    // The notes window is back at the line the view showed last, in sight (at the top when
    // the box can scroll that far).
    QCOMPARE(box->textCursor().blockNumber(), shown);
    QVERIFY(box->viewport()->rect().contains(box->cursorRect()));
}

void tst_PreachingView::pulpitCopyReadBackFromItsPdf()
{
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("pulpit.pdf"));
    PrintJob job;
    ComposePulpitCopy(job, { Title, Passage, scriptedOutline(), 0, Scripture }, 24);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    QVERIFY(job.render(printer));

    QProcess tool;
    tool.start(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), file, QStringLiteral("-") });
    QVERIFY(tool.waitForFinished(30000));
    const QStringList pages = QString::fromUtf8(tool.readAllStandardOutput())
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY2(pages.at(i).contains(QStringLiteral("Speak, Lord \u2013 1 Samuel 3:1-10")),
            qPrintable(pages.at(i)));
        QVERIFY(pages.at(i).contains(QStringLiteral("Page %1").arg(i + 1)));
    }
    // The passage first, when the content holds it (Pulpit Copy puts it there on request).
    const qsizetype verse = pages.at(0).indexOf(QStringLiteral("The child Samuel served"));
    QVERIFY(verse >= 0 && verse < pages.at(0).indexOf(QStringLiteral("I. The call of God")));
    QVERIFY(pages.constLast().contains(QStringLiteral("60. Point number 60")));
}

void tst_PreachingView::passageAndBack_data()
{
    QTest::addColumn<bool>("byKey"); // P, else the Passage item at the foot
    QTest::addColumn<bool>("dark");
    QTest::newRow("key P") << true << false;
    QTest::newRow("Passage item") << false << false;
    QTest::newRow("key P, dark") << true << true;
}

void tst_PreachingView::passageAndBack()
{
    QFETCH(bool, byKey);
    QFETCH(bool, dark);
    PreachingView *view = makeView();
    if (dark) {
        QTest::keyClick(view, Qt::Key_D);
    }
    QTest::keyClick(view, Qt::Key_PageDown);
    const int outlineLine = view->topSourceLine();
    QVERIFY(outlineLine > 0);
    const int points = view->fontPoints();
    auto *item
        = view->findChild<QToolBar *>(QStringLiteral("tbrPreach"))
              ->widgetForAction(view->findChild<QAction *>(QStringLiteral("mnuPreachPassage")));
    QVERIFY(item && item->isVisible());
    const auto toggle = [&] {
        if (byKey) {
            QTest::keyClick(view, Qt::Key_P);
        } else {
            QTest::mouseClick(item, Qt::LeftButton);
        }
    };
    toggle();
    QVERIFY(view->isShowingPassage());
    QCOMPARE(item->focusPolicy(), Qt::NoFocus); // the keys stay with the view
    // The passage under the same heading, at the view's size and colours.
    view->grab();
    const auto &painted = view->lastPainted();
    QCOMPARE(painted.at(0).text, Title);
    QCOMPARE(painted.at(1).text, Passage);
    QCOMPARE(painted.at(2).text, QStringLiteral("1 Samuel 3:1\u201310"));
    QVERIFY(painted.at(3).text.startsWith(QStringLiteral("1 The child Samuel")));
    QCOMPARE(view->fontPoints(), points);
    QCOMPARE(view->isDark(), dark);
    // A screen reader is told the page changed, and what it now shows (Qt sends NameChanged
    // and DescriptionChanged with these; the offscreen platform has no accessibility bridge
    // that would let a test see them).
    QCOMPARE(view->accessibleName(), QStringLiteral("Preaching view: passage"));
    QVERIFY2(view->accessibleDescription().contains(QStringLiteral("10 Yahweh came")),
        qPrintable(view->accessibleDescription()));
    QVERIFY(!view->accessibleDescription().contains(QStringLiteral("Point number")));

    // Back: the outline where it was left.
    toggle();
    QVERIFY(!view->isShowingPassage());
    QCOMPARE(view->topSourceLine(), outlineLine);
    QCOMPARE(view->accessibleName(), QStringLiteral("Preaching view"));
    QVERIFY(view->accessibleDescription().contains(QStringLiteral("Point number")));
}

QTEST_MAIN(tst_PreachingView)
#include "tst_preachingview.moc"
