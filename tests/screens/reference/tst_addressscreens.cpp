#include "ReferenceScreenTest.h"
#include "ScreenEvents.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>

// The preachers and publishers screens: the state list, the sorted record list, the guarded
// delete with the database's cascades, and the refresh of the other open screens.
class tst_AddressScreens : public ReferenceScreenTest
{
    Q_OBJECT
private Q_SLOTS:
    void init() { setUpScreens(); }
    void cleanup() { tearDownScreens(); }

    void defaultRecordIsRefusedAfterWarningAndConfirmation_data();
    void defaultRecordIsRefusedAfterWarningAndConfirmation();
    void deleteIsAnnouncedAndCascadesInTheDatabase_data();
    void deleteIsAnnouncedAndCascadesInTheDatabase();
    void middleInitialIsStoredInCapitals();
    void missingNameMovesTheFocus_data();
    void missingNameMovesTheFocus();
    void removedStateShowsNoSelection();
    void renamedPublisherTakesItsSortedPlace();
    void newRecordsReachTheSeriesScreen();
    void sermonsButtonListsThePreachersSermons();

private:
    void addScreenRows();
};

namespace {

const QString PreacherWarning = QStringLiteral(
    "You will be asked next to confirm this delete request --Be careful because any sermons tied "
    "to the preacher you delete will automatically be deleted!!");
const QString PublisherWarning = QStringLiteral(
    "You will be asked next to confirm this delete request --Be careful because any series and "
    "sermons tied to the publisher you delete will automatically be deleted!!");

} // namespace

void tst_AddressScreens::addScreenRows()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<QString>("warning");
    QTest::newRow("preachers") << "mnuEPreacher"
                               << "frmPreachers"
                               << "lstPreachers"
                               << "lblPreacherID" << PreacherWarning;
    QTest::newRow("publishers") << "mnuEPublisher"
                                << "frmPublishers"
                                << "lstPublishers"
                                << "lblPublisherID" << PublisherWarning;
}

void tst_AddressScreens::defaultRecordIsRefusedAfterWarningAndConfirmation_data()
{
    addScreenRows();
}

void tst_AddressScreens::defaultRecordIsRefusedAfterWarningAndConfirmation()
{
    QFETCH(QString, command);
    QFETCH(QString, screenName);
    QFETCH(QString, listName);
    QFETCH(QString, keyName);
    QFETCH(QString, warning);
    QWidget *screen = open(qPrintable(command), qPrintable(screenName));
    QVERIFY(screen);
    auto *list = control<QListWidget>(screen, qPrintable(listName));
    // The default record sorts first ("(No Preacher), ", "(No Publisher)") and is shown.
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(control<QLabel>(screen, qPrintable(keyName))->text(), QStringLiteral("0"));
    const int entries = list->count();

    MsgBoxScript::queueAnswer(MsgBoxAnswer::Ok);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    CHECKED_STEP(click(screen, "cmdDelete"));
    QCOMPARE(MsgBoxScript::shown(),
        (QStringList { warning, QStringLiteral("Delete the Current Record"),
            QStringLiteral("You are not allowed to delete this default record") }));
    QCOMPARE(MsgBoxScript::shownStyles(),
        (QList<MsgBoxStyle> {
            MsgBoxStyle::OkExclamation, MsgBoxStyle::YesNoQuestion, MsgBoxStyle::OkOnly }));
    QCOMPARE(list->count(), entries);
    const QString table = screenName == QLatin1String("frmPreachers")
        ? QStringLiteral("tblPreachers WHERE lngPreacherID = 0")
        : QStringLiteral("tblPublishers WHERE lngPublisherID = 0");
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM ") + table), 1);
}

void tst_AddressScreens::deleteIsAnnouncedAndCascadesInTheDatabase_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("nextEntry");
    QTest::addColumn<QStringList>("emptiedCounts");
    QTest::newRow("preacher and sermons")
        << "mnuEPreacher"
        << "frmPreachers"
        << "lstPreachers" << PreacherWarning << "Delgado, José"
        << "Harper, Daniel"
        << QStringList { "SELECT COUNT(*) FROM tblPreachers WHERE lngPreacherID = 3",
               "SELECT COUNT(*) FROM tblSermons WHERE lngPreacherID = 3" };
    QTest::newRow("publisher, series and sermons")
        << "mnuEPublisher"
        << "frmPublishers"
        << "lstPublishers" << PublisherWarning << "Cedar Hill Press"
        << "Lantern Road Books"
        << QStringList { "SELECT COUNT(*) FROM tblPublishers WHERE lngPublisherID = 1",
               "SELECT COUNT(*) FROM tblSeries WHERE lngPublisherID = 1",
               "SELECT COUNT(*) FROM tblSermons WHERE lngSeriesID = 1" };
}

