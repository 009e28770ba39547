#include "HelpWindow.h"
#include "MainMenus.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "SampleScreen.h"
#include "ScreenOperations.h"
#include "ScreenTestReset.h"
#include "Twips.h"
#include "frmAbout32.h"
#include "frmMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class tst_MainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void captionAndMenuBar();
    void menuItems_data();
    void menuItems();
    void noMenuRepeatsAMnemonic();
    void contentsHasF1();
    void statusBarPanelsAndResize();
    void defaultsToggles_data();
    void defaultsToggles();
    void outlineFontCheckMarks();
    void changeDatabaseRefusedWhileAScreenIsOpen();
    void displayActiveDatabase();
    void windowMenuListsOpenScreens();
    void windowArrangements();
    void helpCommands_data();
    void helpCommands();
    void f1OnAHighlightedMenuItem();
    void aboutOpensModally();
    void exitClosesHelpAndTheWindow();
    void closingKeepsTheWindowWhenAScreenRefuses();

private:
    QAction *item(const char *name) const
    {
        return m_main->findChild<QAction *>(QLatin1String(name));
    }

    std::unique_ptr<frmMain> m_main;
};

void tst_MainWindow::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_MainWindow::init()
{
    ScreenTestReset::begin();
    m_main = std::make_unique<frmMain>();
    HelpFilePath = QStringLiteral(LECTORUM_HELP_FILE);
    QtUserInterface::instance().setStatusTextRaw(ProductName);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_MainWindow::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    if (HelpWindow *help = HelpWindow::current()) {
        delete help;
    }
    m_main.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_MainWindow::captionAndMenuBar()
{
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Lectorum Sermon Outlines"));
    QStringList captions;
    for (const QAction *menu : m_main->menuBar()->actions()) {
        if (menu->isVisible()) {
            captions.append(menu->text());
        }
    }
    QCOMPARE(captions,
        (QStringList { "&File", "&Edit", "&Search-Text", "&Checklist", "&Defaults", "&Window",
            "&Reports", "   &Help" }));
    QCOMPARE(m_main->menuBar()->actions().at(4)->text(), QStringLiteral("   &Print"));
    QCOMPARE(HelpFilePath.endsWith(QStringLiteral("/Lectorum.hlp")), true);
}

void tst_MainWindow::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("helpId");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    struct Row
    {
        const char *name;
        const char *caption;
        int helpId;
        bool visible = true;
        bool enabled = true;
        bool checked = false;
    };
    const Row rows[] = { { "mnufile", "&File", 25 }, { "mnuFChange", "&Change Database", 25 },
        { "mnuFDisplay", "&Display Active Database", 25 }, { "mnuFExit", "E&xit", 25 },
        { "mnuFSep1", "", 0 }, { "mnuFBackup", "Back &Up Now", 26 },
        { "mnuFCheck", "Chec&k Database", 27 }, { "mnuFRestore", "&Restore from Backup...", 28 },
        { "mnuFExport", "Ex&port", 29 }, { "mnuFExportList", "Sermon List as CSV...", 29 },
        { "mnuFExportOutline", "Outline as Document...", 29 },
        { "mnuFExportAll", "All Outlines as Documents...", 29 }, { "mnuFImport", "&Import", 70 },
        { "mnuFImportFiles", "Outline Files...", 70 },
        { "mnuFImportCsv", "Sermon List from CSV...", 71 },
        { "mnuFImportUndo", "Undo Last Import...", 72 }, { "mnuEdit", "&Edit", 30 },
        { "mnuESermon", "&Sermon", 30 }, { "mnuETopics", "&Topics", 30 },
        { "mnuEIllustr", "&Illustrations", 30 }, { "mnuESep1", "", 0 },
        { "mnuEPreacher", "&Preacher", 30 }, { "mnuESeries", "Se&ries", 30 },
        { "mnuEPublisher", "Pu&blisher", 30 }, { "mnuESep2", "", 0 }, { "mnuECut", "C&ut", 30 },
        { "mnuECopy", "&Copy", 30 }, { "mnuEPaste", "P&aste", 30 },
        { "mnuSearch", "&Search-Text", 35 }, { "mnuSOutline", "Sermon &Outline", 35 },
        { "mnuSSep1", "", 0 }, { "mnuSBigIdea", "&Big Idea", 35 }, { "mnuSTitle", "&Title", 35 },
        { "mnuSSep2", "", 0 }, { "mnuSAll", "Search &All", 35 }, { "mnuCheck", "&Checklist", 40 },
        { "mnuCBible", "By &Bible Book", 40 }, { "mnuCPreacher", "By &Preacher", 40 },
        { "mnuCSeries", "By &Series", 40 }, { "mnuCTopic", "By &Topic", 40 }, { "mnuCSep1", "", 0 },
        { "mnuCCombination", "By &Combination", 40 }, { "mnuCSep2", "", 0 },
        { "mnuCPassage", "By P&assage...", 42 }, { "mnuPrint", "   &Print", 45, false, false },
        { "mnuPSermon", "Selected &Sermon", 45, true, false },
        { "mnuPList", "Current &List", 45, true, false },
        { "mnuPIllustration", "&Illustration", 45, true, false },
        { "mnuDefaults", "&Defaults", 50 }, { "mnuDStatus", "&Status Bar", 50, true, true, true },
        { "mnuDToolbar", "&Tool Bar", 50, true, true, true }, { "mnuDsep", "", 0 },
        { "mnuDFont", "Outline Font Type", 0 }, { "mnuDFontArial", "Arial", 0 },
        { "mnuDFontArialB", "Arial Bold", 0 }, { "mnuDFontCent", "Century Gothic", 0 },
        { "mnuDFontCour", "Courier New", 0 }, { "mnuDFontSerif", "MS Sans Serif", 0 },
        { "mnuDFontTimes", "Times New Roman", 0 }, { "mnuDFontS", "Outline Font Size", 0 },
        { "mnuDFont8", "8", 0, true, true, true }, { "mnuDFont10", "10", 0 },
        { "mnuDFont12", "12", 0 }, { "mnuDFont14", "14", 0 }, { "mnuDsep2", "", 0 },
        { "mnuDLocation", "Set &Location", 50 }, { "mnuWindow", "&Window", 55 },
        { "mnuWCascade", "&Cascade", 55 }, { "mnuWTileHoriz", "Tile &Horizontally", 55 },
        { "mnuWTileVert", "Tile &Vertical", 55 }, { "mnuWSep", "", 0 },
        { "mnuWArrange", "&Arrange Icons", 55 }, { "mnuReports", "&Reports", 80 },
        { "mnuRCoverage", "Scripture Coverage...", 80 },
        { "mnuRPerYear", "Sermons per Year...", 81 },
        { "mnuRUsage", "Topics and Illustrations...", 82 },
        { "mnuRNever", "Books Never Preached...", 83 },
        { "mnuRSince", "Not Preached Since...", 84 }, { "mnuHelp", "   &Help", 60 },
        { "mnuHContents", "&Contents", 60 }, { "mnuHIndex", "&Index", 60 },
        { "mnuHSearch", "&Search", 60 }, { "mnuHSep1", "", 0 }, { "mnuHUsing", "&Using Help", 60 },
        { "mnuHSep2", "", 0 }, { "mnuHAbout", "&About...", 60 } };
    for (const Row &row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromLatin1(row.caption)
                                << row.helpId << row.visible << row.enabled << row.checked;
    }
}

