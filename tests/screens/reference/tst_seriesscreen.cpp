#include "DataGrid.h"
#include "ReferenceScreenTest.h"
#include "ScreenEvents.h"
#include "frmSeries.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>

// The series screen: the grid of every series, the look-ups that name its references, and
// the record keeping the grid in step after inserts and deletes.
class tst_SeriesScreen : public ReferenceScreenTest
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { tearDownScreens(); }

    void opensWithEverySeriesInTheGrid();
    void yearOutsideTheRangeIsRefused_data();
    void yearOutsideTheRangeIsRefused();
    void defaultSeriesIsRefusedAfterWarningAndConfirmation();
    void deleteBlanksTheRowAndTheDatabaseCascades();
    void headingOrEmptyRowClearsTheFields_data();
    void headingOrEmptyRowClearsTheFields();
    void newSeriesGetsItsGridRow();
    void renamedSeriesRewritesItsRow();
    void choosingASeriesAfterNewEditsThatSeries();
    void engineErrorIsReportedAndTheScreenKeepsRunning();
    void sermonsButtonListsTheSeriesSermons();

private:
    // Clicks the grid row of the series with that key.
    void chooseSeries(qint32 key);
    QString cell(int row, int col) const { return m_grid->text(row, col); }

    QWidget *m_screen = nullptr;
    DataGrid *m_grid = nullptr;
};

void tst_SeriesScreen::init()
{
    setUpScreens();
    m_screen = open("mnuESeries", "frmSeries");
    QVERIFY(m_screen);
    m_grid = control<DataGrid>(m_screen, "grdSeries");
}

void tst_SeriesScreen::chooseSeries(qint32 key)
{
    for (int row = 1; row < m_grid->rows(); ++row) {
        if (cell(row, 0) == QString::number(key)) {
            const QModelIndex index = m_grid->model()->index(row - 1, 1);
            QTest::mouseClick(
                m_grid->viewport(), Qt::LeftButton, {}, m_grid->visualRect(index).center());
            QCOMPARE(m_grid->row(), row);
            return;
        }
    }
    QFAIL("no such series in the grid");
}

void tst_SeriesScreen::opensWithEverySeriesInTheGrid()
{
    QCOMPARE(m_screen->windowTitle(), QStringLiteral("Series of Messages Screen"));
    QCOMPARE(m_grid->cols(), 5);
    QCOMPARE((QStringList { cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4) }),
        (QStringList { "ID#", "Series Name", "Bible Book", "Preacher", "Type" }));
    // Six series (the default one first) and the empty row after them.
    QCOMPARE(qobject_cast<frmSeries *>(m_screen)->listRows(), 6);
    QCOMPARE(m_grid->rows(), 8);
    QCOMPARE((QStringList { cell(2, 0), cell(2, 1), cell(2, 2), cell(2, 3), cell(2, 4) }),
        (QStringList { "1", "Walking with God: Studies in Genesis", "Genesis", "Harper, Daniel ",
            "Expository" }));
    // The default series: the default preacher has no first name; no book or type has key 0.
    QCOMPARE((QStringList { cell(1, 2), cell(1, 3), cell(1, 4) }),
        (QStringList { "", "(No Preacher),  ", "" }));
    QCOMPARE(cell(7, 0), QString());

    // The first row's series is shown, the texts with a blank after them.
    QCOMPARE(control<QLabel>(m_screen, "lblSeriesID")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>(m_screen, "txtName")->text(), QStringLiteral("(No Series) "));
    QCOMPARE(control<QComboBox>(m_screen, "cboPublisher")->currentIndex(), -1);
    CHECKED_STEP(chooseSeries(3));
    QCOMPARE(control<QLineEdit>(m_screen, "txtPubTitle")->text(),
        QStringLiteral("The Gospel for Everyone "));
    QCOMPARE(control<QLineEdit>(m_screen, "txtPubyear")->text(), QStringLiteral("2011 "));
    QCOMPARE(control<QComboBox>(m_screen, "cboBibleBook")->currentText(), QStringLiteral("Luke"));
    QCOMPARE(control<QComboBox>(m_screen, "cboPreacher")->currentText(),
        QStringLiteral("Delgado, José"));
    QCOMPARE(control<QComboBox>(m_screen, "cboType")->currentText(), QStringLiteral("Expository"));
    QCOMPARE(control<QComboBox>(m_screen, "cboPublisher")->currentText(),
        QStringLiteral("Lantern Road Books"));
    QVERIFY(!control<QPushButton>(m_screen, "cmdSave")->isEnabled());

    QVERIFY(!menuEnabled("mnuESeries"));
    QVERIFY(!m_main->toolButton(QStringLiteral("grpSeries"))->isEnabled());
    QPointer<QWidget> screen(m_screen);
    CHECKED_STEP(click(m_screen, "cmdClose"));
    QTRY_VERIFY(screen.isNull());
    QVERIFY(menuEnabled("mnuESeries"));
    QVERIFY(m_main->toolButton(QStringLiteral("grpSeries"))->isEnabled());
}

