#include "../selection/SermonScreenFixture.h"

#include "ReferenceCommands.h"
#include "ReferenceText.h"
#include "ScreenCommands.h"
#include "ScreenEvents.h"
#include "SermonPreacherNames.h"
#include "StatementLog.h"
#include "WidgetLookup.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QToolButton>

using namespace SermonScreenFixture;

class tst_SermonScreen : public QObject
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
    void referenceText_data();
    void referenceText();
    void referenceRuleOnTheScreen_data();
    void referenceRuleOnTheScreen();
    void newSermonIsInsertedAndListed();
    void emptyChapterAndVerseAreSavedAsZero();
    void updateRewritesItsRow();
    void deleteBlanksTheRowAndStartsANewSermon();
    void deleteWithoutASermonShownDoesNothing();
    void failedSaveKeepsTheEdits();
    void cancelReloadsFromTheDatabase();
    void blankRowClearsTheFields_data();
    void blankRowClearsTheFields();
    void emptyRefillLeavesNoSermonBehind();
    void sermonsButtonsAskAboutUnsavedEdits_data();
    void sermonsButtonsAskAboutUnsavedEdits();
    void addNewSermonStartsWithAnEmptyList();
    void newSermonStartsWithAnEmptyOutline_data();
    void newSermonStartsWithAnEmptyOutline();
    void clearingTheSeriesIsAChange();
    void preacherListFollowsOtherScreens();
    void everyScreenOpensWhollyVisibleAndReadable_data();
    void everyScreenOpensWhollyVisibleAndReadable();
    void everyLabelShowingAValueReadsIt_data();
    void everyLabelShowingAValueReadsIt();

private:
    frmSermon *openAll();
    void chooseRow(int row);
    QVariant sermonColumn(int id, const char *column);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_SermonScreen::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_SermonScreen::init()
{
    QFETCH_GLOBAL(int, engine);
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine(engine));
    REQUIRE_DATABASE(*m_db);
    QVERIFY(loadLibrary(*m_db));
    m_main = makeMainWindow();
}

void tst_SermonScreen::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

frmSermon *tst_SermonScreen::openAll()
{
    m_main->runCommand(QStringLiteral("mnuESermon"));
    frmSermon *screen = sermonScreen();
    return screen;
}

void tst_SermonScreen::chooseRow(int row)
{
    frmSermon *screen = sermonScreen();
    QVERIFY(screen);
    // As a user would: the current cell moves onto the row.
    DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(grid->row(), row);
}