void tst_MainWindow::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, helpId);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    const QAction *action = m_main->action(name);
    QVERIFY(action);
    QCOMPARE(m_main->findChild<QAction *>(name), action);
    if (caption.isEmpty()) {
        QVERIFY(action->isSeparator());
    } else {
        QCOMPARE(action->text(), caption);
    }
    QCOMPARE(action->property(MainMenus::HelpContextProperty).toInt(), helpId);
    QCOMPARE(action->isVisible(), visible);
    // A hidden item also reports itself disabled.
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isChecked(), checked);
}

namespace {
// The Alt letter of a caption ("By P&assage..." -> 'a'); "&&" is a plain ampersand.
QChar mnemonic(const QString &caption)
{
    for (qsizetype at = caption.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < caption.size();
         at = caption.indexOf(QLatin1Char('&'), at + 2)) {
        if (caption.at(at + 1) != QLatin1Char('&'))
            return caption.at(at + 1).toLower();
    }
    return {};
}

// The letters used twice among a menu's items, as "letter: caption, caption".
QStringList repeatedMnemonics(const QList<QAction *> &items)
{
    QMultiHash<QChar, QString> byLetter;
    for (const QAction *action : items) {
        if (!action->isSeparator() && !mnemonic(action->text()).isNull())
            byLetter.insert(mnemonic(action->text()), action->text());
    }
    QStringList repeated;
    for (const QChar letter : byLetter.uniqueKeys()) {
        if (byLetter.count(letter) > 1)
            repeated << QString(letter) + QLatin1String(": ") + byLetter.values(letter).join(", ");
    }
    return repeated;
}
} // namespace

