#include "SermonScreenCase.h"

#include "ScreenCommands.h"
#include "SermonPreacherNames.h"
#include "StatementLog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QToolButton>

using namespace SermonScreenFixture;

// The sermon screen listing sermons: the list, its statements, the main window around it, and
// the screens and labels laid out to be read.
class tst_SermonScreen : public QObject, private SermonScreenCase
{
    Q_OBJECT
private Q_SLOTS:
    // Every case runs on SQLite and on the PostgreSQL test server.
    void initTestCase_data();
    void init();
    void cleanup();

    void showAllListsEverySermonInBibleOrder();
    void demoLibraryListsEverySermon();
    void mainWindowWhileOpenAndAfterClosing();
    void emptyLibraryFindsNone();
    void listFillSendsTwoStatements();
    void passageFillSendsTheListsStatementsOnly();
    void everyScreenOpensWhollyVisibleAndReadable_data();
    void everyScreenOpensWhollyVisibleAndReadable();
    void everyLabelShowingAValueReadsIt_data();
    void everyLabelShowingAValueReadsIt();
};

void tst_SermonScreen::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_SermonScreen::init()
{
    setUp();
}

void tst_SermonScreen::cleanup()
{
    tearDown();
}

void tst_SermonScreen::showAllListsEverySermonInBibleOrder()
{
    frmSermon *screen = openAll();
    QVERIFY(screen);
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Number of Records found = 5" });
    QCOMPARE(MsgBoxScript::shownStyles(), QList<MsgBoxStyle> { MsgBoxStyle::OkExclamation });
    QCOMPARE(screen->windowTitle(), QStringLiteral("Sermon Identification Screen"));

    DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
    QCOMPARE(grid->rows(), 7); // headings, five sermons, the blank row
    QCOMPARE(gridKeys(grid), (QStringList { "11", "12", "13", "10", "14" }));
    const QStringList headings
        = { grid->text(0, 0), grid->text(0, 1), grid->text(0, 2), grid->text(0, 3) };
    QCOMPARE(headings, (QStringList { "ID#", "BIBLE REF", "PREACHER", "BIG IDEA or TITLE" }));
    const int widths[] = { 480, 1586, 1106, 7888 };
    for (int col = 0; col < 4; ++col) {
        // As given, or as wide as the heading needs where that is more.
        const int needed = grid->horizontalHeader()->sectionSizeHint(col);
        QVERIFY(qAbs(grid->colWidth(col) - widths[col]) <= 15 || grid->columnWidth(col) == needed);
        QVERIFY(grid->columnWidth(col) >= needed);
    }
    // Reference, last name only, big idea or (when it is missing or one blank) the title
    // followed by a blank.
    QCOMPARE(grid->text(1, 1), QStringLiteral("Genesis 1:1-5"));
    QCOMPARE(grid->text(1, 2), QStringLiteral("O'Connor"));
    QCOMPARE(grid->text(1, 3), QStringLiteral("In the Beginning "));
    QCOMPARE(grid->text(2, 3), QStringLiteral("The Shepherd "));
    QCOMPARE(grid->text(3, 2), QStringLiteral("Delgado"));
    QCOMPARE(grid->text(4, 3), QStringLiteral("Love gives"));
    QCOMPARE(grid->text(6, 0), QString());

    // The first sermon is loaded; its fields carry a trailing blank, the lists show it.
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QStringLiteral("11"));
    QCOMPARE(widget<QLineEdit>(screen, "txtTitle")->text(), QStringLiteral("In the Beginning "));
    QCOMPARE(widget<QLineEdit>(screen, "txtBigIdea")->text(), QStringLiteral(" "));
    // No date: empty, not one blank.
    QCOMPARE(widget<QLineEdit>(screen, "txtDatePreached")->text(), QString());
    QCOMPARE(widget<QLineEdit>(screen, "txtBegC")->text(), QStringLiteral("1 "));
    QCOMPARE(widget<QLineEdit>(screen, "txtEndV")->text(), QStringLiteral("5 "));
    QCOMPARE(widget<QLineEdit>(screen, "txtReference")->text(), QStringLiteral("Genesis 1:1-5 "));
    QCOMPARE(widget<QComboBox>(screen, "cboPreacher")->currentText(),
        QStringLiteral("O'Connor, Margaret"));
    QCOMPARE(widget<QComboBox>(screen, "cboBibleBook")->currentText(), QStringLiteral("Genesis"));
    QCOMPARE(widget<QComboBox>(screen, "cboSeries")->currentText(), QStringLiteral("2"));
    QCOMPARE(screen->listRows(), 2 + 3);
    QVERIFY(frmNotes::instance());
    QCOMPARE(frmNotes::instance()->outline(), QStringLiteral("Creation and prayer"));
    // The notes window holds the outline; the hand-over is emptied.
    QCOMPARE(SharedOutline().text, QString());
    QCOMPARE(widget<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Close"));
    QVERIFY(!widget<QPushButton>(screen, "cmdSave")->isEnabled());

    // Another row: its fields, a date as mm/dd/yyyy.
    CHECKED_STEP(chooseRow(4));
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QStringLiteral("10"));
    QCOMPARE(widget<QLineEdit>(screen, "txtDatePreached")->text(), QStringLiteral("06/15/1998"));
    QCOMPARE(widget<QLineEdit>(screen, "txtLocation")->text(), QStringLiteral("Main Street "));
    QCOMPARE(screen->listRow(), 4);
    QCOMPARE(screen->currentSermonID(), 10);
    QCOMPARE(frmNotes::instance()->outline(), QStringLiteral("I. Grace abounds\nII. Love gives"));
    QVERIFY(!screen->isEditing());
}

