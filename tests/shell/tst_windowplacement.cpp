#include "MainWindowPlacement.h"
#include "QtUserInterface.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "WelcomePanel.h"
#include "frmMain.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTest>

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
    QVERIFY2(welcome->text().contains(QStringLiteral("holding %1 sermon").arg(sermons)),
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

QTEST_MAIN(tst_WindowPlacement)
#include "tst_windowplacement.moc"
