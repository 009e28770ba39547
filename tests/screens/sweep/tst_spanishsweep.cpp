#include "EnglishTexts.h"
#include "MainWindowPlacement.h"
#include "ProgramTranslation.h"
#include "SweptProgram.h"
#include "WindowSweep.h"
#include "frmMain.h"

#include <QMenuBar>
#include <QTest>

// The program in Spanish, as a user with a Spanish system meets it: the main window's menus
// wholly translated, and every window the sweep opens without a text in English, a caption
// cut off or an Alt letter two of its controls share.
class tst_SpanishSweep : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void vocabularyTellsEnglishFromSpanish_data();
    void vocabularyTellsEnglishFromSpanish();
    void menusAndToolbarAreSpanish();
    void everyWindowIsSpanish_data();
    void everyWindowIsSpanish();

private:
    SweptProgram m_program;
    frmMain *m_main = nullptr;
};

void tst_SpanishSweep::initTestCase()
{
    // Before any window is made, as at a start.
    QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
    QVERIFY(EnglishTexts::allowLibraryTexts(QStringLiteral(LECTORUM_DEMO_ROWS)));
    QVERIFY(m_program.open());
    m_main = &m_program.main();
    m_main->resize(1280, 900);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void tst_SpanishSweep::cleanupTestCase()
{
    m_program.close();
    m_main = nullptr;
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
}

void tst_SpanishSweep::vocabularyTellsEnglishFromSpanish_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::newRow("menu") << "&Display Active Database" << true;
    QTest::newRow("button") << "Save" << true;
    QTest::newRow("sentence") << "Type a reference, for example John 3:16" << true;
    QTest::newRow("Spanish menu") << "&Mostrar base de datos activa" << false;
    QTest::newRow("Spanish sentence") << "No se pudo leer el archivo" << false;
    QTest::newRow("same in both") << "Series" << false;
    QTest::newRow("a typeface") << "Times New Roman" << false;
    QTest::newRow("a number") << "1998" << false;
    QTest::newRow("the product's name")
        << "Copyright © Los autores de Lectorum Sermon Outlines." << false;
}

void tst_SpanishSweep::vocabularyTellsEnglishFromSpanish()
{
    QFETCH(QString, text);
    QFETCH(bool, english);
    QCOMPARE(EnglishTexts::isEnglish(text), english);
}

void tst_SpanishSweep::menusAndToolbarAreSpanish()
{
    const QStringList english = EnglishTexts::of(m_main->menuBar());
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    const QStringList toolbar = EnglishTexts::of(m_main->findChild<QWidget *>("pnlToolbar"));
    QVERIFY2(toolbar.isEmpty(), qPrintable(toolbar.join(u'\n')));
}

void tst_SpanishSweep::everyWindowIsSpanish_data()
{
    QTest::addColumn<QSize>("mainSize");
    // The sizes a first start takes on the common small screens (their panels take 30 pixels).
    for (const QSize screen : { QSize(1366, 768), QSize(1280, 1024) }) {
        const QRect free(0, 30, screen.width(), screen.height() - 30);
        QTest::addRow("first start, %dx%d", screen.width(), screen.height())
            << MainWindowPlacement::firstStart(QRect(QPoint(0, 0), screen), free).geometry.size();
    }
}

void tst_SpanishSweep::everyWindowIsSpanish()
{
    QFETCH(QSize, mainSize);
    m_main->resize(mainSize);
    QStringList faults;
    int windows = 0;
    WindowSweep sweep(*m_main, [&faults, &windows](QWidget *window, const QString &how) {
        ++windows;
        const QString where = how + QStringLiteral(" > ") + window->objectName();
        const QStringList english = EnglishTexts::of(window);
        if (!english.isEmpty()) {
            faults.append(where + QStringLiteral(": ") + english.join(QStringLiteral(" | ")));
        }
        // The translated captions choose their own Alt letters, and are longer than the
        // English: each must still fit where it stands.
        const QString clashes = WindowChecks::mnemonicClashes(window);
        if (!clashes.isEmpty()) {
            faults.append(where + QStringLiteral(" Alt letters: ") + clashes);
        }
        const QString clipped = WindowChecks::clippedTexts(window);
        if (!clipped.isEmpty()) {
            faults.append(where + QStringLiteral(" cut off: ") + clipped);
        }
    });
    sweep.run();
    QVERIFY(windows > 20);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(tst_SpanishSweep)
#include "tst_spanishsweep.moc"