void tst_SermonScreen::demoLibraryListsEverySermon()
{
    const TestEnvironment::Engine engine = m_db->engine();
    closeAll(m_main);
    m_db.reset();
    m_db = std::make_unique<TestDatabase>(engine, true);
    QVERIFY(m_db->isReady());
    m_main = makeMainWindow();
    frmSermon *screen = openAll();
    QCOMPARE(MsgBoxScript::shown().join(QLatin1Char('|')),
        QStringLiteral("Number of Records found = 30"));
    QStringList expected;
    for (int row = 0; row < 30; ++row) {
        expected.append(m_db->scalar(QStringLiteral("SELECT lngSermonID FROM tblSermons ORDER BY "
                                                    "lngBibleBookID, intBeginChapter, "
                                                    "intBeginVerse, strDisplayText, lngSermonID "
                                                    "LIMIT 1 OFFSET %1")
                                         .arg(row))
                            .toString());
    }
    QCOMPARE(gridKeys(widget<DataGrid>(screen, "grdSermons")), expected);
}

void tst_SermonScreen::mainWindowWhileOpenAndAfterClosing()
{
    const auto visible
        = [this](const char *name) { return m_main->action(QLatin1String(name))->isVisible(); };
    const auto shown
        = [this](const char *name) { return !m_main->toolButton(QLatin1String(name))->isHidden(); };
    frmSermon *screen = openAll();
    QVERIFY(visible("mnuPrint"));
    QVERIFY(m_main->action(QStringLiteral("mnuPSermon"))->isEnabled());
    QVERIFY(m_main->action(QStringLiteral("mnuPList"))->isEnabled());
    QVERIFY(!visible("mnuSearch") && !visible("mnuCheck") && !visible("mnuESermon"));
    QVERIFY(!shown("grpSearch") && !shown("grpCheck") && !shown("grpGlobe"));
    QVERIFY(!shown("grpNewSermon"));
    QVERIFY(shown("grpNotes"));
    QCOMPARE(OpenScreenCount, qint16(1));

    SharedOutline().searchedWords = QStringLiteral("x");
    QVERIFY(screen->closeScreen());
    QApplication::processEvents();
    QVERIFY(!frmSermon::instance());
    QVERIFY(!frmNotes::instance());
    QVERIFY(!visible("mnuPrint"));
    QVERIFY(!m_main->action(QStringLiteral("mnuPSermon"))->isEnabled());
    QVERIFY(visible("mnuSearch") && visible("mnuCheck") && visible("mnuESermon"));
    QVERIFY(shown("grpSearch") && shown("grpCheck") && shown("grpGlobe") && shown("grpNewSermon"));
    QVERIFY(!shown("grpNotes") && !shown("grpSaveNotes"));
    QCOMPARE(SharedOutline().searchedWords, QString());
    QCOMPARE(OpenScreenCount, qint16(0));
    QCOMPARE(GetStatusText(), QStringLiteral(" Lectorum Sermon Outlines "));
}

