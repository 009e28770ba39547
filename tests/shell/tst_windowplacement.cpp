#include "MainWindowPlacement.h"
#include "ProgramTranslation.h"
#include "QtUserInterface.h"
#include "ScreenPlacement.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "WelcomePanel.h"
#include "frmMain.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QVBoxLayout>

// The main window's first place on a screen, a remembered place that is used or refused, and
// the settings written when the user has moved or resized the window, never at the end.
class tst_WindowPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void choice_data();
    void choice();
    void writtenOnceTheUserHasMovedIt();
    void welcomeWhileNoScreenIsOpen();
    void screenInsideTheWorkArea_data();
    void screenInsideTheWorkArea();

private:
    QTemporaryDir m_home;
};

using Place = MainWindowPlacement::Place;
Q_DECLARE_METATYPE(std::optional<Place>)

void tst_WindowPlacement::initTestCase()
{
    TestEnvironment::isolateSettings(m_home.path());
}

void tst_WindowPlacement::choice_data()
{
    QTest::addColumn<std::optional<Place>>("remembered");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QList<QRect>>("available");
    QTest::addColumn<Place>("expected");
    const QRect wide(0, 0, 1280, 1024);
    const QRect wideFree(0, 0, 1280, 994);
    const QList<QRect> one { wide };
    const QList<QRect> oneFree { wideFree };
    QTest::newRow("first start, 1280x1024: nine tenths, centred")
        << std::optional<Place>() << one << oneFree << Place { QRect(64, 50, 1152, 894), false };
    QTest::newRow("first start, 1366x768")
        << std::optional<Place>() << QList<QRect> { QRect(0, 0, 1366, 768) }
        << QList<QRect> { QRect(0, 30, 1366, 738) } << Place { QRect(68, 67, 1229, 664), false };
    QTest::newRow("first start, 1024x768: maximised")
        << std::optional<Place>() << QList<QRect> { QRect(0, 0, 1024, 768) }
        << QList<QRect> { QRect(0, 0, 1024, 740) } << Place { QRect(0, 0, 1024, 740), true };
    const Place kept { QRect(100, 80, 900, 700), true };
    QTest::newRow("remembered on the screen")
        << std::optional<Place>(kept) << one << oneFree << kept;
    const Place second { QRect(1400, 100, 800, 600), false };
    QTest::newRow("remembered on the second screen")
        << std::optional<Place>(second) << QList<QRect> { wide, QRect(1280, 0, 1920, 1080) }
        << QList<QRect> { wideFree, QRect(1280, 0, 1920, 1080) } << second;
    QTest::newRow("remembered on a screen since unplugged") << std::optional<Place>(
        second) << one << oneFree << Place { QRect(64, 50, 1152, 894), false };
    QTest::newRow("title bar above the top edge")
        << std::optional<Place>(Place { QRect(100, -200, 900, 700), false }) << one << oneFree
        << Place { QRect(64, 50, 1152, 894), false };
}

void tst_WindowPlacement::choice()
{
    QFETCH(std::optional<Place>, remembered);
    QFETCH(QList<QRect>, screens);
    QFETCH(QList<QRect>, available);
    QFETCH(Place, expected);
    const Place chosen = MainWindowPlacement::choose(remembered, screens, available);
    QCOMPARE(chosen.geometry, expected.geometry);
    QCOMPARE(chosen.maximized, expected.maximized);
}