QVariant tst_SermonScreen::sermonColumn(int id, const char *column)
{
    return m_db->scalar(QStringLiteral("SELECT %1 FROM tblSermons WHERE lngSermonID = %2")
                            .arg(QLatin1String(column))
                            .arg(id));
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
        expected.append(
            m_db->scalar(QStringLiteral("SELECT lngSermonID FROM tblSermons ORDER BY "
                                        "lngBibleBookID, intBeginChapter, "
                                        "intBeginVerse, strDisplayText LIMIT 1 OFFSET %1")
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

void tst_SermonScreen::referenceText_data()
{
    QTest::addColumn<QString>("bc");
    QTest::addColumn<QString>("bv");
    QTest::addColumn<QString>("ec");
    QTest::addColumn<QString>("ev");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one verse") << "3"
                               << "16"
                               << "3"
                               << "16"
                               << "John 3:16";
    QTest::newRow("same chapter") << "3"
                                  << "16"
                                  << "3"
                                  << "18"
                                  << "John 3:16-18";
    QTest::newRow("two chapters") << "3"
                                  << "16"
                                  << "4"
                                  << "2"
                                  << "John 3:16 - 4:2";
    QTest::newRow("no ending") << "3"
                               << "16"
                               << ""
                               << ""
                               << "John 3:16 - :";
    QTest::newRow("blanks trimmed") << "3 "
                                    << " 16"
                                    << "03"
                                    << "16 "
                                    << "John 3:16";
}

void tst_SermonScreen::referenceText()
{
    QFETCH(QString, bc);
    QFETCH(QString, bv);
    QFETCH(QString, ec);
    QFETCH(QString, ev);
    QFETCH(QString, expected);
    QCOMPARE(ReferenceText(QStringLiteral("John"), bc, bv, ec, ev), expected);
}

void tst_SermonScreen::referenceRuleOnTheScreen_data()
{
    QTest::addColumn<QString>("typedReference");
    QTest::addColumn<QString>("beginChapter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("composed") << ""
                              << "3"
                              << "John 3:16-18";
    QTest::newRow("typed kept") << "Jn 3"
                                << "3"
                                << "Jn 3";
    QTest::newRow("no chapter") << ""
                                << ""
                                << "";
}

void tst_SermonScreen::referenceRuleOnTheScreen()
{
    QFETCH(QString, typedReference);
    QFETCH(QString, beginChapter);
    QFETCH(QString, expected);
    frmSermon *screen = openAll();
    QTest::mouseClick(widget<QPushButton>(screen, "cmdNew"), Qt::LeftButton);
    QComboBox *book = widget<QComboBox>(screen, "cboBibleBook");
    book->setCurrentIndex(book->findText(QStringLiteral("John")));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), typedReference);
    QTest::keyClicks(widget<QLineEdit>(screen, "txtBegC"), beginChapter);
    QTest::keyClicks(widget<QLineEdit>(screen, "txtBegV"), QStringLiteral("16"));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtEndC"), beginChapter);
    widget<QLineEdit>(screen, "txtEndV")->setFocus();
    QTest::keyClicks(widget<QLineEdit>(screen, "txtEndV"), QStringLiteral("18"));
    QTest::keyClick(widget<QLineEdit>(screen, "txtEndV"), Qt::Key_Tab);
    QCOMPARE(widget<QLineEdit>(screen, "txtReference")->text(), expected);
}

void tst_SermonScreen::newSermonIsInsertedAndListed()
{
    frmSermon *screen = openAll();
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(screen, "cmdNew"), Qt::LeftButton);
    QVERIFY(screen->isAdding());
    QCOMPARE(widget<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Cancel"));
    QVERIFY(!widget<QPushButton>(screen, "cmdTopics")->isEnabled()
        && !widget<QPushButton>(screen, "cmdOutline")->isEnabled());
    QVERIFY(m_main->toolButton(QStringLiteral("grpNotes"))->isHidden());
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->row(), 6); // the blank row
    QCOMPARE(widget<QLineEdit>(screen, "txtLocation")->text(),
        QStringLiteral("First Community Church "));
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QString());

    QComboBox *preacher = widget<QComboBox>(screen, "cboPreacher");
    preacher->setCurrentIndex(preacher->findData(3));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), QStringLiteral("Acts 2"));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtTitle"), QStringLiteral("Pentecost"));
    QVERIFY(widget<QPushButton>(screen, "cmdSave")->isEnabled());
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);

    QCOMPARE(MsgBoxScript::shown(), QStringList());
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QStringLiteral("15"));
    QCOMPARE(sermonColumn(15, "strTitle").toString(), QStringLiteral("Pentecost"));
    QCOMPARE(sermonColumn(15, "lngPreacherID").toInt(), 3);
    DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
    QCOMPARE(grid->rows(), 8);
    QCOMPARE(grid->text(6, 0), QStringLiteral("15"));
    QCOMPARE(grid->text(6, 1), QStringLiteral("Acts 2"));
    QCOMPARE(grid->text(6, 2), QStringLiteral("Delgado"));
    QCOMPARE(grid->text(6, 3), QStringLiteral("Pentecost "));
    QCOMPARE(grid->text(7, 0), QString());
    QCOMPARE(grid->row(), 6);
    QCOMPARE(screen->listRows(), 6);
    QCOMPARE(screen->listRow(), 6);
    QCOMPARE(screen->currentSermonID(), 15);
    QVERIFY(!screen->isAdding());
    QVERIFY(!screen->isEditing());
    QCOMPARE(widget<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Close"));
    QVERIFY(widget<QPushButton>(screen, "cmdTopics")->isEnabled());
}

void tst_SermonScreen::emptyChapterAndVerseAreSavedAsZero()
{
    frmSermon *screen = openAll();
    QTest::mouseClick(widget<QPushButton>(screen, "cmdNew"), Qt::LeftButton);
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), QStringLiteral("Jude"));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtBegC"), QStringLiteral(" "));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(widget<QLineEdit>(screen, "txtBegC")->text(), QStringLiteral("0"));
    QCOMPARE(widget<QLineEdit>(screen, "txtEndV")->text(), QStringLiteral("0"));
    const int id = widget<QLabel>(screen, "lblSermonID")->text().toInt();
    QVERIFY(id > 0);
    for (const char *column :
        { "intBeginChapter", "intBeginVerse", "intEndChapter", "intEndVerse" }) {
        QCOMPARE(sermonColumn(id, column).toInt(), 0);
    }
    QVERIFY(sermonColumn(id, "dtDatePreached").isNull());
    QCOMPARE(sermonColumn(id, "lngBibleBookID").toInt(), 0);
}

