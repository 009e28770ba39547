#include "SermonScreenCase.h"

#include "ProgramTranslation.h"
#include "ReferenceCommands.h"
#include "ReferenceText.h"
#include "ScreenEvents.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

using namespace SermonScreenFixture;

// Typing a sermon on the screen: the reference it composes, the question about unsaved edits
// when another screen hands sermons over, new sermons and the lists that follow other screens.
class tst_SermonEntry : public QObject, private SermonScreenCase
{
    Q_OBJECT
private Q_SLOTS:
    // Every case runs on SQLite and on the PostgreSQL test server.
    void initTestCase_data();
    void init();
    void cleanup();

    void referenceText_data();
    void referenceText();
    void referenceRuleOnTheScreen_data();
    void referenceRuleOnTheScreen();
    void sermonsButtonsAskAboutUnsavedEdits_data();
    void sermonsButtonsAskAboutUnsavedEdits();
    void addNewSermonStartsWithAnEmptyList();
    void newSermonStartsWithAnEmptyOutline_data();
    void newSermonStartsWithAnEmptyOutline();
    void clearingTheSeriesIsAChange();
    void preacherListFollowsOtherScreens();
};

void tst_SermonEntry::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_SermonEntry::init()
{
    setUp();
}

void tst_SermonEntry::cleanup()
{
    tearDown();
}

void tst_SermonEntry::referenceText_data()
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

void tst_SermonEntry::referenceText()
{
    QFETCH(QString, bc);
    QFETCH(QString, bv);
    QFETCH(QString, ec);
    QFETCH(QString, ev);
    QFETCH(QString, expected);
    QCOMPARE(ReferenceText(QStringLiteral("John"), bc, bv, ec, ev), expected);
}

void tst_SermonEntry::referenceRuleOnTheScreen_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shownBook");
    QTest::addColumn<QString>("typedReference");
    QTest::addColumn<QString>("beginChapter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("composed") << "en"
                              << "John"
                              << ""
                              << "3"
                              << "John 3:16-18";
    QTest::newRow("typed kept") << "en"
                                << "John"
                                << "Jn 3"
                                << "3"
                                << "Jn 3";
    QTest::newRow("no chapter") << "en"
                                << "John"
                                << ""
                                << ""
                                << "";
    // The book shown in Spanish, the reference made of the library's own name.
    QTest::newRow("composed, Spanish interface") << "es"
                                                 << "Juan"
                                                 << ""
                                                 << "3"
                                                 << "John 3:16-18";
}

void tst_SermonEntry::referenceRuleOnTheScreen()
{
    QFETCH(QString, language);
    QFETCH(QString, shownBook);
    QFETCH(QString, typedReference);
    QFETCH(QString, beginChapter);
    QFETCH(QString, expected);
    QVERIFY(ProgramTranslation::install(language));
    auto english = qScopeGuard([] { ProgramTranslation::install(QStringLiteral("en")); });
    frmSermon *screen = openAll();
    QTest::mouseClick(widget<QPushButton>(screen, "cmdNew"), Qt::LeftButton);
    QComboBox *book = widget<QComboBox>(screen, "cboBibleBook");
    QVERIFY(book->findText(shownBook) >= 0);
    book->setCurrentIndex(book->findText(shownBook));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), typedReference);
    QTest::keyClicks(widget<QLineEdit>(screen, "txtBegC"), beginChapter);
    QTest::keyClicks(widget<QLineEdit>(screen, "txtBegV"), QStringLiteral("16"));
    QTest::keyClicks(widget<QLineEdit>(screen, "txtEndC"), beginChapter);
    widget<QLineEdit>(screen, "txtEndV")->setFocus();
    QTest::keyClicks(widget<QLineEdit>(screen, "txtEndV"), QStringLiteral("18"));
    QTest::keyClick(widget<QLineEdit>(screen, "txtEndV"), Qt::Key_Tab);
    QCOMPARE(widget<QLineEdit>(screen, "txtReference")->text(), expected);
}

void tst_SermonEntry::sermonsButtonsAskAboutUnsavedEdits_data()
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

void tst_SermonEntry::sermonsButtonsAskAboutUnsavedEdits()
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

void tst_SermonEntry::addNewSermonStartsWithAnEmptyList()
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

void tst_SermonEntry::newSermonStartsWithAnEmptyOutline_data()
{
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("New") << false;
    QTest::newRow("Add New Sermon") << true;
}

void tst_SermonEntry::newSermonStartsWithAnEmptyOutline()
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

void tst_SermonEntry::clearingTheSeriesIsAChange()
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

void tst_SermonEntry::preacherListFollowsOtherScreens()
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

QTEST_MAIN(tst_SermonEntry)
#include "tst_sermonentry.moc"
