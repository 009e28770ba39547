#include "../selection/SermonScreenFixture.h"

#include "ElidingLabel.h"
#include "LibrarySettings.h"
#include "ProgramGlobals.h"
#include "ProgramTranslation.h"
#include "WidgetLookup.h"
#include "clsConfig.h"
#include "frmDateLoc.h"
#include "frmPassage.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

using namespace SermonScreenFixture;

// Checklist > By Passage, "Sermons on This Passage", the preaching-history line and the
// tracker's reuse question, end to end on the real screens. Besides the fixture's library:
//   15 John 1:14-18   16 John 3 (the whole chapter)
class tst_PassageHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void passageDialogListsTheOverlappingSermons();
    void sermonsOnThisPassage();
    void historyLineAndReuseQuestion();

private:
    void chooseRow(int row);
    void setReusePeriod(const QString &years);
    frmDateLoc *openTracker();

    QTemporaryDir m_settings;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_PassageHistory::init()
{
    QVERIFY(ProgramTranslation::install()); // as the program does at its start
    TestEnvironment::isolateSettings(m_settings.path());
    QFile::remove(ProgramConfig().storeFile());
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite);
    QVERIFY2(m_db->isReady(), qPrintable(m_db->reason()));
    QVERIFY(loadLibrary(*m_db));
    QVERIFY(m_db->exec(QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, "
        "intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, "
        "strTitle) VALUES (15, 3, 1, 43, 1, 14, 1, 18, 'John 1:14-18', 1, 'Full of Grace'), "
        "(16, 1, 1, 43, 3, 0, 0, 0, 'John 3', 1, 'Born Again')")));
    m_main = makeMainWindow();
    RegisterTrackingScreenCommands(*m_main);
}

void tst_PassageHistory::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_PassageHistory::chooseRow(int row)
{
    frmSermon *screen = sermonScreen();
    QVERIFY(screen);
    DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(grid->row(), row);
}

void tst_PassageHistory::setReusePeriod(const QString &years)
{
    QSettings store(ProgramConfig().storeFile(), QSettings::IniFormat);
    store.setValue(QStringLiteral("Library/ReusePeriodYears"), years);
}

frmDateLoc *tst_PassageHistory::openTracker()
{
    QTest::mouseClick(widget<QPushButton>(sermonScreen(), "cmdTrack"), Qt::LeftButton);
    return m_main->findChild<frmDateLoc *>(QStringLiteral("frmDateLoc"));
}

void tst_PassageHistory::passageDialogListsTheOverlappingSermons()
{
    QAction *item = m_main->action(QStringLiteral("mnuCPassage"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("By P&assage..."));
    const QList<QAction *> checklist
        = m_main->action(QStringLiteral("mnuCheck"))->menu()->actions();
    QCOMPARE(checklist.last(), item);

    m_main->runCommand(QStringLiteral("mnuCPassage"));
    auto *dialog = m_main->findChild<frmPassage *>(QStringLiteral("frmPassage"));
    QVERIFY(dialog);
    QTest::keyClicks(widget<QLineEdit>(dialog, "txtPassage"), QStringLiteral("Jo 1"));
    QCOMPARE(widget<QLabel>(dialog, "lblReading")->text(),
        QStringLiteral("'Jo' could be John, Job, Joel, Jonah or Joshua"));
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdSelect"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(), QStringList { widget<QLabel>(dialog, "lblReading")->text() });
    QVERIFY(!sermonScreen());

    widget<QLineEdit>(dialog, "txtPassage")->clear();
    QTest::keyClicks(
        widget<QLineEdit>(dialog, "txtPassage"), QStringLiteral("Jn 1:18; gen 1:5-2:1"));
    QCOMPARE(
        widget<QLabel>(dialog, "lblReading")->text(), QStringLiteral("John 1:18; Genesis 1:5–2:1"));
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdSelect"), Qt::LeftButton);
    QVERIFY(sermonScreen());
    QCOMPARE(gridKeys(widget<DataGrid>(sermonScreen(), "grdSermons")), QStringList({ "11", "15" }));
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("Number of Records found = 2") });
    // The reference is offered again next time.
    m_main->runCommand(QStringLiteral("mnuCPassage"));
    auto *again = m_main->findChild<frmPassage *>(QStringLiteral("frmPassage"));
    QVERIFY(again);
    QCOMPARE(
        widget<QLineEdit>(again, "txtPassage")->text(), QStringLiteral("Jn 1:18; gen 1:5-2:1"));
    // A second passage search while the sermon screen is open lists its own sermons.
    widget<QLineEdit>(again, "txtPassage")->setText(QStringLiteral("Romans 8"));
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(again, "cmdSelect"), Qt::LeftButton);
    QCOMPARE(gridKeys(widget<DataGrid>(sermonScreen(), "grdSermons")), QStringList { "14" });
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("Number of Records found = 1") });
}