void tst_SermonScreen::updateRewritesItsRow()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(2)); // Psalm 23
    widget<QLineEdit>(screen, "txtBigIdea")->selectAll();
    QTest::keyClicks(widget<QLineEdit>(screen, "txtBigIdea"), QStringLiteral("Rest in Him"));
    QVERIFY(screen->isEditing());
    QVERIFY(!widget<DataGrid>(screen, "grdSermons")->isEnabled());
    QComboBox *preacher = widget<QComboBox>(screen, "cboPreacher");
    preacher->setCurrentIndex(preacher->findData(2));
    widget<QLineEdit>(screen, "txtDatePreached")->setText(QStringLiteral("3/4/2001"));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(sermonColumn(12, "strBigIdea").toString(), QStringLiteral("Rest in Him"));
    QCOMPARE(sermonColumn(12, "lngPreacherID").toInt(), 2);
    // SQLite keeps the literal's text; the server a date.
    const QVariant date = sermonColumn(12, "dtDatePreached");
    QCOMPARE(m_db->engine() == TestEnvironment::Engine::SQLite
            ? date.toString()
            : date.toDate().toString(Qt::ISODate),
        QStringLiteral("2001-03-04"));
    QCOMPARE(sermonColumn(12, "strOutline").toString(), QStringLiteral("The Lord is my shepherd"));
    DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
    QCOMPARE(grid->text(2, 0), QStringLiteral("12"));
    // The field's own trailing blank, then the one the row adds.
    QCOMPARE(grid->text(2, 1), QStringLiteral("Psalm 23  "));
    QCOMPARE(grid->text(2, 2), QStringLiteral("O'Connor "));
    QCOMPARE(grid->text(2, 3), QStringLiteral("Rest in Him"));
    QCOMPARE(grid->col(), 0);
    QCOMPARE(grid->rows(), 7);
    QVERIFY(!screen->isEditing());
    QVERIFY(grid->isEnabled());
}

void tst_SermonScreen::deleteBlanksTheRowAndStartsANewSermon()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(3)); // 13
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    QTest::mouseClick(widget<QPushButton>(screen, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(),
        (QStringList { "Delete the Current Record", "Delete was successful" }));
    QCOMPARE(MsgBoxScript::shownStyles(),
        (QList<MsgBoxStyle> { MsgBoxStyle::YesNoQuestion, MsgBoxStyle::OkExclamation }));
    QVERIFY(!sermonColumn(13, "lngSermonID").isValid());
    DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
    QCOMPARE(grid->rows(), 7);
    for (int col = 0; col < 4; ++col) {
        QCOMPARE(grid->text(3, col), QStringLiteral(" "));
    }
    QCOMPARE(grid->row(), 6);
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QString());
    QCOMPARE(widget<QLineEdit>(screen, "txtTitle")->text(), QString());
    QVERIFY(!widget<QPushButton>(screen, "cmdNew")->isEnabled()
        && !widget<QPushButton>(screen, "cmdDelete")->isEnabled());
    QVERIFY(!widget<QPushButton>(screen, "cmdSave")->isEnabled());
    QCOMPARE(widget<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Cancel"));
    QVERIFY(!screen->isAdding());

    // The emptied row loads nothing.
    QTest::mouseClick(widget<QPushButton>(screen, "cmdClose"), Qt::LeftButton);
    CHECKED_STEP(chooseRow(3));
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QString());
}

void tst_SermonScreen::deleteWithoutASermonShownDoesNothing()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(4)); // 10
    QTest::mouseClick(widget<QPushButton>(screen, "cmdNew"), Qt::LeftButton);
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    QTest::mouseClick(widget<QPushButton>(screen, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(), QStringList());
    QCOMPARE(sermonColumn(10, "lngSermonID").toInt(), 10);
    MsgBoxScript::clear(); // the Yes was only there to delete had the question come
}

