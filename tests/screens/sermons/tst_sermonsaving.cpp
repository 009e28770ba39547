#include "SermonScreenCase.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace SermonScreenFixture;

// The sermon screen writing its row: new sermons, updates, deletions, failed saves, Cancel and
// the blank row.
class tst_SermonSaving : public QObject, private SermonScreenCase
{
    Q_OBJECT
private Q_SLOTS:
    // Every case runs on SQLite and on the PostgreSQL test server.
    void initTestCase_data();
    void init();
    void cleanup();

    void newSermonIsInsertedAndListed();
    void emptyChapterAndVerseAreSavedAsZero();
    void updateRewritesItsRow();
    void deleteBlanksTheRowAndStartsANewSermon();
    void deleteWithoutASermonShownDoesNothing();
    void failedSaveKeepsTheEdits();
    void cancelReloadsFromTheDatabase();
    void blankRowClearsTheFields_data();
    void blankRowClearsTheFields();
    void headingClickAfterTheOpen_data();
    void headingClickAfterTheOpen();
    void emptyRefillLeavesNoSermonBehind();
};

void tst_SermonSaving::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_SermonSaving::init()
{
    setUp();
}

void tst_SermonSaving::cleanup()
{
    tearDown();
}

void tst_SermonSaving::newSermonIsInsertedAndListed()
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

void tst_SermonSaving::emptyChapterAndVerseAreSavedAsZero()
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

void tst_SermonSaving::updateRewritesItsRow()
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

void tst_SermonSaving::deleteBlanksTheRowAndStartsANewSermon()
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

void tst_SermonSaving::deleteWithoutASermonShownDoesNothing()
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

void tst_SermonSaving::failedSaveKeepsTheEdits()
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

void tst_SermonSaving::cancelReloadsFromTheDatabase()
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

void tst_SermonSaving::blankRowClearsTheFields_data()
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

void tst_SermonSaving::blankRowClearsTheFields()
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

void tst_SermonSaving::headingClickAfterTheOpen_data()
{
    QTest::addColumn<int>("delayMs"); // from the end of the open to the click
    // The window manager activates a window that was clicked while inactive (the message box
    // of the open, or another program, had the activation) once the click has arrived.
    QTest::addColumn<bool>("activatedAfter");
    for (const int delay : { 0, 50, 300, 1000 }) {
        QTest::addRow("%d ms, window active", delay) << delay << false;
        QTest::addRow("%d ms, window activated after the click", delay) << delay << true;
    }
}

void tst_SermonSaving::headingClickAfterTheOpen()
{
    QFETCH(int, delayMs);
    QFETCH(bool, activatedAfter);
    frmSermon *screen = openAll();
    DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
    QHeaderView *header = grid->horizontalHeader();
    QWidget elsewhere;
    if (activatedAfter) {
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);
    }
    // The click arrives as a user's does: from the event loop, after whatever the open left
    // queued (showing and activating the windows, the notes window's outline).
    bool clicked = false;
    QTimer::singleShot(delayMs, screen, [&] {
        const QPoint point(header->sectionViewportPosition(1) + 8, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
        clicked = true;
        if (activatedAfter) {
            m_main->activateWindow();
        }
    });
    QTRY_VERIFY(clicked);
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    // Whatever the event loop still holds has run too.
    QTest::qWait(100);
    QCOMPARE(grid->row(), 0);
    QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QString());
    QCOMPARE(widget<QLineEdit>(screen, "txtTitle")->text(), QString());
    QCOMPARE(frmNotes::instance()->outline(), QString());
}

void tst_SermonSaving::emptyRefillLeavesNoSermonBehind()
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

QTEST_MAIN(tst_SermonSaving)
#include "tst_sermonsaving.moc"
