#include "MainToolbar.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "SampleScreen.h"
#include "ScreenTestReset.h"
#include "Twips.h"
#include "frmMain.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The toolbar: its buttons, the delayed tooltip box and the click rules.
class tst_MainToolbar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void toolbarButtons();
    void tooltipBoxes_data();
    void tooltipBoxes();
    void tooltipTiming();
    void tooltipHiddenOverWorkArea();
    void cutCopyPasteRunOnlyOnThePressingClick();
    void otherButtonsRunTheirMenuCommand_data();
    void otherButtonsRunTheirMenuCommand();
    void newSermonButton();
    void keyboardAndAssistivePressRunTheCommand_data();
    void keyboardAndAssistivePressRunTheCommand();

private:
    QToolButton *button(const char *name) const
    {
        return m_main->findChild<QToolButton *>(QLatin1String(name));
    }
    void hover(QWidget *widget);

    std::unique_ptr<frmMain> m_main;
};

void tst_MainToolbar::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_MainToolbar::init()
{
    ScreenTestReset::begin();
    m_main = std::make_unique<frmMain>();
    QtUserInterface::instance().setStatusTextRaw(ProductName);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_MainToolbar::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    m_main.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_MainToolbar::hover(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void tst_MainToolbar::toolbarButtons()
{
    QVERIFY(m_main->findChild<QWidget *>(QStringLiteral("pnlToolbar")));
    QCOMPARE(m_main->pnlToolbar()->height(), TwipsToPixels(555));
    const char *const names[]
        = { "grpCut", "grpCopy", "grpPaste", "grpSearch", "grpCheck", "grpNewSermon", "grpGlobe",
              "grpNotes", "grpSaveNotes", "grpPreacher", "grpSeries", "grpPublisher", "grpHelp" };
    int left = -1;
    for (int n = 1; n <= 13; ++n) {
        QToolButton *b = button(names[n - 1]);
        QVERIFY2(b, names[n - 1]);
        QCOMPARE(m_main->pnlToolbar()->button(n), b);
        QCOMPARE(b->accessibleName(), MainToolbar::tipText(n));
        QVERIFY(b->isCheckable());
        QVERIFY(!b->isChecked());
        QVERIFY(!b->icon().isNull());
        QCOMPARE(b->size(), QSize(TwipsToPixels(435), TwipsToPixels(435)));
        const bool hiddenAtStart = n == 8 || n == 9;
        QCOMPARE(b->isHidden(), hiddenAtStart);
        if (!hiddenAtStart) {
            QVERIFY(b->x() > left);
            left = b->x();
        }
    }
    auto *timer = m_main->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 800);
    QVERIFY(!timer->isActive());
    QVERIFY(!m_main->findChild<QLineEdit *>(QStringLiteral("txtToolTip"))->isVisible());
}

void tst_MainToolbar::tooltipBoxes_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    const char *const tips[] = { "Cut", "Copy", "Paste", "Search Text", "Selection Criteria",
        "Add New Sermon", "Display All Sermons", "Sermon Notes", "Save Sermon Notes",
        "Preacher Screen", "Sermon Series Screen", "Publisher Screen", "Help" };
    const int widths[]
        = { 500, 500, 500, 1200, 1400, 1400, 1500, 1300, 1600, 1455, 1700, 1455, 500 };
    for (int n = 1; n <= 13; ++n) {
        QTest::newRow(tips[n - 1]) << n << QString::fromLatin1(tips[n - 1]) << widths[n - 1];
    }
}

void tst_MainToolbar::tooltipBoxes()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(int, width);
    MainToolbar *toolbar = m_main->pnlToolbar();
    toolbar->button(number)->show();
    toolbar->hoverButton(number);
    toolbar->ShowToolTip();
    QLineEdit *tip = toolbar->txtToolTip();
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), text);
    QCOMPARE(tip->width(), TwipsToPixels(width));
    QCOMPARE(tip->x(), toolbar->button(number)->x());
    QCOMPARE(tip->y(), toolbar->button(number)->y() + TwipsToPixels(2));
    QCOMPARE(tip->palette().color(QPalette::Base), QColor(255, 255, 192));
}

void tst_MainToolbar::tooltipTiming()
{
    MainToolbar *toolbar = m_main->pnlToolbar();
    QLineEdit *tip = toolbar->txtToolTip();
    QTimer *timer = toolbar->Timer1();

    hover(button("grpCut"));
    QVERIFY(timer->isActive());
    QCOMPARE(toolbar->HoverButton(), 1);
    QVERIFY(!tip->isVisible());
    // Another button within the 800 ms: only its tooltip appears.
    hover(button("grpSeries"));
    QCOMPARE(toolbar->HoverButton(), 11);
    QVERIFY(!tip->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 2000);
    QCOMPARE(tip->text(), QStringLiteral("Sermon Series Screen"));
    QCOMPARE(tip->x(), button("grpSeries")->x());

    // The timer keeps running: resting on the button refreshes the box.
    QVERIFY(timer->isActive());
    tip->hide();
    QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 2000);

    // Over the bare toolbar the box goes and the timer stops.
    QMouseEvent bare(QEvent::MouseMove, QPointF(toolbar->width() - 3, 3),
        toolbar->mapToGlobal(QPointF(toolbar->width() - 3, 3)), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(toolbar, &bare);
    QVERIFY(!tip->isVisible());
    QVERIFY(!timer->isActive());
}