void tst_SermonScreen::failedSaveKeepsTheEdits()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(4));
    widget<QLineEdit>(screen, "txtReference")->selectAll();
    QTest::keyClick(widget<QLineEdit>(screen, "txtReference"), Qt::Key_Delete);
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Reference Must Be Filled In." });
    QVERIFY(widget<QLineEdit>(screen, "txtReference")->hasFocus());
    QVERIFY(screen->isEditing());
    QCOMPARE(sermonColumn(10, "strDisplayText").toString(), QStringLiteral("John 3:16"));

    // The row vanished under the screen: nothing is saved unless the user wants the edits
    // kept as a new sermon; No leaves them unsaved.
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), QStringLiteral("Jn 3:16"));
    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM tblSermons WHERE lngSermonID = 10")));
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { "This record was deleted by someone else since you opened it. Save your "
                      "version as a new record?" });
    QCOMPARE(MsgBoxScript::shownCaptions(), QStringList { "Sermon Identification Screen" });
    QVERIFY(screen->isEditing());
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(4, 1), QStringLiteral("John 3:16"));
}

void tst_SermonScreen::cancelReloadsFromTheDatabase()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(4));
    widget<QLineEdit>(screen, "txtTitle")->selectAll();
    QTest::keyClicks(widget<QLineEdit>(screen, "txtTitle"), QStringLiteral("Changed"));
    QCOMPARE(widget<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Cancel"));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdClose"), Qt::LeftButton);
    QCOMPARE(widget<QLineEdit>(screen, "txtTitle")->text(), QStringLiteral("God So Loved "));
    QCOMPARE(widget<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Close"));
    QVERIFY(!screen->isEditing());
    QVERIFY(frmSermon::instance());
    QCOMPARE(sermonColumn(10, "strTitle").toString(), QStringLiteral("God So Loved"));
}

void tst_SermonScreen::blankRowClearsTheFields_data()
{
    QTest::addColumn<bool>("heading");
    QTest::addColumn<bool>("justOpened"); // the screen shows its first sermon, nothing chosen
    QTest::addColumn<int>("column"); // the heading clicked
    // A key released and a click in the notes window, its text unchanged: the release of the
    // key that opened the screen lands there when the window takes the focus.
    QTest::addColumn<bool>("notesTouched");
    QTest::newRow("trailing blank row") << false << false << 0 << false;
    QTest::newRow("heading row") << true << false << 1 << false;
    QTest::newRow("heading over ID#, just opened") << true << true << 0 << false;
    QTest::newRow("heading over BIBLE REF, just opened") << true << true << 1 << false;
    QTest::newRow("heading over ID#, just opened, notes touched") << true << true << 0 << true;
    QTest::newRow("trailing blank row, notes touched") << false << false << 0 << true;
}

void tst_SermonScreen::blankRowClearsTheFields()
{
    QFETCH(bool, heading);
    QFETCH(bool, justOpened);
    QFETCH(int, column);
    QFETCH(bool, notesTouched);
    frmSermon *screen = openAll();
    if (!justOpened)
        CHECKED_STEP(chooseRow(4));
    if (notesTouched) {
        QPlainTextEdit *outline = frmNotes::instance()->findChild<QPlainTextEdit *>("txtOutline");
        QTest::keyRelease(outline, Qt::Key_Return);
        QTest::mouseClick(outline->viewport(), Qt::LeftButton);
        QVERIFY(!screen->isEditing());
    }
    QVERIFY(!widget<QLabel>(screen, "lblSermonID")->text().isEmpty());
    if (heading) {
        // Over the heading's text, where a user points.
        QHeaderView *header = widget<DataGrid>(screen, "grdSermons")->horizontalHeader();
        const QPoint point(
            header->sectionViewportPosition(column) + header->fontMetrics().averageCharWidth() + 4,
            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
    } else {
        CHECKED_STEP(chooseRow(6));
    }
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QString());
    QCOMPARE(widget<QLineEdit>(screen, "txtTitle")->text(), QString());
    QCOMPARE(widget<QComboBox>(screen, "cboPreacher")->currentIndex(), -1);
    QCOMPARE(frmNotes::instance()->outline(), QString());
    // The row chosen before loads again.
    CHECKED_STEP(chooseRow(4));
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QStringLiteral("10"));
}