void tst_MainWindow::noMenuRepeatsAMnemonic()
{
    // The menu bar and every menu and submenu the program builds, hidden ones included.
    QStringList repeated = repeatedMnemonics(m_main->menuBar()->actions());
    const QList<QMenu *> menus = m_main->findChildren<QMenu *>();
    QVERIFY(menus.size() >= 8);
    for (const QMenu *menu : menus) {
        for (const QString &clash : repeatedMnemonics(menu->actions()))
            repeated << menu->title() + QLatin1String(" - ") + clash;
    }
    QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(QLatin1String("; "))));
}

void tst_MainWindow::contentsHasF1()
{
    QCOMPARE(item("mnuHContents")->shortcut(), QKeySequence(Qt::Key_F1));
    QTest::keyClick(m_main.get(), Qt::Key_F1);
    QVERIFY(HelpWindow::current());
    QCOMPARE(HelpWindow::current()->currentTopic(), QStringLiteral("contents"));
}

void tst_MainWindow::statusBarPanelsAndResize()
{
    QLabel *box = m_main->findChild<QLabel *>(QStringLiteral("pnlStatusBox"));
    QLabel *user = m_main->findChild<QLabel *>(QStringLiteral("pnlUser"));
    QCOMPARE(box, m_main->pnlStatusBox());
    QCOMPARE(user, m_main->pnlUser());
    QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("pnlStatusBar"));
    QCOMPARE(box->pos(), QPoint(TwipsToPixels(60), TwipsToPixels(60)));
    QCOMPARE(user->x(), TwipsToPixels(5460));
    QCOMPARE(box->text(), ProductName);
    m_main->resize(900, 600);
    QTRY_COMPARE(box->width(), user->x() - TwipsToPixels(200));
    QVERIFY(user->width() >= TwipsToPixels(3495));

    // A screen reader reads what the panels say.
    SetStatusText(QStringLiteral("Topic Screen"));
    user->setText(QStringLiteral("/srv/church/lectorum.mdb"));
    for (QLabel *panel : { box, user }) {
        const QAccessibleInterface *access = QAccessible::queryAccessibleInterface(panel);
        QVERIFY(access);
        QCOMPARE(access->text(QAccessible::Name), panel->text());
        QVERIFY(!access->text(QAccessible::Description).isEmpty());
    }
    QCOMPARE(box->text(), QStringLiteral(" Topic Screen "));
}

void tst_MainWindow::defaultsToggles_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("panelName");
    QTest::newRow("status bar") << "mnuDStatus"
                                << "pnlStatusBar";
    QTest::newRow("tool bar") << "mnuDToolbar"
                              << "pnlToolbar";
}

void tst_MainWindow::defaultsToggles()
{
    QFETCH(QString, itemName);
    QFETCH(QString, panelName);
    QAction *toggle = m_main->action(itemName);
    QWidget *panel = m_main->findChild<QWidget *>(panelName);
    QVERIFY(panel->isVisible());
    toggle->trigger();
    QVERIFY(!panel->isVisible());
    QVERIFY(!toggle->isChecked());
    m_main->runCommand(itemName);
    QVERIFY(panel->isVisible());
    QVERIFY(toggle->isChecked());
}