void tst_MainToolbar::tooltipHiddenOverWorkArea()
{
    MainToolbar *toolbar = m_main->pnlToolbar();
    toolbar->hoverButton(4);
    toolbar->ShowToolTip();
    QVERIFY(toolbar->txtToolTip()->isVisible());
    hover(m_main->workArea()->viewport());
    QVERIFY(!toolbar->txtToolTip()->isVisible());
    QVERIFY(!toolbar->Timer1()->isActive());
}

void tst_MainToolbar::cutCopyPasteRunOnlyOnThePressingClick()
{
    auto *screen = new SampleScreen(QStringLiteral("Topic Screen"));
    m_main->openScreen(screen);
    screen->txtName->setText(QStringLiteral("Amazing grace"));
    screen->txtName->setFocus();
    screen->txtName->setSelection(0, 7);
    m_main->pnlToolbar()->hoverButton(2);
    m_main->pnlToolbar()->ShowToolTip();

    QTest::mouseClick(button("grpCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Amazing"));
    QVERIFY(!button("grpCopy")->isChecked());
    QVERIFY(!m_main->pnlToolbar()->txtToolTip()->isVisible());
    QVERIFY(!m_main->pnlToolbar()->Timer1()->isActive());

    // A button left pressed: the click that raises it does nothing.
    for (const char *name : { "grpCut", "grpCopy", "grpPaste" }) {
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        button(name)->setChecked(true);
        QTest::mouseClick(button(name), Qt::LeftButton);
        QVERIFY(!button(name)->isChecked());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(screen->txtName->text(), QStringLiteral("Amazing grace"));
    }

    QTest::mouseClick(button("grpCut"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Amazing"));
    QCOMPARE(screen->txtName->text(), QStringLiteral(" grace"));
    QTest::mouseClick(button("grpPaste"), Qt::LeftButton);
    QCOMPARE(screen->txtName->text(), QStringLiteral("Amazing grace"));

    // On a drop-down list they do nothing at all.
    screen->cboList->setFocus();
    QTest::mouseClick(button("grpCut"), Qt::LeftButton);
    QTest::mouseClick(button("grpPaste"), Qt::LeftButton);
    QCOMPARE(screen->cboList->currentText(), QStringLiteral("Alpha"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_MainToolbar::otherButtonsRunTheirMenuCommand_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("command");
    QTest::newRow("search") << "grpSearch"
                            << "mnuSAll";
    QTest::newRow("check") << "grpCheck"
                           << "mnuCCombination";
    QTest::newRow("globe") << "grpGlobe"
                           << "mnuESermon";
    QTest::newRow("notes") << "grpNotes"
                           << "grpNotes";
    QTest::newRow("save notes") << "grpSaveNotes"
                                << "grpSaveNotes";
    QTest::newRow("preacher") << "grpPreacher"
                              << "mnuEPreacher";
    QTest::newRow("series") << "grpSeries"
                            << "mnuESeries";
    QTest::newRow("publisher") << "grpPublisher"
                               << "mnuEPublisher";
}

void tst_MainToolbar::otherButtonsRunTheirMenuCommand()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, command);
    QToolButton *b = m_main->toolButton(buttonName);
    b->show();
    // Without a registered command nothing happens.
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!b->isChecked());
    int runs = 0;
    m_main->setCommand(command, [&runs] { ++runs; });
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(runs, 1);
    QVERIFY(!b->isChecked());
    b->setChecked(true);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(runs, 2);
    if (command.startsWith(QLatin1String("mnu"))) {
        m_main->action(command)->trigger();
        QCOMPARE(runs, 3);
    }
    const int before = runs;
    m_main->setCommand(command, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(runs, before);
}

void tst_MainToolbar::newSermonButton()
{
    QToolButton *b = button("grpNewSermon");
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!b->isHidden());
    bool hiddenWhenRun = false;
    m_main->setCommand(QStringLiteral("grpNewSermon"), [&] { hiddenWhenRun = b->isHidden(); });
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(hiddenWhenRun);
    QVERIFY(b->isHidden());
    QVERIFY(!b->isChecked());
}

void tst_MainToolbar::keyboardAndAssistivePressRunTheCommand_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("command");
    QTest::newRow("save notes") << "grpSaveNotes"
                                << "grpSaveNotes";
    QTest::newRow("preacher") << "grpPreacher"
                              << "mnuEPreacher";
    QTest::newRow("search") << "grpSearch"
                            << "mnuSAll";
}

void tst_MainToolbar::keyboardAndAssistivePressRunTheCommand()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, command);
    QToolButton *b = m_main->toolButton(buttonName);
    b->show();
    int runs = 0;
    m_main->setCommand(command, [&runs] { ++runs; });

    // A screen reader's "press".
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(b);
    QVERIFY(access && access->actionInterface());
    const QString press = QAccessibleActionInterface::pressAction();
    QVERIFY(access->actionInterface()->actionNames().contains(press));
    access->actionInterface()->doAction(press);
    QCOMPARE(runs, 1);
    QVERIFY(!b->isChecked());
    QVERIFY(!access->state().checked);

    // The keyboard: Tab reaches the button, the space bar presses it.
    QVERIFY(b->focusPolicy() & Qt::TabFocus);
    b->setFocus(Qt::TabFocusReason);
    QTest::keyClick(b, Qt::Key_Space);
    QCOMPARE(runs, 2);
    QVERIFY(!b->isChecked());
    m_main->setCommand(command, nullptr);
}

QTEST_MAIN(tst_MainToolbar)
#include "tst_maintoolbar.moc"