void tst_SermonScreen::emptyRefillLeavesNoSermonBehind()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(4)); // 10
    MsgBoxScript::clear();
    // A hand-over that finds nothing: a preacher without sermons.
    m_main->showSermons(SermonQuery::byPreacher(99));
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Number of Records found = 0" });
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->rows(), 2);
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(0, 0), QStringLiteral("ID#"));
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QString());
    QCOMPARE(widget<QLineEdit>(screen, "txtTitle")->text(), QString());
    QCOMPARE(widget<QComboBox>(screen, "cboPreacher")->currentIndex(), -1);

    // What is typed now is a new sermon; the one shown before stays as it was.
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), QStringLiteral("Jonah 1"));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    const int id = widget<QLabel>(screen, "lblSermonID")->text().toInt();
    QVERIFY(id > 14);
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(1, 0), QString::number(id));
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->rows(), 3);
    QCOMPARE(sermonColumn(10, "strDisplayText").toString(), QStringLiteral("John 3:16"));
}

void tst_SermonScreen::sermonsButtonsAskAboutUnsavedEdits_data()
{
    QTest::addColumn<QString>("from"); // the screen whose button hands the sermons over
    QTest::addColumn<MsgBoxAnswer>("answer");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("storedTitle");
    const QStringList all { "11", "12", "13", "10", "14" };
    QTest::newRow("series, No") << "frmSeries" << MsgBoxAnswer::No << QStringList { "11", "14" }
                                << "God So Loved";
    QTest::newRow("preacher, Yes")
        << "frmPreachers" << MsgBoxAnswer::Yes << QStringList { "12", "10" } << "Edited";
    QTest::newRow("series, Cancel") << "frmSeries" << MsgBoxAnswer::Cancel << all << "God So Loved";
    QTest::newRow("checklist, No")
        << "frmSelect" << MsgBoxAnswer::No << QStringList { "13" } << "God So Loved";
}

void tst_SermonScreen::sermonsButtonsAskAboutUnsavedEdits()
{
    QFETCH(QString, from);
    QFETCH(MsgBoxAnswer, answer);
    QFETCH(QStringList, listed);
    QFETCH(QString, storedTitle);
    RegisterReferenceScreenCommands(*m_main);
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(4)); // 10, Harper, series 1
    widget<QLineEdit>(screen, "txtTitle")->selectAll();
    QTest::keyClicks(widget<QLineEdit>(screen, "txtTitle"), QStringLiteral("Edited"));
    QVERIFY(screen->isEditing());

    // The real screens, driven as a user would.
    if (from == QLatin1String("frmSelect")) {
        m_main->runCommand(QStringLiteral("mnuCPreacher"));
        auto *select = m_main->findChild<QDialog *>(QStringLiteral("frmSelect"));
        QVERIFY(select);
        auto *preacher = select->findChild<QComboBox *>(QStringLiteral("cboPreacher"));
        preacher->setCurrentIndex(preacher->findText(QStringLiteral("Delgado")));
        MsgBoxScript::clear();
        MsgBoxScript::queueAnswer(answer);
        QTest::mouseClick(
            select->findChild<QPushButton *>(QStringLiteral("cmdSelect")), Qt::LeftButton);
    } else {
        const bool series = from == QLatin1String("frmSeries");
        m_main->runCommand(QLatin1String(series ? "mnuESeries" : "mnuEPreacher"));
        QApplication::processEvents();
        QWidget *other = m_main->workArea()->findChild<QWidget *>(from);
        QVERIFY(other);
        if (series) {
            auto *grid = other->findChild<DataGrid *>(QStringLiteral("grdSeries"));
            int row = 1;
            while (row < grid->rows() && grid->text(row, 0) != QLatin1String("2"))
                ++row;
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                grid->visualRect(grid->model()->index(row - 1, 0)).center());
        } else {
            auto *list = other->findChild<QListWidget *>(QStringLiteral("lstPreachers"));
            const QListWidgetItem *harper
                = list->findItems(QStringLiteral("Harper, Daniel"), Qt::MatchExactly).value(0);
            QVERIFY(harper);
            QTest::mouseClick(
                list->viewport(), Qt::LeftButton, {}, list->visualItemRect(harper).center());
        }
        MsgBoxScript::clear();
        MsgBoxScript::queueAnswer(answer);
        QTest::mouseClick(
            other->findChild<QPushButton *>(QStringLiteral("cmdSermons")), Qt::LeftButton);
    }
    QApplication::processEvents();

    QVERIFY(!MsgBoxScript::shown().isEmpty());
    QCOMPARE(MsgBoxScript::shown().constFirst(),
        QStringLiteral("Data Has Been Changed\r\nSave Changes ?"));
    QCOMPARE(gridKeys(widget<DataGrid>(screen, "grdSermons")), listed);
    QCOMPARE(sermonColumn(10, "strTitle").toString(), storedTitle);
    QCOMPARE(screen->isEditing(), answer == MsgBoxAnswer::Cancel);
    if (answer == MsgBoxAnswer::Cancel) {
        QCOMPARE(widget<QLineEdit>(screen, "txtTitle")->text(), QStringLiteral("Edited"));
    } else {
        QCOMPARE(MsgBoxScript::shown().constLast(),
            QStringLiteral("Number of Records found = %1").arg(listed.size()));
        QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), listed.constFirst());
    }
}