void tst_AddressScreens::deleteIsAnnouncedAndCascadesInTheDatabase()
{
    QFETCH(QString, command);
    QFETCH(QString, screenName);
    QFETCH(QString, listName);
    QFETCH(QString, warning);
    QFETCH(QString, entry);
    QFETCH(QString, nextEntry);
    QFETCH(QStringList, emptiedCounts);
    for (const QString &sql : emptiedCounts)
        QVERIFY2(scalarInt(sql) > 0, qPrintable(sql));
    QSignalSpy sermons(&ScreenEvents::instance(), &ScreenEvents::sermonsChanged);
    QWidget *screen = open(qPrintable(command), qPrintable(screenName));
    auto *list = control<QListWidget>(screen, qPrintable(listName));
    CHECKED_STEP(choose(list, entry));
    const int entries = list->count();

    MsgBoxScript::queueAnswer(MsgBoxAnswer::Ok);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    CHECKED_STEP(click(screen, "cmdDelete"));
    QCOMPARE(MsgBoxScript::shown(),
        (QStringList { warning, QStringLiteral("Delete the Current Record"),
            QStringLiteral("Delete was successful") }));
    QCOMPARE(MsgBoxScript::shownStyles(),
        (QList<MsgBoxStyle> {
            MsgBoxStyle::OkExclamation, MsgBoxStyle::YesNoQuestion, MsgBoxStyle::OkExclamation }));
    // The database removed the dependent rows; the screens only announced it.
    for (const QString &sql : emptiedCounts)
        QVERIFY2(scalarInt(sql) == 0, qPrintable(sql));
    QCOMPARE(sermons.count(), 1);
    QCOMPARE(list->count(), entries - 1);
    QVERIFY(list->findItems(entry, Qt::MatchExactly).isEmpty());
    QCOMPARE(list->currentItem()->text(), nextEntry);
}

void tst_AddressScreens::middleInitialIsStoredInCapitals()
{
    QSignalSpy preachers(&ScreenEvents::instance(), &ScreenEvents::preachersChanged);
    QWidget *screen = open("mnuEPreacher", "frmPreachers");
    auto *list = control<QListWidget>(screen, "lstPreachers");
    CHECKED_STEP(click(screen, "cmdNew"));
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(screen, "txtFirst"));
    QTest::keyClicks(control<QLineEdit>(screen, "txtFirst"), QStringLiteral("Ruth"));
    QTest::keyClicks(control<QLineEdit>(screen, "txtMiddle"), QStringLiteral("j"));
    QTest::keyClicks(control<QLineEdit>(screen, "txtLast"), QStringLiteral("Abernathy"));
    CHECKED_STEP(click(screen, "cmdSave"));
    const QString key = control<QLabel>(screen, "lblPreacherID")->text();
    QVERIFY(!key.isEmpty());
    QCOMPARE(scalarText(
                 QStringLiteral("SELECT strMiddleInitial FROM tblPreachers WHERE lngPreacherID = ")
                 + key),
        QStringLiteral("J"));
    QCOMPARE(
        scalarText(
            QStringLiteral("SELECT strLastName FROM tblPreachers WHERE lngPreacherID = ") + key),
        QStringLiteral("Abernathy"));
    QCOMPARE(scalarInt(QStringLiteral("SELECT lngStateID FROM tblPreachers WHERE lngPreacherID = ")
                 + key),
        0);
    // The new entry takes its alphabetical place and is shown.
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Abernathy, Ruth"));
    QCOMPARE(control<QLineEdit>(screen, "txtMiddle")->text(), QStringLiteral("J"));
    QCOMPARE(preachers.count(), 1);
}

void tst_AddressScreens::missingNameMovesTheFocus_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("typedBox");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focusName");
    QTest::newRow("preacher") << "mnuEPreacher"
                              << "frmPreachers"
                              << "txtFirst"
                              << "Last Name Must Be Filled In."
                              << "txtLast";
    QTest::newRow("publisher") << "mnuEPublisher"
                               << "frmPublishers"
                               << "txtCity"
                               << "Name Must Be Filled In."
                               << "txtPublisher";
}

void tst_AddressScreens::missingNameMovesTheFocus()
{
    QFETCH(QString, command);
    QFETCH(QString, screenName);
    QFETCH(QString, typedBox);
    QFETCH(QString, message);
    QFETCH(QString, focusName);
    QWidget *screen = open(qPrintable(command), qPrintable(screenName));
    CHECKED_STEP(click(screen, "cmdNew"));
    auto *box = control<QLineEdit>(screen, qPrintable(typedBox));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("Boston"));
    control<QPushButton>(screen, "cmdSave")->click();
    QCOMPARE(MsgBoxScript::shown(), QStringList { message });
    QCOMPARE(MsgBoxScript::shownStyles(), QList<MsgBoxStyle> { MsgBoxStyle::OkOnly });
    QCOMPARE(QApplication::focusWidget()->objectName(), focusName);
    QVERIFY(control<QPushButton>(screen, "cmdSave")->isEnabled());
}

