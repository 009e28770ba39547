#include "SermonScreenFixture.h"

#include "SermonListFilter.h"
#include "WidgetLookup.h"
#include "clsSermon.h"
#include "frmSelect.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace SermonScreenFixture;

class tst_Checklist : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every case runs on SQLite and on the PostgreSQL test server.
    void initTestCase_data();
    void init();
    void cleanup();

    void framesAndListsPerCommand_data();
    void framesAndListsPerCommand();
    void openingKeepsAnOuterHourglass_data();
    void openingKeepsAnOuterHourglass();
    void checklistLists_data();
    void checklistLists();
    void selectionServesOneList();
    void cancelTurnsTheCriteriaOff_data();
    void cancelTurnsTheCriteriaOff();
    void topicTestUsesThePairLookup();
    void sermonsButtonOfAnotherScreen();

private:
    frmSelect *selectScreen() const
    {
        return m_main->findChild<frmSelect *>(QStringLiteral("frmSelect"));
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_Checklist::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_Checklist::init()
{
    QFETCH_GLOBAL(int, engine);
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine(engine));
    REQUIRE_DATABASE(*m_db);
    QVERIFY(loadLibrary(*m_db));
    m_main = makeMainWindow();
}

void tst_Checklist::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    if (frmSelect *open = selectScreen()) {
        delete open;
    }
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_Checklist::framesAndListsPerCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("frames"); // B, P, S, T shown
    QTest::addColumn<QString>("focus");
    QTest::newRow("book") << "mnuCBible"
                          << "B"
                          << "cboBibleBook";
    QTest::newRow("preacher") << "mnuCPreacher"
                              << "P"
                              << "cboPreacher";
    QTest::newRow("series") << "mnuCSeries"
                            << "S"
                            << "cboSeries";
    QTest::newRow("topic") << "mnuCTopic"
                           << "T"
                           << "cboTopic";
    QTest::newRow("combination") << "mnuCCombination"
                                 << "BPST"
                                 << "cboBibleBook";
    QTest::newRow("toolbar") << "grpCheck"
                             << "BPST"
                             << "cboBibleBook";
}

void tst_Checklist::framesAndListsPerCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, frames);
    QFETCH(QString, focus);
    m_main->runCommand(command);
    frmSelect *screen = selectScreen();
    QVERIFY(screen);
    QCOMPARE(screen->windowTitle(), QStringLiteral("Sermon Selection Screen"));
    QVERIFY(screen->isModal());
    const struct
    {
        QGroupBox *frame;
        QComboBox *list;
        QChar letter;
        const char *caption;
    } criteria[] = { { widget<QGroupBox>(screen, "fraBibleBooks"),
                         widget<QComboBox>(screen, "cboBibleBook"), u'B', "By Bible Book" },
        { widget<QGroupBox>(screen, "fraPreachers"), widget<QComboBox>(screen, "cboPreacher"), u'P',
            "By Preacher" },
        { widget<QGroupBox>(screen, "fraSeries"), widget<QComboBox>(screen, "cboSeries"), u'S',
            "By Series" },
        { widget<QGroupBox>(screen, "fraTopics"), widget<QComboBox>(screen, "cboTopic"), u'T',
            "By Topic" } };
    for (const auto &criterion : criteria) {
        const bool used = frames.contains(criterion.letter);
        QCOMPARE(criterion.frame->title(), QLatin1String(criterion.caption));
        QCOMPARE(!criterion.frame->isHidden(), used);
        // Only the lists in use are read.
        QCOMPARE(criterion.list->count() > 0, used);
        QCOMPARE(criterion.list->currentIndex(), -1);
    }
    QCOMPARE(screen->focusWidget() ? screen->focusWidget()->objectName() : QString(), focus);
    if (frames.contains(u'P')) {
        QVERIFY(
            widget<QComboBox>(screen, "cboPreacher")->findText(QStringLiteral("O'Connor")) >= 0);
    }
    if (frames.contains(u'S')) {
        QCOMPARE(widget<QComboBox>(screen, "cboSeries")->itemText(1), QStringLiteral("1"));
    }
    QCOMPARE(screen->query().combination, frames.size() == 4);
}

void tst_Checklist::openingKeepsAnOuterHourglass_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("checklist") << "mnuCCombination"
                               << "frmSelect";
    QTest::newRow("passage") << "mnuCPassage"
                             << "frmPassage";
    QTest::newRow("text search") << "mnuSAll"
                                 << "frmFindText";
}

// A dialog's loading shows the hourglass and then puts back the pointer it found: an outer
// step's hourglass stays up, and none is left behind.
void tst_Checklist::openingKeepsAnOuterHourglass()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    for (const bool outer : { true, false }) {
        UserInterface::current().setHourglass(outer);
        m_main->runCommand(command);
        QPointer<QDialog> shown = m_main->findChild<QDialog *>(dialog);
        QVERIFY(shown);
        QCOMPARE(UserInterface::current().hourglassShown(), outer);
        UserInterface::current().setHourglass(false);
        shown->reject();
        QApplication::processEvents();
        delete shown.data();
    }
}