void tst_SeriesScreen::yearOutsideTheRangeIsRefused_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("2101") << "2101" << false;
    QTest::newRow("1399") << "1399" << false;
    QTest::newRow("2100") << "2100" << true;
}

void tst_SeriesScreen::yearOutsideTheRangeIsRefused()
{
    QFETCH(QString, year);
    QFETCH(bool, accepted);
    CHECKED_STEP(chooseSeries(2));
    auto *yearBox = control<QLineEdit>(m_screen, "txtPubyear");
    yearBox->setFocus();
    // Entering the box selects its text, so the typing replaces the year.
    QTRY_COMPARE(yearBox->selectedText(), QStringLiteral("1998 "));
    QTest::keyClicks(yearBox, year);
    QVERIFY(control<QPushButton>(m_screen, "cmdSave")->isEnabled());
    control<QLineEdit>(m_screen, "txtName")->setFocus();
    control<QPushButton>(m_screen, "cmdSave")->click();
    const QString stored
        = scalarText(QStringLiteral("SELECT strPubYear FROM tblSeries WHERE lngSeriesID = 2"));
    if (accepted) {
        QVERIFY(MsgBoxScript::shown().isEmpty());
        QCOMPARE(stored, year);
        QVERIFY(!control<QPushButton>(m_screen, "cmdSave")->isEnabled());
        return;
    }
    QCOMPARE(
        MsgBoxScript::shown(), QStringList { QStringLiteral("Valid Year Must Be Filled In.") });
    QCOMPARE(QApplication::focusWidget(), yearBox);
    QCOMPARE(stored, QStringLiteral("1998"));
    QVERIFY(control<QPushButton>(m_screen, "cmdSave")->isEnabled());
}

void tst_SeriesScreen::defaultSeriesIsRefusedAfterWarningAndConfirmation()
{
    QCOMPARE(control<QLabel>(m_screen, "lblSeriesID")->text(), QStringLiteral("0"));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Ok);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    CHECKED_STEP(click(m_screen, "cmdDelete"));
    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(0),
        QStringLiteral(
            "You will be asked next to confirm this delete request -- Be careful because "
            "any sermons tied to the series you delete will automatically be deleted!!  "
            "If you want to save the sermons, first remove the series reference in each "
            "sermon record and then come back and delete the Series record."));
    QCOMPARE(shown.at(1), QStringLiteral("Delete the Current Record"));
    QCOMPARE(shown.at(2), QStringLiteral("You are not allowed to delete this record"));
    QCOMPARE(MsgBoxScript::shownStyles(),
        (QList<MsgBoxStyle> {
            MsgBoxStyle::OkExclamation, MsgBoxStyle::YesNoQuestion, MsgBoxStyle::OkOnly }));
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblSeries WHERE lngSeriesID = 0")), 1);
    QCOMPARE(cell(1, 0), QStringLiteral("0"));
}