void tst_AddressScreens::removedStateShowsNoSelection()
{
    // Harper's state (Ohio) is taken out of the state table.
    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM tblStates WHERE lngStateID = 35")));
    QWidget *screen = open("mnuEPreacher", "frmPreachers");
    auto *list = control<QListWidget>(screen, "lstPreachers");
    auto *state = control<QComboBox>(screen, "cboState");
    CHECKED_STEP(choose(list, QStringLiteral("O'Connor, Margaret")));
    QCOMPARE(state->currentText(), QStringLiteral("OR"));
    QCOMPARE(control<QLineEdit>(screen, "txtLast")->text(), QStringLiteral("O'Connor"));
    CHECKED_STEP(choose(list, QStringLiteral("Harper, Daniel")));
    QCOMPARE(state->currentIndex(), -1);
    QCOMPARE(control<QLineEdit>(screen, "txtCity")->text(), QStringLiteral("Columbus"));
    QVERIFY(!control<QPushButton>(screen, "cmdSave")->isEnabled());
}

void tst_AddressScreens::renamedPublisherTakesItsSortedPlace()
{
    QWidget *screen = open("mnuEPublisher", "frmPublishers");
    auto *list = control<QListWidget>(screen, "lstPublishers");
    CHECKED_STEP(choose(list, QStringLiteral("Cedar Hill Press")));
    QCOMPARE(list->currentRow(), 1);
    auto *name = control<QLineEdit>(screen, "txtPublisher");
    name->setFocus();
    QTRY_COMPARE(name->selectedText(), QStringLiteral("Cedar Hill Press"));
    QTest::keyClicks(name, QStringLiteral("Zion House"));
    auto *state = control<QComboBox>(screen, "cboState");
    state->setFocus();
    QTest::keyClicks(state, QStringLiteral("MA"));
    CHECKED_STEP(click(screen, "cmdSave"));
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Zion House"));
    QVERIFY(list->findItems(QStringLiteral("Cedar Hill Press"), Qt::MatchExactly).isEmpty());
    QCOMPARE(control<QLabel>(screen, "lblPublisherID")->text(), QStringLiteral("1"));
    QCOMPARE(scalarText(
                 QStringLiteral("SELECT strPublisher FROM tblPublishers WHERE lngPublisherID = 1")),
        QStringLiteral("Zion House"));
    QCOMPARE(
        scalarText(QStringLiteral("SELECT s.strStateCode FROM tblPublishers p, tblStates s "
                                  "WHERE p.lngPublisherID = 1 AND s.lngStateID = p.lngStateID")),
        state->currentText());
    QVERIFY(state->currentText().startsWith(QLatin1String("MA")));
}

void tst_AddressScreens::newRecordsReachTheSeriesScreen()
{
    QWidget *series = open("mnuESeries", "frmSeries");
    QVERIFY(series);
    auto *preacherList = control<QComboBox>(series, "cboPreacher");
    auto *publisherList = control<QComboBox>(series, "cboPublisher");
    // The default series is shown; a preacher picked for it stays picked through a refresh.
    preacherList->setCurrentIndex(preacherList->findText(QStringLiteral("Okafor, Samuel")));

    QWidget *preachers = open("mnuEPreacher", "frmPreachers");
    CHECKED_STEP(click(preachers, "cmdNew"));
    QTest::keyClicks(control<QLineEdit>(preachers, "txtLast"), QStringLiteral("Abbott"));
    CHECKED_STEP(click(preachers, "cmdSave"));
    QVERIFY(preacherList->findText(QStringLiteral("Abbott, ")) >= 0);
    QCOMPARE(preacherList->currentText(), QStringLiteral("Okafor, Samuel"));

    QWidget *publishers = open("mnuEPublisher", "frmPublishers");
    CHECKED_STEP(click(publishers, "cmdNew"));
    QTest::keyClicks(control<QLineEdit>(publishers, "txtPublisher"), QStringLiteral("Acme Press"));
    CHECKED_STEP(click(publishers, "cmdSave"));
    QVERIFY(publisherList->findText(QStringLiteral("Acme Press")) >= 0);
    QCOMPARE(publisherList->currentIndex(), -1);
    // The series screen was not put into editing by the refreshes.
    QVERIFY(!control<QPushButton>(series, "cmdSave")->isEnabled());
}

void tst_AddressScreens::sermonsButtonListsThePreachersSermons()
{
    QList<SermonQuery> handed;
    m_main->setSermonListCommand([&handed](const SermonQuery &query) { handed.append(query); });
    QWidget *screen = open("mnuEPreacher", "frmPreachers");
    CHECKED_STEP(
        choose(control<QListWidget>(screen, "lstPreachers"), QStringLiteral("MacLeod, Andrew")));
    CHECKED_STEP(click(screen, "cmdSermons"));
    QCOMPARE(handed.size(), 1);
    QVERIFY(handed.first().preacher.inUse && !handed.first().series.inUse);
    QCOMPARE(handed.first().preacher.key, 4);
    QVERIFY(qobject_cast<QMdiSubWindow *>(screen->parentWidget())->isMinimized());
    QVERIFY(!menuEnabled("mnuEPreacher"));
    QVERIFY(!m_main->toolButton(QStringLiteral("grpPreacher"))->isEnabled());
}

QTEST_MAIN(tst_AddressScreens)
#include "tst_addressscreens.moc"
