#include "SermonCommands.h"
#include "SermonScreenFixture.h"

#include "SermonListFilter.h"
#include "WidgetLookup.h"
#include "clsSermon.h"
#include "frmFindText.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace SermonScreenFixture;

class tst_TextSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void screenPerCommand_data();
    void screenPerCommand();
    void searchLists_data();
    void searchLists();
    void cancelTurnsTheSearchOff();
    void substringTest_data();
    void substringTest();

private:
    frmFindText *findScreen() const
    {
        return m_main->findChild<frmFindText *>(QStringLiteral("frmFindText"));
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_TextSearch::init()
{
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite);
    QVERIFY2(m_db->isReady(), qPrintable(m_db->reason()));
    QVERIFY(loadLibrary(*m_db));
    m_main = makeMainWindow();
}

void tst_TextSearch::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    if (frmFindText *open = findScreen()) {
        delete open;
    }
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_TextSearch::screenPerCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("frames"); // O, B, T shown; L for the logic frame
    QTest::addColumn<QString>("focus");
    QTest::newRow("outline") << "mnuSOutline"
                             << "O"
                             << "txtOutline";
    QTest::newRow("big idea") << "mnuSBigIdea"
                              << "B"
                              << "txtBigIdea";
    QTest::newRow("title") << "mnuSTitle"
                           << "T"
                           << "txtTitle";
    QTest::newRow("all") << "mnuSAll"
                         << "OBTL"
                         << "txtOutline";
    QTest::newRow("toolbar") << "grpSearch"
                             << "OBTL"
                             << "txtOutline";
}

void tst_TextSearch::screenPerCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, frames);
    QFETCH(QString, focus);
    SharedOutline().searchedWords = QStringLiteral("left over");
    m_main->runCommand(command);
    frmFindText *screen = findScreen();
    QVERIFY(screen);
    QCOMPARE(screen->windowTitle(), QStringLiteral("Find Text Screen"));
    QCOMPARE(!widget<QGroupBox>(screen, "fraOutline")->isHidden(), frames.contains(u'O'));
    QCOMPARE(!widget<QGroupBox>(screen, "fraBigIdea")->isHidden(), frames.contains(u'B'));
    QCOMPARE(!widget<QGroupBox>(screen, "fraTitle")->isHidden(), frames.contains(u'T'));
    QCOMPARE(!widget<QGroupBox>(screen, "fraLogic")->isHidden(), frames.contains(u'L'));
    QCOMPARE(widget<QGroupBox>(screen, "fraTitle")->title(), QStringLiteral("Search SermonTitle"));
    QCOMPARE(widget<QGroupBox>(screen, "fraLogic")->title(), QStringLiteral("Type of Logic:"));
    QVERIFY(widget<QRadioButton>(screen, "optAnd")->isChecked());
    QCOMPARE(widget<QLineEdit>(screen, "txtOutline")->text(), QStringLiteral(" "));
    QCOMPARE(screen->focusWidget() ? screen->focusWidget()->objectName() : QString(), focus);
    const SermonQuery query = screen->query();
    QCOMPARE(query.kind, SermonQuery::Kind::TextSearch);
    QCOMPARE(query.combination, frames.contains(u'L'));
    QCOMPARE(SharedOutline().searchedWords, QString());
}

void tst_TextSearch::searchLists_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("andLogic");
    // Box texts; null leaves the box at its blank.
    QTest::addColumn<QString>("outline");
    QTest::addColumn<QString>("bigIdea");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("andFlag");
    const QString untouched;
    QTest::newRow("AND, two boxes") << "mnuSAll" << true << untouched << "e"
                                    << "o" << QStringList { "13", "10" } << 1;
    // AND over the outline and another field: the outline decides only where the other
    // field matched.
    QTest::newRow("AND, outline and title")
        << "mnuSAll" << true << "prayer" << untouched << "the" << QStringList { "11", "13" } << 1;
    QTest::newRow("AND, outline and title, no sermon has both")
        << "mnuSAll" << true << "grace" << untouched << "the" << QStringList {} << 1;
    QTest::newRow("AND, outline and big idea") << "mnuSAll" << true << "word"
                                               << "light" << untouched << QStringList { "13" } << 1;
    QTest::newRow("OR, two boxes") << "mnuSAll" << false << untouched << "hope"
                                   << "shepherd" << QStringList { "12", "14" } << 0;
    QTest::newRow("AND with one box filled is OR")
        << "mnuSAll" << true << untouched << untouched << "the" << QStringList { "11", "12", "13" }
        << 0;
    QTest::newRow("all boxes blank")
        << "mnuSAll" << true << untouched << untouched << untouched << QStringList {} << 0;
    QTest::newRow("deleted blank matches every filled field")
        << "mnuSAll" << false << untouched << "" << untouched << QStringList { "13", "10", "14" }
        << 0;
    QTest::newRow("letter case ignored") << "mnuSAll" << true << "PRAYER" << untouched << untouched
                                         << QStringList { "11", "13" } << 0;
    QTest::newRow("outline, blanks around the text")
        << "mnuSOutline" << false << "  grace  " << untouched << untouched << QStringList { "10" }
        << 0;
    QTest::newRow("big idea") << "mnuSBigIdea" << false << untouched << "LIGHT" << untouched
                              << QStringList { "13" } << 0;
    QTest::newRow("one field left blank")
        << "mnuSTitle" << false << untouched << untouched << untouched << QStringList {} << 0;
}