void tst_SermonScreen::emptyLibraryFindsNone()
{
    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM tblSermons")));
    frmSermon *screen = openAll();
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Number of Records found = 0" });
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->rows(), 2);
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(0, 1), QStringLiteral("BIBLE REF"));
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QString());
}

void tst_SermonScreen::listFillSendsTwoStatements()
{
    // Two hundred more sermons by the same three preachers, and one by a preacher since
    // removed.
    QVERIFY(m_db->exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n WHERE i < 299) "
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngBibleBookID, intBeginChapter, "
        "strDisplayText, lngSeriesID, strTitle) SELECT i, 1 + i % 3, 40, i, 'Matthew ' || i, 0, "
        "'T' || i FROM n")));
    QVERIFY(m_db->exec(m_db->engine() == TestEnvironment::Engine::SQLite
            ? QStringLiteral("PRAGMA foreign_keys = OFF")
            : QStringLiteral("SET session_replication_role = replica")));
    QVERIFY(m_db->exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngBibleBookID, intBeginChapter, "
        "strDisplayText, lngSeriesID, strTitle) VALUES (300, 777, 66, 22, 'Revelation 22', 0, 'Gone')")));
    openAll();
    frmSermon *screen = sermonScreen();
    StatementLog::setRecording(true);
    StatementLog::clear();
    QCOMPARE(screen->FillList(SermonQuery::everything()), 206);
    const QStringList sent = StatementLog::recorded();
    StatementLog::setRecording(false);
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(1), QStringLiteral("Select lngPreacherID, strLastName FROM tblPreachers"));
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->rows(), 208);
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(205, 2), QStringLiteral("O'Connor"));
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(206, 0), QStringLiteral("300"));
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(206, 2), QString());
}

// A passage list with its first sermon shown: the list query, the preachers' names, the
// sermon's row (read once for the record and the form) and its preaching history. The book
// names the reference is read with come from the database on the first fill of an open
// library only.
void tst_SermonScreen::passageFillSendsTheListsStatementsOnly()
{
    QVERIFY(m_db->exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngBibleBookID, intBeginChapter, "
        "intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle) "
        "VALUES (400, 1, 40, 5, 1, 5, 12, 'Matthew 5:1-12', 0, 'Blessed')")));
    frmSermon *screen = openAll();
    const QString listed
        = QStringLiteral("Number of Records found = %1")
              .arg(m_db->scalar(QStringLiteral(
                                    "SELECT count(*) FROM tblSermons WHERE lngBibleBookID = 40"))
                       .toInt());
    for (int fill = 1; fill <= 2; ++fill) {
        MsgBoxScript::clear();
        StatementLog::setRecording(true);
        StatementLog::clear();
        screen->LoadSermonList(SermonQuery::byPassage(QStringLiteral("Matthew")));
        const QStringList sent = StatementLog::recorded();
        StatementLog::setRecording(false);
        QCOMPARE(MsgBoxScript::shown(), QStringList { listed });
        const QStringList books = sent.filter(QStringLiteral("tblBibleBooks"));
        QCOMPARE(books.size(), fill == 1 ? 1 : 0);
        QStringList rest = sent;
        rest.removeAll(books.value(0));
        QCOMPARE(rest.size(), 4);
        QVERIFY2(rest.at(0).contains(QStringLiteral("lngBibleBookID")), qPrintable(rest.at(0)));
        // A short list reads its own preachers' names only: each of them once.
        const QString namesFor
            = SermonPreacherNames::everyNameSql() + QStringLiteral(" Where lngPreacherID IN (");
        QVERIFY2(rest.at(1).startsWith(namesFor), qPrintable(rest.at(1)));
        const QString asked = rest.at(1).mid(namesFor.size()).chopped(1);
        const QString matthew = QStringLiteral(" FROM tblSermons WHERE lngBibleBookID = 40");
        QCOMPARE(asked.split(QLatin1Char(',')).size(),
            m_db->scalar(QStringLiteral("SELECT count(DISTINCT lngPreacherID)") + matthew).toInt());
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*)") + matthew
                         + QStringLiteral(" AND lngPreacherID IN (%1)").arg(asked))
                     .toInt(),
            m_db->scalar(QStringLiteral("SELECT count(*)") + matthew).toInt());
        QVERIFY2(rest.at(2).contains(QStringLiteral("FROM tblSermons WHERE lngSermonID=")),
            qPrintable(rest.at(2)));
        QVERIFY2(rest.at(3).contains(QStringLiteral("FROM tblDateLoc")), qPrintable(rest.at(3)));
    }
    QCOMPARE(screen->shownSermonID(), widget<DataGrid>(screen, "grdSermons")->key(1));
    QVERIFY(!widget<QLineEdit>(screen, "txtTitle")->text().isEmpty());
}

