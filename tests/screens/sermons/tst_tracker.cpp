#include "DataGrid.h"
#include "DbDatabase.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "ScreenTestReset.h"
#include "SermonCommands.h"
#include "TestEnvironment.h"
#include "clsDateLoc.h"
#include "frmDateLoc.h"
#include "frmMain.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using TestEnvironment::Engine;

// The date/location tracker on the demo library: sermon 6 was preached again at "Grace
// Fellowship Church" (key 2) and "Faith Community Church, Dayton" (key 3); sermon 2 never.
class tst_Tracker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    // Every case runs on SQLite and on the PostgreSQL test server.
    void initTestCase_data();
    void init();
    void cleanup();

    void sermonWithoutOccasionsStartsANewOne();
    void listsOnlyTheSermonsOccasions();
    void savingAChangeRewritesColumnsOneAndTwo();
    void newOccasionIsAppendedAndStaysCurrent();
    void refusedInput_data();
    void refusedInput();
    void deleteRemovesTheShownOccasion();
    void cancelShowsTheOccasionAgain();
    void headingRowClearsTheFields();
    void engineErrorIsReportedAndTheScreenStays_data();
    void engineErrorIsReportedAndTheScreenStays();
    void blankRowDeletesNothingAndSavesANewOccasion();
    void commandKeepsOneTrackerPerSermon();

private:
    frmDateLoc *openTracker(qint32 sermonID);
    QWidget *openSermonScreen(qint32 sermonID);
    template <typename T> T *child(const char *name) const
    {
        return m_tracker->findChild<T *>(QLatin1String(name));
    }
    void chooseRow(int row);
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
    frmDateLoc *m_tracker = nullptr;
};