void tst_TextSearch::searchLists()
{
    QFETCH(QString, command);
    QFETCH(bool, andLogic);
    QFETCH(QString, outline);
    QFETCH(QString, bigIdea);
    QFETCH(QString, title);
    QFETCH(QStringList, expected);
    QFETCH(int, andFlag);
    m_main->runCommand(command);
    frmFindText *screen = findScreen();
    QVERIFY(screen);
    const auto type = [](QLineEdit *box, const QString &text) {
        if (!text.isNull()) {
            box->clear();
            QTest::keyClicks(box, text);
        }
    };
    type(widget<QLineEdit>(screen, "txtOutline"), outline);
    type(widget<QLineEdit>(screen, "txtBigIdea"), bigIdea);
    type(widget<QLineEdit>(screen, "txtTitle"), title);
    (andLogic ? widget<QRadioButton>(screen, "optAnd") : widget<QRadioButton>(screen, "optOR"))
        ->setChecked(true);
    int observedAnd = -1;
    int observedTitleSentinel = -1;
    // The query as the sermon screen receives it.
    m_main->setSermonListCommand([&](const SermonQuery &query) {
        observedAnd = query.allFieldsMatch ? 1 : 0;
        observedTitleSentinel = query.title.text == SearchSentinel ? 1 : 0;
        RegisterSermonScreenCommands(*m_main);
        m_main->showSermons(query);
    });
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSelect"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(!findScreen());
    QCOMPARE(observedAnd, andFlag);
    QCOMPARE(observedTitleSentinel, title.isNull() ? 1 : 0);
    QVERIFY(sermonScreen());
    QCOMPARE(MsgBoxScript::shown().last(),
        QStringLiteral("Number of Records found = %1").arg(expected.size()));
    QCOMPARE(gridKeys(widget<DataGrid>(sermonScreen(), "grdSermons")), expected);
    // The outline search's words stay for the notes window until the sermon screen closes.
    sermonScreen()->closeScreen();
    QApplication::processEvents();
    QCOMPARE(SharedOutline().searchedWords, QString());
}

void tst_TextSearch::cancelTurnsTheSearchOff()
{
    m_main->runCommand(QStringLiteral("mnuSAll"));
    QTest::mouseClick(widget<QPushButton>(findScreen(), "cmdCancel"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(!findScreen());
    QVERIFY(!sermonScreen());
}

void tst_TextSearch::substringTest_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("contains");
    QTest::newRow("case") << "Grace Abounds"
                          << "grace" << true;
    QTest::newRow("trimmed search") << "Grace"
                                    << " race " << true;
    QTest::newRow("accents") << "JOSÉ and Ἀγάπη"
                             << "josé and ἀγάπη" << true;
    QTest::newRow("missing") << "Grace"
                             << "law" << false;
    QTest::newRow("empty search") << "Grace"
                                  << "" << true;
    QTest::newRow("empty field") << ""
                                 << "" << false;
    QTest::newRow("sentinel") << "Grace" << SearchSentinel << false;
}

void tst_TextSearch::substringTest()
{
    QFETCH(QString, field);
    QFETCH(QString, search);
    QFETCH(bool, contains);
    // The single-criterion search, once for each field it reads.
    for (int which = 0; which < 3; ++which) {
        clsSermon sermon;
        sermon.setTitle(which == 0 ? field : QStringLiteral("elsewhere"));
        sermon.setBigIdea(which == 1 ? field : QStringLiteral("elsewhere"));
        sermon.setOutline(which == 2 ? field : QStringLiteral("elsewhere"));
        SermonQuery query;
        query.kind = SermonQuery::Kind::TextSearch;
        query.title = { which == 0, search };
        query.bigIdea = { which == 1, search };
        query.outline = { which == 2, search };
        SermonListFilter filter(sermon, query);
        QCOMPARE(filter.SelectSingleBinoc(), contains);
    }
}

QTEST_MAIN(tst_TextSearch)
#include "tst_textsearch.moc"