void tst_Checklist::checklistLists_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("preacher");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("book") << "mnuCBible"
                          << "John"
                          << ""
                          << ""
                          << "" << QStringList { "13", "10" };
    QTest::newRow("preacher") << "mnuCPreacher"
                              << ""
                              << "O'Connor"
                              << ""
                              << "" << QStringList { "11", "14" };
    QTest::newRow("series") << "mnuCSeries"
                            << ""
                            << ""
                            << "1"
                            << "" << QStringList { "13", "10" };
    QTest::newRow("topic") << "mnuCTopic"
                           << ""
                           << ""
                           << ""
                           << "PRAYER" << QStringList { "11", "13" };
    QTest::newRow("combination, preacher only") << "mnuCCombination"
                                                << ""
                                                << "Harper"
                                                << ""
                                                << "" << QStringList { "12", "10" };
    QTest::newRow("combination, book and topic") << "mnuCCombination"
                                                 << "John"
                                                 << ""
                                                 << ""
                                                 << "PRAYER" << QStringList { "13" };
    QTest::newRow("combination, nothing chosen")
        << "mnuCCombination"
        << ""
        << ""
        << ""
        << "" << QStringList { "11", "12", "13", "10", "14" };
    QTest::newRow("book, nothing chosen") << "mnuCBible"
                                          << ""
                                          << ""
                                          << ""
                                          << "" << QStringList {};
    QTest::newRow("topic, nothing chosen") << "mnuCTopic"
                                           << ""
                                           << ""
                                           << ""
                                           << "" << QStringList {};
}

void tst_Checklist::checklistLists()
{
    QFETCH(QString, command);
    QFETCH(QString, book);
    QFETCH(QString, preacher);
    QFETCH(QString, series);
    QFETCH(QString, topic);
    QFETCH(QStringList, expected);
    // A sermon without a book must not pass a book checklist with nothing chosen either.
    QVERIFY(m_db->exec(QStringLiteral("UPDATE tblSermons SET lngBibleBookID = 0, "
                                      "intBeginChapter = 0 WHERE lngSermonID = 11")));
    m_main->runCommand(command);
    frmSelect *screen = selectScreen();
    QVERIFY(screen);
    const auto choose = [](QComboBox *list, const QString &text) {
        if (!text.isEmpty()) {
            list->setCurrentIndex(list->findText(text));
            QVERIFY(list->currentIndex() >= 0);
        }
    };
    CHECKED_STEP(choose(widget<QComboBox>(screen, "cboBibleBook"), book));
    CHECKED_STEP(choose(widget<QComboBox>(screen, "cboPreacher"), preacher));
    CHECKED_STEP(choose(widget<QComboBox>(screen, "cboSeries"), series));
    CHECKED_STEP(choose(widget<QComboBox>(screen, "cboTopic"), topic));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSelect"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(!selectScreen());

    frmSermon *sermons = sermonScreen();
    QVERIFY(sermons);
    QCOMPARE(MsgBoxScript::shown().last(),
        QStringLiteral("Number of Records found = %1").arg(expected.size()));
    QCOMPARE(gridKeys(widget<DataGrid>(sermons, "grdSermons")), expected);
    QCOMPARE(widget<QLabel>(sermons, "lblSermonID")->text(), expected.value(0));
}

void tst_Checklist::selectionServesOneList()
{
    m_main->runCommand(QStringLiteral("mnuCPreacher"));
    frmSelect *screen = selectScreen();
    widget<QComboBox>(screen, "cboPreacher")
        ->setCurrentIndex(
            widget<QComboBox>(screen, "cboPreacher")->findText(QStringLiteral("Delgado")));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSelect"), Qt::LeftButton);
    QCOMPARE(gridKeys(widget<DataGrid>(sermonScreen(), "grdSermons")), QStringList { "13" });
    sermonScreen()->closeScreen();
    QApplication::processEvents();
    MsgBoxScript::clear();
    m_main->runCommand(QStringLiteral("mnuESermon"));
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Number of Records found = 5" });
}

void tst_Checklist::cancelTurnsTheCriteriaOff_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void tst_Checklist::cancelTurnsTheCriteriaOff()
{
    QFETCH(bool, closeBox);
    SetStatusText(QStringLiteral("Before"));
    m_main->runCommand(QStringLiteral("mnuCCombination"));
    frmSelect *screen = selectScreen();
    if (closeBox) {
        screen->close();
    } else {
        QTest::mouseClick(widget<QPushButton>(screen, "cmdCancel"), Qt::LeftButton);
    }
    QApplication::processEvents();
    QVERIFY(!selectScreen());
    QVERIFY(!sermonScreen());
    QCOMPARE(GetStatusText(), QStringLiteral(" Before "));
}

void tst_Checklist::topicTestUsesThePairLookup()
{
    clsSermon sermon;
    SermonQuery query;
    query.kind = SermonQuery::Kind::Checklist;
    query.topic = { true, 3 };
    SermonListFilter filter(sermon, query);
    filter.openTopicLookup();
    sermon.setSermonID(14);
    QVERIFY(filter.MatchSermonTopic());
    sermon.setSermonID(13);
    QVERIFY(!filter.MatchSermonTopic());
    filter.releaseTopicLookup();
    QVERIFY(!filter.MatchSermonTopic());
}

void tst_Checklist::sermonsButtonOfAnotherScreen()
{
    // The series screen's "Sermons": the key is handed over, no checklist screen.
    m_main->showSermons(SermonQuery::bySeries(2));
    QCOMPARE(
        gridKeys(widget<DataGrid>(sermonScreen(), "grdSermons")), (QStringList { "11", "14" }));
    // With the screen open, the next one fills its list again.
    m_main->showSermons(SermonQuery::byPreacher(1));
    QCOMPARE(
        gridKeys(widget<DataGrid>(sermonScreen(), "grdSermons")), (QStringList { "12", "10" }));
}

QTEST_MAIN(tst_Checklist)
#include "tst_checklist.moc"
