#include "MainWindowPlacement.h"
#include "SweptProgram.h"
#include "WindowSweep.h"
#include "frmMain.h"

#include <QTest>

// Every window the program opens, swept at the smallest main window it supports and at the
// size it takes on a first start: each lies wholly inside the main window's work area, no two
// controls of one window answer to the same Alt letter, and every label that shows a value
// tells a screen reader what the value is.
class tst_WindowSweep : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyWindowFitsAndSpeaks_data();
    void everyWindowFitsAndSpeaks();

private:
    SweptProgram m_program;
    frmMain *m_main = nullptr;
};

void tst_WindowSweep::init()
{
    QVERIFY(m_program.open());
    m_main = &m_program.main();
}

void tst_WindowSweep::cleanup()
{
    m_program.close();
    m_main = nullptr;
}

void tst_WindowSweep::everyWindowFitsAndSpeaks_data()
{
    QTest::addColumn<QSize>("mainSize");
    QTest::newRow("smallest") << QSize(1024, 700);
    // The sizes a first start takes on the common small screens (their panels take 30 pixels).
    for (const QSize screen : { QSize(1366, 768), QSize(1280, 1024) }) {
        const QRect free(0, 30, screen.width(), screen.height() - 30);
        QTest::addRow("first start, %dx%d", screen.width(), screen.height())
            << MainWindowPlacement::firstStart(QRect(QPoint(0, 0), screen), free).geometry.size();
    }
}

void tst_WindowSweep::everyWindowFitsAndSpeaks()
{
    QFETCH(QSize, mainSize);
    m_main->resize(mainSize);
    m_main->move(0, 0);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QStringList faults;
    WindowSweep sweep(*m_main, [this, &faults](QWidget *window, const QString &how) {
        const QString where = how + QStringLiteral(" > ") + window->objectName() + u' ';
        for (const QString &fault :
            { WindowChecks::outsideWorkArea(window, *m_main), WindowChecks::mnemonicClashes(window),
                WindowChecks::unnamedValueLabels(window), WindowChecks::clippedTexts(window) }) {
            if (!fault.isEmpty())
                faults.append(where + fault);
        }
    });
    sweep.run();
    qInfo().noquote() << "windows:" << sweep.windowsSeen().join(u' ');
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(tst_WindowSweep)
#include "tst_windowsweep.moc"