void tst_MainWindow::outlineFontCheckMarks()
{
    QSignalSpy sizes(m_main.get(), &frmMain::outlineFontSizeChosen);
    QSignalSpy types(m_main.get(), &frmMain::outlineFontTypeChosen);
    QCOMPARE(m_main->outlineFontSize(), 8);
    QCOMPARE(m_main->outlineFontName(), QString());

    item("mnuDFont12")->trigger();
    QCOMPARE(m_main->outlineFontSize(), 12);
    for (const char *name : { "mnuDFont8", "mnuDFont10", "mnuDFont14" }) {
        QVERIFY(!item(name)->isChecked());
    }
    QCOMPARE(sizes.size(), 1);
    QCOMPARE(sizes.at(0).at(0).toInt(), 12);

    item("mnuDFontArialB")->trigger();
    QCOMPARE(m_main->outlineFontName(), QStringLiteral("Arial Bold"));
    QCOMPARE(types.at(0).at(0).toString(), QStringLiteral("Arial Bold"));
    int hooked = 0;
    m_main->setCommand(QStringLiteral("mnuDFontTimes"), [&hooked] { ++hooked; });
    m_main->runCommand(QStringLiteral("mnuDFontTimes"));
    QCOMPARE(hooked, 1);
    QCOMPARE(m_main->outlineFontName(), QStringLiteral("Times New Roman"));
    QVERIFY(!item("mnuDFontArialB")->isChecked());
    // Choosing the checked item again keeps its check mark.
    item("mnuDFontTimes")->trigger();
    QVERIFY(item("mnuDFontTimes")->isChecked());
    QCOMPARE(m_main->outlineFontSize(), 12);
}

void tst_MainWindow::changeDatabaseRefusedWhileAScreenIsOpen()
{
    int opened = 0;
    m_main->setCommand(QStringLiteral("mnuFChange"), [&opened] { ++opened; });
    auto *screen = new SampleScreen(QStringLiteral("Topic Screen"));
    m_main->openScreen(screen);
    screen->subWindow()->showMinimized();
    item("mnuFChange")->trigger();
    QCOMPARE(opened, 0);
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("First close all open windows") });
    QCOMPARE(MsgBoxScript::shownCaptions(), QStringList { AppTitle });

    QVERIFY(screen->closeScreen());
    MsgBoxScript::clear();
    item("mnuFChange")->trigger();
    QCOMPARE(opened, 1);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_MainWindow::displayActiveDatabase()
{
    ActiveDatabase = QStringLiteral("/srv/church/Sermons.mdb");
    item("mnuFDisplay")->trigger();
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { QStringLiteral("Active Database = /srv/church/Sermons.mdb") });
    ActiveDatabase.clear();
}

void tst_MainWindow::windowMenuListsOpenScreens()
{
    m_main->updateWindowMenu();
    QMenu *window = m_main->menus()->menu(QStringLiteral("mnuWindow"));
    QCOMPARE(window->actions().size(), 5);
    auto *first = new SampleScreen(QStringLiteral("Topic Screen"));
    auto *second = new SampleScreen(QStringLiteral("Preachers Screen"));
    m_main->openScreen(first);
    m_main->openScreen(second);
    Q_EMIT window->aboutToShow();
    QStringList listed;
    for (const QAction *a : window->actions().mid(6)) {
        listed.append(a->text());
    }
    QCOMPARE(listed, (QStringList { "&1 Topic Screen", "&2 Preachers Screen" }));
    QVERIFY(window->actions().at(7)->isChecked());
    window->actions().at(6)->trigger();
    QCOMPARE(m_main->workArea()->currentSubWindow(), first->subWindow());
    QCOMPARE(GetStatusText(), QStringLiteral(" Topic Screen "));
    second->closeScreen();
    Q_EMIT window->aboutToShow();
    QCOMPARE(window->actions().size(), 7);
}

void tst_MainWindow::windowArrangements()
{
    QList<QMdiSubWindow *> frames;
    for (const char *caption :
        { "Topic Screen", "Preachers Screen", "Series of Messages Screen" }) {
        frames.append(m_main->openScreen(new SampleScreen(QString::fromLatin1(caption))));
    }
    const QRect area = m_main->workArea()->viewport()->rect();

    item("mnuWTileHoriz")->trigger();
    for (QMdiSubWindow *frame : frames) {
        QCOMPARE(frame->width(), area.width());
    }
    QVERIFY(frames[0]->y() < frames[1]->y() && frames[1]->y() < frames[2]->y());

    item("mnuWTileVert")->trigger();
    for (QMdiSubWindow *frame : frames) {
        QCOMPARE(frame->height(), area.height());
    }
    QVERIFY(frames[0]->x() < frames[1]->x() && frames[1]->x() < frames[2]->x());

    item("mnuWCascade")->trigger();
    QVERIFY(frames[0]->pos() != frames[1]->pos());

    frames[0]->showMinimized();
    frames[1]->showMinimized();
    item("mnuWArrange")->trigger();
    QCOMPARE(frames[0]->geometry().bottom(), area.bottom());
    QCOMPARE(frames[1]->geometry().bottom(), area.bottom());
    QCOMPARE(frames[0]->x(), 0);
    QCOMPARE(frames[1]->x(), frames[0]->width());
}