void tst_PassageHistory::sermonsOnThisPassage()
{
    m_main->runCommand(QStringLiteral("mnuESermon"));
    frmSermon *screen = sermonScreen();
    QVERIFY(screen);
    // Bible order: 11 Genesis, 12 Psalm, 13 John 1:1-14, 15 John 1:14-18, 16 John 3, 10 John 3:16,
    // 14
    QCOMPARE(gridKeys(widget<DataGrid>(screen, "grdSermons")),
        QStringList({ "11", "12", "13", "15", "16", "10", "14" }));
    CHECKED_STEP(chooseRow(3));
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSamePassage"), Qt::LeftButton);
    QCOMPARE(gridKeys(widget<DataGrid>(screen, "grdSermons")), QStringList { "15" });
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("Number of Records found = 1") });
    QCOMPARE(widget<QLabel>(screen, "lblSermonID")->text(), QStringLiteral("15"));
    // And back: the sermon shown is the first of the new list.
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSamePassage"), Qt::LeftButton);
    QCOMPARE(gridKeys(widget<DataGrid>(screen, "grdSermons")), QStringList { "13" });

    // Unsaved edits: Cancel to "Save Changes ?" keeps the list and the edits.
    QTest::keyClicks(widget<QLineEdit>(screen, "txtTitle"), QStringLiteral(" again"));
    QVERIFY(screen->isEditing());
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Cancel);
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSamePassage"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().first().endsWith(QLatin1String("Save Changes ?")));
    QVERIFY(screen->isEditing());
    QCOMPARE(gridKeys(widget<DataGrid>(screen, "grdSermons")), QStringList { "13" });
}

void tst_PassageHistory::historyLineAndReuseQuestion()
{
    m_main->runCommand(QStringLiteral("mnuESermon"));
    frmSermon *screen = sermonScreen();
    CHECKED_STEP(chooseRow(6)); // 10, preached 6/15/1998 at Main Street
    auto *history = widget<ElidingLabel>(screen, "lblHistory");
    const QString line = QStringLiteral("Last preached 6/15/1998 at Main Street; 1 time in all");
    QCOMPARE(history->text(), line);
    // Narrower than the line, it ends with "…" and keeps its whole text for a screen reader.
    for (const int width : { 1000, 120 }) {
        history->resize(width, history->height());
        QCOMPARE(history->shownText() == line, width == 1000);
        QCOMPARE(history->shownText().endsWith(u'…'), width == 120);
        QCOMPARE(history->text(), line);
    }
    CHECKED_STEP(chooseRow(3));
    QCOMPARE(widget<QLabel>(screen, "lblHistory")->text(), QString());
    CHECKED_STEP(chooseRow(6));
    // Within the default three years at the same place, written otherwise: asked first.
    frmDateLoc *tracker = openTracker();
    QVERIFY(tracker);
    auto *date = tracker->findChild<QLineEdit *>(QStringLiteral("txtDate"));
    auto *place = tracker->findChild<QLineEdit *>(QStringLiteral("txtLocation"));
    auto *save = tracker->findChild<QPushButton *>(QStringLiteral("cmdSave"));
    QTest::keyClicks(date, QStringLiteral("6/15/2001"));
    QTest::keyClicks(place, QStringLiteral(" MAIN street"));
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { QStringLiteral(
            "This sermon was preached at Main Street on 6/15/1998. Record it again?") });
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM tblDateLoc")).toInt(), 0);
    QCOMPARE(place->text(), QStringLiteral(" MAIN street"));
    QVERIFY(save->isEnabled());

    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM tblDateLoc")).toInt(), 1);
    QCOMPARE(widget<QLabel>(screen, "lblHistory")->text(),
        QStringLiteral("Last preached 6/15/2001 at MAIN street; 2 times in all"));

    // A day beyond the period: no question. A period of 0: none at all.
    MsgBoxScript::clear();
    QTest::mouseClick(tracker->findChild<QPushButton *>(QStringLiteral("cmdNew")), Qt::LeftButton);
    QTest::keyClicks(date, QStringLiteral("6/16/2004"));
    QTest::keyClicks(place, QStringLiteral("Main Street"));
    QTest::mouseClick(save, Qt::LeftButton);
    setReusePeriod(QStringLiteral("0"));
    QTest::mouseClick(tracker->findChild<QPushButton *>(QStringLiteral("cmdNew")), Qt::LeftButton);
    QTest::keyClicks(date, QStringLiteral("6/17/2004"));
    QTest::keyClicks(place, QStringLiteral("Main Street"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(), QStringList());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM tblDateLoc")).toInt(), 3);
    QCOMPARE(LibrarySettings::reusePeriodYears(ProgramConfig()), 0);
    setReusePeriod(QStringLiteral("two"));
    QCOMPARE(LibrarySettings::reusePeriodYears(ProgramConfig()), 3);
}

QTEST_MAIN(tst_PassageHistory)
#include "SermonCommands.h"
#include "tst_passagehistory.moc"