void tst_SermonScreen::addNewSermonStartsWithAnEmptyList()
{
    QTest::mouseClick(m_main->toolButton(QStringLiteral("grpNewSermon")), Qt::LeftButton);
    frmSermon *screen = sermonScreen();
    QVERIFY(screen);
    QCOMPARE(MsgBoxScript::shown(), QStringList());
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->rows(), 2);
    QVERIFY(screen->isAdding());
    QVERIFY(m_main->toolButton(QStringLiteral("grpNewSermon"))->isHidden());
    QCOMPARE(widget<QLineEdit>(screen, "txtLocation")->text(),
        QStringLiteral("First Community Church "));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), QStringLiteral("Ruth 1"));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->text(1, 1), QStringLiteral("Ruth 1"));
    QCOMPARE(widget<DataGrid>(screen, "grdSermons")->rows(), 3);
}

void tst_SermonScreen::newSermonStartsWithAnEmptyOutline_data()
{
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("New") << false;
    QTest::newRow("Add New Sermon") << true;
}

void tst_SermonScreen::newSermonStartsWithAnEmptyOutline()
{
    QFETCH(bool, fromToolbar);
    frmSermon *screen = nullptr;
    if (fromToolbar) {
        // A notes text left behind by an earlier sermon.
        SharedOutline().text = QStringLiteral("Somebody else's outline");
        m_main->runCommand(QStringLiteral("grpNewSermon"));
        screen = sermonScreen();
    } else {
        screen = openAll();
        CHECKED_STEP(chooseRow(4));
        QTest::mouseClick(widget<QPushButton>(screen, "cmdNew"), Qt::LeftButton);
        QCOMPARE(frmNotes::instance()->outline(), QString());
    }
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), QStringLiteral("Ruth 2"));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    const int id = widget<QLabel>(screen, "lblSermonID")->text().toInt();
    QVERIFY(id > 0);
    QVERIFY(sermonColumn(id, "strOutline").isNull());
}

void tst_SermonScreen::clearingTheSeriesIsAChange()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(4)); // series 1
    const int entries = widget<QComboBox>(screen, "cboSeries")->count();
    QTest::mouseClick(widget<QLabel>(screen, "lblSeries"), Qt::LeftButton);
    QCOMPARE(widget<QComboBox>(screen, "cboSeries")->currentIndex(), -1);
    QCOMPARE(widget<QComboBox>(screen, "cboSeries")->count(), entries);
    QVERIFY(screen->isEditing());
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(sermonColumn(10, "lngSeriesID").toInt(), 0);

    QTest::mouseClick(widget<QLabel>(screen, "lblPreacher"), Qt::LeftButton);
    QCOMPARE(widget<QComboBox>(screen, "cboPreacher")->currentIndex(), -1);
}

void tst_SermonScreen::preacherListFollowsOtherScreens()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(4)); // Harper
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO tblPreachers (lngPreacherID, strFirstName, "
                                      "strLastName) VALUES (4, 'Ann', 'Able')")));
    Q_EMIT ScreenEvents::instance().preachersChanged();
    QCOMPARE(
        widget<QComboBox>(screen, "cboPreacher")->itemText(0), QStringLiteral("(No Preacher), "));
    QVERIFY(widget<QComboBox>(screen, "cboPreacher")->findText(QStringLiteral("Able, Ann")) >= 0);
    QCOMPARE(
        widget<QComboBox>(screen, "cboPreacher")->currentText(), QStringLiteral("Harper, Daniel"));
    QVERIFY(!screen->isEditing());
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