void tst_SermonScreen::everyScreenOpensWhollyVisibleAndReadable_data()
{
    QTest::addColumn<QString>("command"); // a main window command, or a sermon screen button
    QTest::addColumn<QString>("screenName");
    QTest::newRow("sermons") << "mnuESermon"
                             << "frmSermon";
    QTest::newRow("tracker") << "cmdTrack"
                             << "frmDateLoc";
    QTest::newRow("sermon topics") << "cmdTopics"
                                   << "frmSermonTopics";
    QTest::newRow("sermon illustrations") << "cmdIllustr"
                                          << "frmSermIllu";
    QTest::newRow("topics") << "mnuETopics"
                            << "frmTopic";
    QTest::newRow("illustrations") << "mnuEIllustr"
                                   << "frmIllustr";
    QTest::newRow("preachers") << "mnuEPreacher"
                               << "frmPreachers";
    QTest::newRow("series") << "mnuESeries"
                            << "frmSeries";
    QTest::newRow("publishers") << "mnuEPublisher"
                                << "frmPublishers";
    QTest::newRow("default location") << "mnuDLocation"
                                      << "frmLocation";
}

void tst_SermonScreen::everyScreenOpensWhollyVisibleAndReadable()
{
    QFETCH(QString, command);
    QFETCH(QString, screenName);
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName, "
                                      "strIllustration) VALUES (1, 'Lighthouse', 'x')")));
    RegisterScreenCommands(*m_main);
    if (command.startsWith(QLatin1String("cmd"))) {
        frmSermon *sermons = openAll();
        CHECKED_STEP(chooseRow(4));
        QTest::mouseClick(sermons->findChild<QPushButton *>(command), Qt::LeftButton);
    } else {
        m_main->runCommand(command);
    }
    QApplication::processEvents();
    QMdiSubWindow *frame = m_main->workArea()->activeSubWindow();
    QVERIFY(frame && frame->widget());
    QWidget *screen = frame->widget();
    QCOMPARE(screen->objectName(), screenName);

    // Every control lies inside the screen and the screen inside the work area.
    const QWidget *viewport = m_main->workArea()->viewport();
    QVERIFY2(viewport->rect().contains(frame->geometry()),
        qPrintable(QStringLiteral("frame %1,%2 %3x%4 in %5x%6")
                       .arg(frame->x())
                       .arg(frame->y())
                       .arg(frame->width())
                       .arg(frame->height())
                       .arg(viewport->width())
                       .arg(viewport->height())));
    const QAccessibleInterface *access = QAccessible::queryAccessibleInterface(screen);
    QVERIFY(!access->state().invisible && !access->state().offscreen);
    for (QWidget *control : screen->findChildren<QWidget *>()) {
        const bool isControl = qobject_cast<QAbstractButton *>(control)
            || qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)
            || qobject_cast<QAbstractItemView *>(control) || qobject_cast<QLabel *>(control)
            || qobject_cast<QPlainTextEdit *>(control);
        if (!isControl || !control->isVisibleTo(screen))
            continue;
        const QRect shown(control->mapTo(screen, QPoint(0, 0)), control->size());
        QVERIFY2(screen->rect().contains(shown), qPrintable(control->objectName()));
    }
}