void tst_WindowPlacement::writtenOnceTheUserHasMovedIt()
{
    const QString file = m_home.filePath(QStringLiteral("settings/lectorum.ini"));
    auto stored = [&file](const char *key) {
        return QSettings(file, QSettings::IniFormat)
            .value(QStringLiteral("Window/") + QLatin1String(key));
    };
    {
        QMainWindow window;
        new MainWindowPlacement(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The first placement settles without a write.
        QTest::qWait(MainWindowPlacement::SettleMs + 200);
        QVERIFY(!stored("Width").isValid());
        // Later moves and resizes are the user's: written once they end.
        QTest::qWait(1500);
        window.setGeometry(40, 50, 700, 500);
        window.resize(720, 510);
        QVERIFY(!stored("Width").isValid());
        QTRY_COMPARE(stored("Width").toInt(), 720);
        QCOMPARE(stored("Height").toInt(), 510);
        QCOMPARE(stored("Maximized").toInt(), 0);
        // The end of the program writes nothing, whatever the window looks like then.
        window.resize(300, 300);
    }
    QTest::qWait(MainWindowPlacement::SettleMs + 100);
    QCOMPARE(stored("Width").toInt(), 720);
    const std::optional<Place> again = MainWindowPlacement::remembered();
    QVERIFY(again);
    QCOMPARE(again->geometry.size(), QSize(720, 510));
}

void tst_WindowPlacement::welcomeWhileNoScreenIsOpen()
{
    UserInterface::install(&QtUserInterface::instance());
    QVERIFY(ProgramTranslation::install()); // "1 sermon", "30 sermons"
    TestDatabase db(TestEnvironment::Engine::SQLite, true);
    QVERIFY(db.isReady());
    const int sermons = db.scalar(QStringLiteral("SELECT count(*) FROM tblSermons")).toInt();
    frmMain main;
    QStringList ran;
    main.setCommand(QStringLiteral("mnuESermon"), [&ran] { ran << QStringLiteral("sermons"); });
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    WelcomePanel *welcome = main.welcome();
    QTRY_VERIFY(welcome->isVisible());
    QVERIFY2(welcome->text().contains(QStringLiteral("holding %1 sermons").arg(sermons)),
        qPrintable(welcome->text()));

    // A screen open: the welcome is gone, never over the screen; back when it closes.
    auto *screen = new QWidget;
    QMdiSubWindow *frame = main.workArea()->addSubWindow(screen);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->show();
    QTRY_VERIFY(welcome->isHidden());
    frame->close();
    QTRY_VERIFY(welcome->isVisible());

    // Its links run the menu items' commands.
    Q_EMIT welcome->linkActivated(QStringLiteral("mnuESermon"));
    QCOMPARE(ran, QStringList { QStringLiteral("sermons") });
}

void tst_WindowPlacement::screenInsideTheWorkArea_data()
{
    QTest::addColumn<QSize>("least");
    QTest::addColumn<QPoint>("openedAt");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("fits where it opened") << QSize(500, 300) << QPoint(10, 10) << false;
    QTest::newRow("fits once moved in") << QSize(500, 300) << QPoint(800, 500) << false;
    QTest::newRow("wider than the work area") << QSize(1400, 300) << QPoint(0, 0) << true;
    QTest::newRow("taller than the work area") << QSize(500, 1200) << QPoint(30, 30) << true;
}

void tst_WindowPlacement::screenInsideTheWorkArea()
{
    QFETCH(QSize, least);
    QFETCH(QPoint, openedAt);
    QFETCH(bool, scrolls);
    frmMain main;
    main.resize(1024, 700);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *screen = new QWidget;
    screen->setObjectName(QStringLiteral("frmLarge"));
    auto *layout = new QVBoxLayout(screen);
    auto *body = new QWidget(screen);
    body->setMinimumSize(least);
    layout->addWidget(body);
    auto *cmdClose = new QPushButton(QStringLiteral("&Close"), screen);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    layout->addWidget(cmdClose);
    QMdiSubWindow *frame = main.openScreen(screen);
    frame->move(openedAt);
    KeepInWorkArea(frame);

    const QRect room = main.workArea()->viewport()->rect();
    QVERIFY2(room.contains(frame->geometry()),
        qPrintable(QStringLiteral("%1,%2 %3x%4")
                       .arg(frame->x())
                       .arg(frame->y())
                       .arg(frame->width())
                       .arg(frame->height())));
    QCOMPARE(main.size(), QSize(1024, 700));
    // The screen is still the frame's, its controls still found by name.
    QCOMPARE(frame->widget(), screen);
    QCOMPARE(screen->findChild<QPushButton *>(QStringLiteral("cmdClose")), cmdClose);
    auto *scroll = screen->findChild<QScrollArea *>(QStringLiteral("scrScreenContents"));
    QCOMPARE(scroll != nullptr, scrolls);
    if (scroll) {
        QApplication::processEvents();
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0
            || scroll->verticalScrollBar()->maximum() > 0);
        QCOMPARE(body->size().expandedTo(least), body->size());
    }
}

QTEST_MAIN(tst_WindowPlacement)
#include "tst_windowplacement.moc"