void tst_Tracker::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_Tracker::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_Tracker::init()
{
    QFETCH_GLOBAL(int, engine);
    ScreenTestReset::begin();
    m_db = std::make_unique<TestDatabase>(Engine(engine), true);
    REQUIRE_DATABASE(*m_db);
    m_main = std::make_unique<frmMain>();
    RegisterScreenCommands(*m_main);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_Tracker::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    m_tracker = nullptr;
    m_main.reset();
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

frmDateLoc *tst_Tracker::openTracker(qint32 sermonID)
{
    OpenSermonTracker(*m_main, sermonID);
    auto *frame = m_main->workArea()->activeSubWindow();
    m_tracker = frame ? qobject_cast<frmDateLoc *>(frame->widget()) : nullptr;
    return m_tracker;
}

// Stands in for the sermon screen: the fields the tracker reads.
QWidget *tst_Tracker::openSermonScreen(qint32 sermonID)
{
    auto *screen = new QWidget;
    screen->setObjectName(QStringLiteral("frmSermon"));
    auto *id = new QLabel(QString::number(sermonID) + QLatin1Char(' '), screen);
    id->setObjectName(QStringLiteral("lblSermonID"));
    auto *date = new QLineEdit(QStringLiteral("09/19/2010 "), screen);
    date->setObjectName(QStringLiteral("txtDatePreached"));
    auto *place = new QLineEdit(QStringLiteral("Home Church "), screen);
    place->setObjectName(QStringLiteral("txtLocation"));
    m_main->openScreen(screen);
    return screen;
}

void tst_Tracker::chooseRow(int row)
{
    auto *grid = child<DataGrid>("grdDateLoc");
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void tst_Tracker::sermonWithoutOccasionsStartsANewOne()
{
    QVERIFY(openTracker(2));
    QCOMPARE(m_tracker->windowTitle(), QStringLiteral("Date / Location Tracker"));
    auto *grid = child<DataGrid>("grdDateLoc");
    QCOMPARE(grid->rows(), 2);
    QCOMPARE(grid->row(), 1);
    QCOMPARE(m_tracker->listRows(), 0);
    QVERIFY(child<QPushButton>("cmdSave")->isEnabled());
    QVERIFY(!child<QPushButton>("cmdNew")->isEnabled());
    QCOMPARE(child<QPushButton>("cmdClose")->text(), QStringLiteral("&Cancel"));
    QCOMPARE(child<QLabel>("lblSermonID")->text(), QStringLiteral("2"));
    QVERIFY(child<QLineEdit>("txtLocation")->text().isEmpty());
    QVERIFY(child<QLabel>("lblDateLocID")->text().isEmpty());
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_Tracker::listsOnlyTheSermonsOccasions()
{
    // Sorted by location, this one lies between sermon 6's two occasions.
    QVERIFY(m_db->exec(
        QStringLiteral("INSERT INTO tblDateLoc VALUES (40, 7, '2012-01-01', 'First Baptist')")));
    openSermonScreen(6);
    QVERIFY(openTracker(6));
    auto *grid = child<DataGrid>("grdDateLoc");
    QCOMPARE(grid->rows(), 4);
    QCOMPARE(grid->text(0, 2), QStringLiteral("Date Preached"));
    QVERIFY(grid->columnWidth(2) >= grid->horizontalHeader()->sectionSizeHint(2));
    QCOMPARE(grid->text(1, 0), QStringLiteral("3"));
    QCOMPARE(grid->text(1, 1), QStringLiteral("Faith Community Church, Dayton"));
    QCOMPARE(grid->text(1, 2), QStringLiteral("5/3/2015"));
    QCOMPARE(grid->text(2, 1), QStringLiteral("Grace Fellowship Church"));
    QCOMPARE(grid->text(3, 0), QString());
    QCOMPARE(m_tracker->listRows(), 2);
    QCOMPARE(m_tracker->occasionID(), 3);
    // Browsing the first occasion, each field followed by one blank.
    QVERIFY(!child<QPushButton>("cmdSave")->isEnabled());
    QCOMPARE(child<QLabel>("lblDateLocID")->text(), QStringLiteral("3 "));
    QCOMPARE(child<QLineEdit>("txtDate")->text(), QStringLiteral("5/3/2015 "));
    QCOMPARE(
        child<QLineEdit>("txtLocation")->text(), QStringLiteral("Faith Community Church, Dayton "));
    QCOMPARE(child<QLabel>("lblDate1")->text(), QStringLiteral("09/19/2010 "));
    QCOMPARE(child<QLabel>("lblLocation1")->text(), QStringLiteral("Home Church "));
}

void tst_Tracker::savingAChangeRewritesColumnsOneAndTwo()
{
    QVERIFY(openTracker(6));
    auto *grid = child<DataGrid>("grdDateLoc");
    CHECKED_STEP(chooseRow(2));
    QCOMPARE(child<QLabel>("lblDateLocID")->text(), QStringLiteral("2 "));
    auto *location = child<QLineEdit>("txtLocation");
    location->selectAll();
    QTest::keyClicks(location, QStringLiteral("St. Mary's"));
    QCOMPARE(child<QPushButton>("cmdClose")->text(), QStringLiteral("&Cancel"));
    QVERIFY(!grid->isEnabled());
    CHECKED_STEP(click("cmdSave"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT strLocation FROM tblDateLoc WHERE lngDateLocID=2"))
                 .toString(),
        QStringLiteral("St. Mary's"));
    QCOMPARE(grid->text(2, 0), QStringLiteral("2"));
    QCOMPARE(grid->text(2, 1), QStringLiteral("St. Mary's "));
    QCOMPARE(grid->text(2, 2), QStringLiteral("9/19/2010  "));
    QCOMPARE(grid->text(1, 1), QStringLiteral("Faith Community Church, Dayton"));
    QCOMPARE(child<QPushButton>("cmdClose")->text(), QStringLiteral("&Close"));
    QVERIFY(grid->isEnabled());
}

void tst_Tracker::newOccasionIsAppendedAndStaysCurrent()
{
    QVERIFY(openTracker(2));
    QTest::keyClicks(child<QLineEdit>("txtLocation"), QStringLiteral("Église Saint-Jean"));
    QTest::keyClicks(child<QLineEdit>("txtDate"), QStringLiteral("6/15/98"));
    CHECKED_STEP(click("cmdSave"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
    const qint32 key = child<QLabel>("lblDateLocID")->text().toInt();
    QVERIFY(key > 15);
    QCOMPARE(
        m_db->scalar(
                QStringLiteral("SELECT lngSermonID FROM tblDateLoc WHERE lngDateLocID=%1").arg(key))
            .toInt(),
        2);
    auto *grid = child<DataGrid>("grdDateLoc");
    QCOMPARE(grid->rows(), 3);
    QCOMPARE(grid->text(1, 0), QString::number(key));
    QCOMPARE(grid->text(1, 2), QStringLiteral("6/15/1998"));
    QCOMPARE(m_tracker->listRows(), 1);

    // A change right after the insert updates the new occasion, not the blank row.
    QTest::keyClicks(child<QLineEdit>("txtLocation"), QStringLiteral(" Annex"));
    CHECKED_STEP(click("cmdSave"));
    QCOMPARE(
        m_db->scalar(
                QStringLiteral("SELECT strLocation FROM tblDateLoc WHERE lngDateLocID=%1").arg(key))
            .toString(),
        QStringLiteral("Église Saint-Jean Annex"));
    QCOMPARE(grid->text(1, 1), QStringLiteral("Église Saint-Jean Annex "));
    QCOMPARE(grid->text(2, 1), QString());
}

void tst_Tracker::refusedInput_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MsgBoxStyle>("style");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("fieldsKept");
    QTest::newRow("not a date") << "31/31/98"
                                << "Chapel"
                                << "Procedural error; Please try again"
                                << MsgBoxStyle::OkExclamation << "" << false;
    QTest::newRow("no date") << ""
                             << "Chapel"
                             << "Date Preached Must Be Filled In." << MsgBoxStyle::OkOnly
                             << "txtDate" << true;
    QTest::newRow("no location") << "6/15/98"
                                 << "  "
                                 << "Location Must Be Filled In." << MsgBoxStyle::OkOnly
                                 << "txtLocation" << true;
}

void tst_Tracker::refusedInput()
{
    QFETCH(QString, date);
    QFETCH(QString, location);
    QFETCH(QString, message);
    QFETCH(MsgBoxStyle, style);
    QFETCH(QString, focus);
    QFETCH(bool, fieldsKept);
    QVERIFY(openTracker(2));
    m_tracker->activateWindow();
    QTest::keyClicks(child<QLineEdit>("txtLocation"), location);
    QTest::keyClicks(child<QLineEdit>("txtDate"), date);
    CHECKED_STEP(click("cmdSave"));
    QCOMPARE(MsgBoxScript::shown(), QStringList { message });
    QCOMPARE(MsgBoxScript::shownStyles(), QList<MsgBoxStyle> { style });
    QCOMPARE(
        m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblDateLoc WHERE lngSermonID=2")).toInt(),
        0);
    QCOMPARE(child<QLineEdit>("txtLocation")->text().isEmpty(), !fieldsKept);
    QVERIFY(child<QPushButton>("cmdSave")->isEnabled());
    if (!focus.isEmpty()) {
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
}

void tst_Tracker::deleteRemovesTheShownOccasion()
{
    QVERIFY(openTracker(6));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    CHECKED_STEP(click("cmdDelete"));
    QCOMPARE(MsgBoxScript::shown(),
        (QStringList { "Delete the Current Record", "Delete was successful" }));
    QCOMPARE(MsgBoxScript::shownStyles(),
        (QList<MsgBoxStyle> { MsgBoxStyle::YesNoQuestion, MsgBoxStyle::OkExclamation }));
    // The occasion shown (key 3), not the row the list fill read last.
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblDateLoc WHERE lngDateLocID=3"))
                 .toInt(),
        0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblDateLoc")).toInt(), 14);
    auto *grid = child<DataGrid>("grdDateLoc");
    QCOMPARE(grid->text(1, 0), QStringLiteral(" "));
    QCOMPARE(grid->text(1, 1), QStringLiteral(" "));
    QCOMPARE(grid->text(2, 0), QStringLiteral("2"));
    // A new occasion is started on the blank row.
    QCOMPARE(grid->row(), 3);
    QVERIFY(!child<QPushButton>("cmdNew")->isEnabled());
    QCOMPARE(child<QPushButton>("cmdClose")->text(), QStringLiteral("&Cancel"));
    QVERIFY(child<QLabel>("lblDateLocID")->text().isEmpty());
}

void tst_Tracker::cancelShowsTheOccasionAgain()
{
    QVERIFY(openTracker(6));
    auto *location = child<QLineEdit>("txtLocation");
    QTest::keyClicks(location, QStringLiteral("typo"));
    CHECKED_STEP(click("cmdClose"));
    QCOMPARE(location->text(), QStringLiteral("Faith Community Church, Dayton "));
    QCOMPARE(child<QPushButton>("cmdClose")->text(), QStringLiteral("&Close"));
    QVERIFY(!child<QPushButton>("cmdSave")->isEnabled());
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_Tracker::headingRowClearsTheFields()
{
    QVERIFY(openTracker(6));
    QHeaderView *header = child<DataGrid>("grdDateLoc")->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QVERIFY(child<QLabel>("lblDateLocID")->text().isEmpty());
    QVERIFY(child<QLineEdit>("txtLocation")->text().isEmpty());
    QVERIFY(child<QLineEdit>("txtDate")->text().isEmpty());
    QVERIFY(!child<QPushButton>("cmdSave")->isEnabled());
    CHECKED_STEP(chooseRow(1));
    QCOMPARE(child<QLabel>("lblDateLocID")->text(), QStringLiteral("3 "));
}

void tst_Tracker::engineErrorIsReportedAndTheScreenStays_data()
{
    QTest::addColumn<int>("sermon");
    QTest::addColumn<QString>("damage"); // a statement, or "lock" for another copy's lock
    QTest::addColumn<QString>("detail"); // a word of the driver's message or the statement
    QTest::newRow("change, occasions table gone")
        << 6 << "ALTER TABLE tblDateLoc RENAME TO tblDateLocGone"
        << "tblDateLoc";
    QTest::newRow("new occasion, key counters gone")
        << 2 << "ALTER TABLE tblTableIds RENAME TO tblTableIdsGone"
        << "tblTableIds";
    QTest::newRow("new occasion, library locked by another copy") << 2 << "lock"
                                                                  << "locked";
}

void tst_Tracker::engineErrorIsReportedAndTheScreenStays()
{
    QFETCH(int, sermon);
    QFETCH(QString, damage);
    QFETCH(QString, detail);
    QVERIFY(openTracker(sermon));
    std::unique_ptr<DbDatabase> otherCopy;
    if (damage == QLatin1String("lock")) {
        if (m_db->engine() != Engine::SQLite)
            QSKIP("A server queues the write lock; only a library file refuses it when busy");
        // Another copy of the program holds the write lock past the busy wait.
        DbError error;
        otherCopy = DbDatabase::openFile(m_db->filePath(), error);
        QVERIFY(otherCopy);
        QVERIFY(otherCopy->execute(QStringLiteral("BEGIN IMMEDIATE"), nullptr, error));
    } else {
        QVERIFY(m_db->exec(damage));
    }
    const QString typed = sermon == 2 ? QStringLiteral("Église Saint-Jean") : QStringLiteral("x");
    QTest::keyClicks(child<QLineEdit>("txtLocation"), typed);
    if (sermon == 2)
        QTest::keyClicks(child<QLineEdit>("txtDate"), QStringLiteral("6/15/98"));
    // The failure leaves its statement and number in the "lectorum.db" log by default.
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^failed: .+ \\| native error .* \\| number \\d+ \\| ")));
    CHECKED_STEP(click("cmdSave"));
    // The tracker's own words are the only message; the engine's are in its details.
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Procedural error; Please try again" });
    QCOMPARE(MsgBoxScript::shownStyles(), QList<MsgBoxStyle> { MsgBoxStyle::OkExclamation });
    QVERIFY2(MsgBoxScript::lastDetail().contains(detail, Qt::CaseInsensitive),
        qPrintable(MsgBoxScript::lastDetail()));
    // Still editing, with what was typed (entering the field selected its text).
    QVERIFY(child<QPushButton>("cmdSave")->isEnabled());
    QCOMPARE(child<QLineEdit>("txtLocation")->text(), typed);
    if (sermon == 6)
        QCOMPARE(child<DataGrid>("grdDateLoc")->text(1, 1),
            QStringLiteral("Faith Community Church, Dayton"));
    if (otherCopy) {
        DbError error;
        QVERIFY(otherCopy->execute(QStringLiteral("ROLLBACK"), nullptr, error));
    }
}

// The blank row shows no key: Delete there does nothing, and fields typed there are saved as
// a new occasion.
void tst_Tracker::blankRowDeletesNothingAndSavesANewOccasion()
{
    QVERIFY(openTracker(6));
    const QString countSql = QStringLiteral("SELECT COUNT(*) FROM tblDateLoc");
    const int before = m_db->scalar(countSql).toInt();
    CHECKED_STEP(chooseRow(3));
    QVERIFY(child<QLabel>("lblDateLocID")->text().isEmpty());
    CHECKED_STEP(click("cmdDelete"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(m_db->scalar(countSql).toInt(), before);

    QTest::keyClicks(child<QLineEdit>("txtLocation"), QStringLiteral("Chapel"));
    QTest::keyClicks(child<QLineEdit>("txtDate"), QStringLiteral("6/15/98"));
    CHECKED_STEP(click("cmdSave"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(m_db->scalar(countSql).toInt(), before + 1);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblDateLoc WHERE lngSermonID=6 "
                                         "AND strLocation='Chapel'"))
                 .toInt(),
        1);
    QVERIFY(!child<QPushButton>("cmdSave")->isEnabled());
}

void tst_Tracker::commandKeepsOneTrackerPerSermon()
{
    QVERIFY(openTracker(6));
    QPointer<frmDateLoc> first = m_tracker;
    QVERIFY(openTracker(6));
    QCOMPARE(m_tracker, first.data());

    // Another sermon: the old tracker closes (its unsaved changes asked about) and a new one
    // lists the other sermon's occasions.
    QTest::keyClicks(child<QLineEdit>("txtLocation"), QStringLiteral("x"));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Cancel);
    QVERIFY(openTracker(7));
    QCOMPARE(m_tracker, first.data());
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QVERIFY(openTracker(7));
    QVERIFY(m_tracker != first.data());
    QCOMPARE(m_tracker->sermonID(), 7);
    QCOMPARE(child<DataGrid>("grdDateLoc")->text(1, 1),
        QStringLiteral("Knox Presbyterian Church, Truro"));
    QCOMPARE(MsgBoxScript::shown(),
        (QStringList { "Data Has Been Changed\r\nSave Changes ?",
            "Data Has Been Changed\r\nSave Changes ?" }));

    // Without a chosen sermon nothing opens.
    const qsizetype open = m_main->workArea()->subWindowList().size();
    m_main->runCommand(QStringLiteral("frmDateLoc"));
    QCOMPARE(m_main->workArea()->subWindowList().size(), open);
}

QTEST_MAIN(tst_Tracker)
#include "tst_tracker.moc"