void tst_SeriesScreen::deleteBlanksTheRowAndTheDatabaseCascades()
{
    QSignalSpy sermons(&ScreenEvents::instance(), &ScreenEvents::sermonsChanged);
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblSermons WHERE lngSeriesID = 3")), 4);
    CHECKED_STEP(chooseSeries(3));
    const int row = m_grid->row();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Ok);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    CHECKED_STEP(click(m_screen, "cmdDelete"));
    QCOMPARE(MsgBoxScript::shown().mid(1),
        (QStringList { QStringLiteral("Delete the Current Record"),
            QStringLiteral("Delete was successful") }));
    QCOMPARE(MsgBoxScript::shownStyles().last(), MsgBoxStyle::OkExclamation);
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblSeries WHERE lngSeriesID = 3")), 0);
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblSermons WHERE lngSeriesID = 3")), 0);
    QCOMPARE(sermons.count(), 1);

    // The row stays, blanked, until the screen is opened again; only Cancel is left.
    QCOMPARE((QStringList { cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3), cell(row, 4) }),
        (QStringList { " ", " ", " ", " ", "Expository" }));
    QCOMPARE(qobject_cast<frmSeries *>(m_screen)->listRows(), 6);
    QVERIFY(!m_grid->isEnabled());
    for (const char *name : { "cmdNew", "cmdDelete", "cmdSave" })
        QVERIFY2(!control<QPushButton>(m_screen, name)->isEnabled(), name);
    QCOMPARE(control<QPushButton>(m_screen, "cmdClose")->text(), QStringLiteral("&Cancel"));
    QVERIFY(control<QLineEdit>(m_screen, "txtName")->text().isEmpty());

    CHECKED_STEP(click(m_screen, "cmdClose"));
    QVERIFY(m_grid->isEnabled());
    QCOMPARE(control<QPushButton>(m_screen, "cmdClose")->text(), QStringLiteral("&Close"));
    // A click on the blanked row clears the fields instead of showing a series.
    CHECKED_STEP(chooseSeries(4));
    QVERIFY(!control<QLineEdit>(m_screen, "txtName")->text().trimmed().isEmpty());
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
        m_grid->visualRect(m_grid->model()->index(row - 1, 0)).center());
    QVERIFY(control<QLineEdit>(m_screen, "txtName")->text().isEmpty());
    QVERIFY(control<QLabel>(m_screen, "lblSeriesID")->text().isEmpty());
}

void tst_SeriesScreen::headingOrEmptyRowClearsTheFields_data()
{
    QTest::addColumn<bool>("heading");
    QTest::newRow("heading row") << true;
    QTest::newRow("empty row after the last series") << false;
}

void tst_SeriesScreen::headingOrEmptyRowClearsTheFields()
{
    QFETCH(bool, heading);
    CHECKED_STEP(chooseSeries(4));
    if (heading) {
        QHeaderView *header = m_grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    } else {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
            m_grid->visualRect(m_grid->model()->index(m_grid->rows() - 2, 0)).center());
    }
    for (const char *name : { "txtName", "txtPubTitle", "txtPubyear" })
        QVERIFY2(control<QLineEdit>(m_screen, name)->text().isEmpty(), name);
    QVERIFY(control<QPlainTextEdit>(m_screen, "txtNotes")->toPlainText().isEmpty());
    QVERIFY(control<QLabel>(m_screen, "lblSeriesID")->text().isEmpty());
    for (const char *name : { "cboBibleBook", "cboPreacher", "cboType", "cboPublisher" })
        QCOMPARE(control<QComboBox>(m_screen, name)->currentIndex(), -1);

    // Typing into the cleared fields makes a new series; the default series keeps its name.
    QTest::keyClicks(control<QLineEdit>(m_screen, "txtName"), QStringLiteral("Advent Hope"));
    CHECKED_STEP(click(m_screen, "cmdSave"));
    QCOMPARE(scalarText(QStringLiteral("SELECT strName FROM tblSeries WHERE lngSeriesID = 0")),
        QStringLiteral("(No Series)"));
    QCOMPARE(
        scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblSeries WHERE strName = 'Advent Hope'")),
        1);
}

void tst_SeriesScreen::newSeriesGetsItsGridRow()
{
    QSignalSpy series(&ScreenEvents::instance(), &ScreenEvents::seriesChanged);
    CHECKED_STEP(click(m_screen, "cmdNew"));
    QVERIFY(!control<QPushButton>(m_screen, "cmdNew")->isEnabled());
    QCOMPARE(m_grid->row(), 7);
    auto *name = control<QLineEdit>(m_screen, "txtName");
    QCOMPARE(QApplication::focusWidget(), name);
    QTest::keyClicks(name, QStringLiteral("Romans: The Righteous Shall Live"));
    auto *book = control<QComboBox>(m_screen, "cboBibleBook");
    book->setFocus();
    QTest::keyClicks(book, QStringLiteral("Rom"));
    QCOMPARE(book->currentText(), QStringLiteral("Romans"));
    CHECKED_STEP(click(m_screen, "cmdSave"));
    const QString key = scalarText(
        QStringLiteral("SELECT lngSeriesID FROM tblSeries WHERE strName LIKE 'Romans%'"));
    QVERIFY(!key.isEmpty());
    QCOMPARE(control<QLabel>(m_screen, "lblSeriesID")->text(), key);
    QCOMPARE(scalarInt(
                 QStringLiteral("SELECT lngBibleBookID FROM tblSeries WHERE lngSeriesID = ") + key),
        45);
    QCOMPARE(qobject_cast<frmSeries *>(m_screen)->listRows(), 7);
    QCOMPARE(m_grid->row(), 7);
    QCOMPARE((QStringList { cell(7, 0), cell(7, 1), cell(7, 2) }),
        (QStringList { key, "Romans: The Righteous Shall Live", "Romans" }));
    QCOMPARE(cell(8, 0), QString());
    QCOMPARE(series.count(), 1);
    QVERIFY(!control<QPushButton>(m_screen, "cmdSave")->isEnabled());
    QVERIFY(control<QPushButton>(m_screen, "cmdNew")->isEnabled());
}