void tst_SermonScreen::everyLabelShowingAValueReadsIt_data()
{
    // Every screen and dialog: the menu commands that open one, and the sermon screen's buttons.
    QTest::addColumn<QString>("command");
    for (const char *command : { "mnuESermon", "cmdTrack", "cmdTopics", "cmdIllustr", "cmdOutline",
             "mnuETopics", "mnuEIllustr", "mnuEPreacher", "mnuESeries", "mnuEPublisher",
             "mnuDLocation", "mnuCBible", "mnuCPreacher", "mnuCSeries", "mnuCTopic",
             "mnuCCombination", "mnuCPassage", "mnuSOutline", "mnuSBigIdea", "mnuSTitle", "mnuSAll",
             "mnuFChange", "mnuFCheck", "mnuFRestore", "mnuHAbout" })
        QTest::newRow(command) << QString::fromLatin1(command);
}

namespace {
// The texts each label showing text (not a picture) had, in every window now shown.
void noteLabelTexts(QHash<QLabel *, QStringList> &seen)
{
    for (QWidget *widget : QApplication::allWidgets()) {
        auto *label = qobject_cast<QLabel *>(widget);
        if (label && label->isVisible() && label->pixmap().isNull())
            seen[label].append(label->text());
    }
}

// Types into every box of the dialogs now shown, as a user fills them before choosing.
void fillDialogs()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<QDialog *>(window) || !window->isVisible())
            continue;
        for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
            if (box->isVisible() && box->isEnabled() && !box->isReadOnly())
                QTest::keyClicks(box, QStringLiteral("John 3:16"));
        }
    }
}
} // namespace

void tst_SermonScreen::everyLabelShowingAValueReadsIt()
{
    QFETCH(QString, command);
    // The first sermon in the list and the one chosen later were both preached: the history
    // line changes between them.
    QVERIFY(m_db->exec(QStringLiteral(
        "INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, strLocation) VALUES "
        "(1, 11, '2001-03-04', 'Main Street'), (2, 10, '2010-05-06', 'Hillside'), "
        "(3, 10, '2012-07-08', 'Main Street')")));
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName, "
                                      "strIllustration) VALUES (1, 'Lighthouse', 'x')")));
    RegisterScreenCommands(*m_main);
    QHash<QLabel *, QStringList> seen;
    if (command.startsWith(QLatin1String("cmd"))) {
        frmSermon *sermons = openAll();
        QVERIFY(sermons);
        noteLabelTexts(seen);
        QTest::mouseClick(sermons->findChild<QPushButton *>(command), Qt::LeftButton);
    } else {
        m_main->runCommand(command);
    }
    QApplication::processEvents();
    noteLabelTexts(seen);
    // Filled with data: another sermon on the sermon screen, text in the dialogs' boxes.
    if (command == QLatin1String("mnuESermon"))
        CHECKED_STEP(chooseRow(4));
    fillDialogs();
    QApplication::processEvents();
    noteLabelTexts(seen);
    MsgBoxScript::clear();

    QStringList wrong;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        QLabel *label = it.key();
        const QStringList &texts = it.value();
        // A label that was empty at some point or whose text changed shows a value: a screen
        // reader must hear that value, so no fixed name may stand in for it.
        const bool showsAValue
            = texts.contains(QString()) || QSet<QString>(texts.begin(), texts.end()).size() > 1;
        if (!showsAValue)
            continue;
        QString text = label->text();
        if (label->buddy())
            text.remove(QLatin1Char('&'));
        const QString heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        if (!label->accessibleName().isEmpty() || heard != text)
            wrong << label->objectName() + QLatin1String(" reads \"") + heard
                    + QLatin1String("\" but shows \"") + text + QLatin1Char('"');
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
}

QTEST_MAIN(tst_SermonScreen)
#include "tst_sermonscreen.moc"