void tst_MainWindow::helpCommands_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("topic");
    QTest::newRow("contents") << "mnuHContents"
                              << "contents";
    QTest::newRow("index") << "mnuHIndex"
                           << "ctx-10";
    QTest::newRow("search") << "mnuHSearch"
                            << "index";
    QTest::newRow("using help") << "mnuHUsing"
                                << "using-help";
    QTest::newRow("help button") << "grpHelp"
                                 << "contents";
}

void tst_MainWindow::helpCommands()
{
    QFETCH(QString, itemName);
    QFETCH(QString, topic);
    if (itemName.startsWith(QLatin1String("grp"))) {
        QTest::mouseClick(m_main->toolButton(itemName), Qt::LeftButton);
    } else {
        m_main->action(itemName)->trigger();
    }
    HelpWindow *help = HelpWindow::current();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentTopic(), topic);
    QCOMPARE(help->helpFile(), HelpFilePath);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_MainWindow::f1OnAHighlightedMenuItem()
{
    QMenu *edit = m_main->menus()->menu(QStringLiteral("mnuEdit"));
    edit->popup(m_main->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    edit->setActiveAction(item("mnuETopics"));
    QTest::keyClick(edit, Qt::Key_F1);
    QVERIFY(HelpWindow::current());
    QCOMPARE(HelpWindow::current()->currentTopic(), QStringLiteral("ctx-30"));
    QTRY_VERIFY(!edit->isVisible());
}

void tst_MainWindow::aboutOpensModally()
{
    item("mnuHAbout")->trigger();
    auto *about = m_main->findChild<frmAbout32 *>();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(about->isModal());
    QPointer<frmAbout32> guard = about;
    QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
}

void tst_MainWindow::exitClosesHelpAndTheWindow()
{
    item("mnuHContents")->trigger();
    QPointer<HelpWindow> help = HelpWindow::current();
    QVERIFY(help && help->isVisible());
    item("mnuFExit")->trigger();
    QTRY_VERIFY(help.isNull());
    QVERIFY(!m_main->isVisible());

    // Exit closes help itself, before the window's closing: help goes even when a screen
    // with unsaved work keeps the window open.
    m_main->show();
    auto *busy = new SampleScreen(QStringLiteral("Preachers Screen"));
    m_main->openScreen(busy);
    busy->txtName->setText(QStringLiteral("unsaved"));
    item("mnuHContents")->trigger();
    help = HelpWindow::current();
    QVERIFY(help && help->isVisible());
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Cancel);
    item("mnuFExit")->trigger();
    QVERIFY(m_main->isVisible());
    QTRY_VERIFY(help.isNull());
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QVERIFY(m_main->close());
}

void tst_MainWindow::closingKeepsTheWindowWhenAScreenRefuses()
{
    auto *calm = new SampleScreen(QStringLiteral("Topic Screen"));
    auto *busy = new SampleScreen(QStringLiteral("Preachers Screen"));
    m_main->openScreen(calm);
    m_main->openScreen(busy);
    busy->txtName->setText(QStringLiteral("unsaved"));
    QVERIFY(busy->isEditing());
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Cancel);
    QVERIFY(!m_main->close());
    QVERIFY(m_main->isVisible());
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { QStringLiteral("Data Has Been Changed\r\nSave Changes ?") });
    QCOMPARE(m_main->workArea()->subWindowList().size(), 1);
    QCOMPARE(OpenScreenCount, qint16(1));

    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QVERIFY(m_main->close());
    QCOMPARE(OpenScreenCount, qint16(0));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