void tst_SeriesScreen::renamedSeriesRewritesItsRow()
{
    CHECKED_STEP(chooseSeries(5));
    auto *preacher = control<QComboBox>(m_screen, "cboPreacher");
    preacher->setFocus();
    QTest::keyClicks(preacher, QStringLiteral("Har"));
    QCOMPARE(preacher->currentText(), QStringLiteral("Harper, Daniel"));
    CHECKED_STEP(click(m_screen, "cmdSave"));
    QCOMPARE(
        scalarInt(QStringLiteral("SELECT lngPreacherID FROM tblSeries WHERE lngSeriesID = 5")), 1);
    QCOMPARE(cell(m_grid->row(), 0), QStringLiteral("5"));
    QCOMPARE(cell(m_grid->row(), 3), QStringLiteral("Harper, Daniel "));
    QCOMPARE(m_grid->col(), 0);
}

void tst_SeriesScreen::choosingASeriesAfterNewEditsThatSeries()
{
    const int before = scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblSeries"));
    CHECKED_STEP(click(m_screen, "cmdNew"));
    CHECKED_STEP(chooseSeries(2));
    QVERIFY(control<QPushButton>(m_screen, "cmdNew")->isEnabled());
    auto *title = control<QLineEdit>(m_screen, "txtPubTitle");
    title->setFocus();
    QTRY_VERIFY(title->hasSelectedText());
    QTest::keyClicks(title, QStringLiteral("Songs in the Night"));
    CHECKED_STEP(click(m_screen, "cmdSave"));
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblSeries")), before);
    QCOMPARE(scalarText(QStringLiteral("SELECT strPubTitle FROM tblSeries WHERE lngSeriesID = 2")),
        QStringLiteral("Songs in the Night"));
}

void tst_SeriesScreen::engineErrorIsReportedAndTheScreenKeepsRunning()
{
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuseSeries BEFORE UPDATE ON tblSeries "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    CHECKED_STEP(chooseSeries(1));
    auto *name = control<QLineEdit>(m_screen, "txtName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Genesis"));
    CHECKED_STEP(click(m_screen, "cmdSave"));
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().first().startsWith(
        QStringLiteral("An Error Occurred in the System ")));
    // Still editing, with the typing kept; once the database takes it the save goes through.
    QVERIFY(control<QPushButton>(m_screen, "cmdSave")->isEnabled());
    QCOMPARE(name->text(), QStringLiteral("Genesis"));
    QVERIFY(m_db->exec(QStringLiteral("DROP TRIGGER refuseSeries")));
    CHECKED_STEP(click(m_screen, "cmdSave"));
    QCOMPARE(scalarText(QStringLiteral("SELECT strName FROM tblSeries WHERE lngSeriesID = 1")),
        QStringLiteral("Genesis"));
    QCOMPARE(cell(m_grid->row(), 1), QStringLiteral("Genesis "));
}

void tst_SeriesScreen::sermonsButtonListsTheSeriesSermons()
{
    QList<SermonQuery> handed;
    m_main->setSermonListCommand([&handed](const SermonQuery &query) { handed.append(query); });
    CHECKED_STEP(chooseSeries(4));
    CHECKED_STEP(click(m_screen, "cmdSermons"));
    QCOMPARE(handed.size(), 1);
    QVERIFY(handed.first().series.inUse && !handed.first().preacher.inUse);
    QCOMPARE(handed.first().series.key, 4);
    QVERIFY(qobject_cast<QMdiSubWindow *>(m_screen->parentWidget())->isMinimized());
}

QTEST_MAIN(tst_SeriesScreen)
#include "tst_seriesscreen.moc"
