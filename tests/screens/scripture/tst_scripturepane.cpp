#include "../selection/SermonScreenFixture.h"

#include "ExportPaths.h"
#include "LibraryCommands.h"
#include "PrintCommands.h"
#include "PrintJob.h"
#include "ProgramTranslation.h"
#include "PulpitCommands.h"
#include "ScriptureFolders.h"
#include "ScripturePane.h"
#include "ScriptureService.h"
#include "ScriptureSettings.h"
#include "SwordLibrary.h"
#include "WidgetLookup.h"
#include "frmBibleVersion.h"
#include "frmPassage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>

using namespace SermonScreenFixture;

// The sermon's passage beside its outline, read from the installed Bibles (the WEB and the
// KJV), following the reference fields; put into the outline and saved; shown under the
// passage dialog's reading; chosen in Defaults > Bible Version; printed before the outline.
class tst_ScripturePane : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void paneFollowsTheReference_data();
    void paneFollowsTheReference();
    void noBibleInstalled();
    void spanishInterfaceReadsTheReinaValera();
    void insertPassageThenSave();
    void passageDialogShowsTheVerses();
    void bibleVersionIsRemembered();
    void passagePrintedBeforeTheOutline_data();
    void passagePrintedBeforeTheOutline();
    void preachingViewAndPulpitCopy_data();
    void preachingViewAndPulpitCopy();

private:
    void chooseRow(int row);
    ScripturePane *pane() const;
    QString paneText() const;
    QString heading() const;
    void waitForPane();

    std::unique_ptr<QTemporaryDir> m_settings;
    std::unique_ptr<ScriptureFolders> m_folders;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_ScripturePane::init()
{
    // Settings of each test's own (the chosen version, passage in print), wherever the
    // environment's settings folder is.
    m_settings = std::make_unique<QTemporaryDir>();
    TestEnvironment::isolateSettings(m_settings->path());
    m_folders = std::make_unique<ScriptureFolders>();
    m_folders->useSystem();
    ScriptureService::instance().restart();
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite);
    QVERIFY2(m_db->isReady(), qPrintable(m_db->reason()));
    QVERIFY(loadLibrary(*m_db));
    m_main = makeMainWindow();
    m_main->runCommand(QStringLiteral("mnuESermon"));
    MsgBoxScript::clear();
    QVERIFY(frmNotes::instance());
}

void tst_ScripturePane::cleanup()
{
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    ScreenTestReset::verifyScriptConsumed();
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
    m_folders.reset();
    ScriptureService::instance().restart();
}

void tst_ScripturePane::chooseRow(int row)
{
    DataGrid *grid = widget<DataGrid>(sermonScreen(), "grdSermons");
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

ScripturePane *tst_ScripturePane::pane() const
{
    return frmNotes::instance()->findChild<ScripturePane *>(QStringLiteral("fraScripture"));
}

QString tst_ScripturePane::paneText() const
{
    return widget<QPlainTextEdit>(pane(), "txtScripture")->toPlainText();
}

QString tst_ScripturePane::heading() const
{
    return widget<QLabel>(pane(), "lblScriptureHeading")->text();
}

void tst_ScripturePane::waitForPane()
{
    QTRY_VERIFY_WITH_TIMEOUT(!pane()->isReading(), 10000);
}

void tst_ScripturePane::paneFollowsTheReference_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field"); // a reference field typed into, then left
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("text"); // a part of the pane's text

    QTest::newRow("a verse") << 4 << QString() << QString() << "John 3:16 — WEB"
                             << "16 For God so loved the world";
    QTest::newRow("a psalm") << 2 << QString() << QString() << "Psalms 23:1–6 — WEB"
                             << "6 Surely goodness and loving kindness shall follow me";
    QTest::newRow("end verse left") << 4 << "txtEndV"
                                    << "18"
                                    << "John 3:16–18 — WEB"
                                    << "18 He who believes in him is not judged";
    QTest::newRow("across chapters") << 4 << "txtEndC"
                                     << "4"
                                     << "John 3:16–4:16 — WEB"
                                     << "4:1 Therefore when the Lord knew";
    QTest::newRow("whole book capped") << 1 << "txtBegC"
                                       << "0"
                                       << "Genesis — WEB"
                                       << "… and 1333 more verses";
    QTest::newRow("chapter the book lacks") << 1 << "txtBegC"
                                            << "51"
                                            << "Genesis 51"
                                            << "WEB has no Genesis 51";
}

void tst_ScripturePane::paneFollowsTheReference()
{
    QFETCH(int, row);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, heading);
    QFETCH(QString, text);

    CHECKED_STEP(chooseRow(row));
    QSplitter *splitter = widget<QSplitter>(frmNotes::instance(), "splScripture");
    QCOMPARE(splitter->indexOf(pane()), 1);
    if (!field.isEmpty()) {
        waitForPane();
        auto *box = widget<QLineEdit>(sermonScreen(), field.toLatin1().constData());
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        // The pane waits until the field is left.
        QTest::keyClick(box, Qt::Key_Tab);
    }
    waitForPane();
    QVERIFY2(this->heading().startsWith(heading), qPrintable(this->heading()));
    QVERIFY2(paneText().contains(text), qPrintable(paneText().left(300)));
}

void tst_ScripturePane::noBibleInstalled()
{
    closeAll(m_main);
    m_folders->useEmpty();
    ScriptureService::instance().restart();
    m_main = makeMainWindow();
    m_main->runCommand(QStringLiteral("mnuESermon"));
    MsgBoxScript::clear();
    CHECKED_STEP(chooseRow(4));
    waitForPane();
    QCOMPARE(paneText(), SwordLibrary::noBibleMessage());
    QVERIFY(!widget<QPushButton>(pane(), "cmdInsertPassage")->isEnabled());
    // The outline works as ever.
    auto *outline = widget<QPlainTextEdit>(frmNotes::instance(), "txtOutline");
    QCOMPARE(outline->toPlainText(), QStringLiteral("I. Grace abounds\nII. Love gives"));
}

void tst_ScripturePane::spanishInterfaceReadsTheReinaValera()
{
    // The windows take their texts and book names when they are made, as at a start.
    closeAll(m_main);
    QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
    ScriptureService::instance().restart();
    m_main = makeMainWindow();
    m_main->runCommand(QStringLiteral("mnuESermon"));
    MsgBoxScript::clear();
    CHECKED_STEP(chooseRow(4)); // sermon 10, John 3:16
    waitForPane();
    QCOMPARE(heading(), QStringLiteral("Juan 3:16 — RV1909"));
    QVERIFY2(paneText().startsWith(QStringLiteral("16 Porque de tal manera amó Dios al mundo")),
        qPrintable(paneText()));

    // Typed in Spanish, read by the parser, shown from the same version.
    auto *dialog = new frmPassage(m_main.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    widget<QLineEdit>(dialog, "txtPassage")->setText(QStringLiteral("Juan 3.16"));
    auto *verses = widget<QLabel>(dialog, "lblPassageText");
    QTRY_VERIFY_WITH_TIMEOUT(!verses->text().isEmpty(), 10000);
    QVERIFY2(verses->text().startsWith(QStringLiteral("16 Porque de tal manera amó Dios al mundo")),
        qPrintable(verses->text()));
    QVERIFY2(verses->text().endsWith(QLatin1String("(RV1909)")), qPrintable(verses->text()));
    dialog->close();
}

void tst_ScripturePane::insertPassageThenSave()
{
    CHECKED_STEP(chooseRow(4)); // sermon 10, John 3:16
    auto *outline = widget<QPlainTextEdit>(frmNotes::instance(), "txtOutline");
    outline->setFocus();
    outline->moveCursor(QTextCursor::End);
    QTest::keyClick(outline, Qt::Key_Return);
    // At once, before the pane has its text: the command waits for it.
    QTest::keyClick(outline, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(sermonScreen()->isEditing());
    QTest::mouseClick(widget<QPushButton>(sermonScreen(), "cmdSave"), Qt::LeftButton);
    const QString stored
        = m_db->scalar(QStringLiteral("SELECT strOutline FROM tblSermons WHERE lngSermonID = 10"))
              .toString();
    QCOMPARE(stored,
        QStringLiteral("I. Grace abounds\nII. Love gives\nJohn 3:16\n16 For God so loved the "
                       "world, that he gave his only born Son, that whoever believes in him "
                       "should not perish, but have eternal life.\nWEB\n"));
}

void tst_ScripturePane::passageDialogShowsTheVerses()
{
    auto *dialog = new frmPassage(m_main.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto *reference = widget<QLineEdit>(dialog, "txtPassage");
    reference->setText(QStringLiteral("Jn 3:16-21"));
    auto *verses = widget<QLabel>(dialog, "lblPassageText");
    QTRY_VERIFY_WITH_TIMEOUT(!verses->text().isEmpty(), 10000);
    QVERIFY2(verses->text().startsWith(QLatin1String("16 For God so loved the world")),
        qPrintable(verses->text()));
    QVERIFY2(verses->text().endsWith(QStringLiteral("… and 3 more verses (WEB)")),
        qPrintable(verses->text()));
    QVERIFY(verses->accessibleName().isEmpty());
    reference->setText(QStringLiteral("Jn 99"));
    QTRY_COMPARE_WITH_TIMEOUT(verses->text(), QStringLiteral("WEB has no John 99."), 10000);
    dialog->close();
}

void tst_ScripturePane::bibleVersionIsRemembered()
{
    CHECKED_STEP(chooseRow(4));
    waitForPane();
    QCOMPARE(heading(), QStringLiteral("John 3:16 — WEB"));
    frmBibleVersion screen(m_main.get());
    auto *list = widget<QListWidget>(&screen, "lstVersions");
    QCOMPARE(list->count(), 3); // and the Reina-Valera 1909
    QCOMPARE(
        list->currentItem()->text(), QStringLiteral("WEB — World English Bible with Deuterocanon"));
    list->setCurrentRow(0);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("KJV — King James Version"));
    QTest::mouseClick(widget<QPushButton>(&screen, "cmdOK"), Qt::LeftButton);
    QCOMPARE(ScriptureSettings::read().version, QStringLiteral("engKJV2006eb"));
    QTRY_COMPARE_WITH_TIMEOUT(heading(), QStringLiteral("John 3:16 — KJV"), 10000);
    QVERIFY(paneText().contains(QLatin1String("16 For God so loved the world, that he gave his "
                                              "only begotten Son")));
}

void tst_ScripturePane::passagePrintedBeforeTheOutline_data()
{
    QTest::addColumn<bool>("exported"); // File > Export > Outline as Document..., else printed
    // The notes window, where the choice is made, closed before printing: the setting counts.
    QTest::addColumn<bool>("notesClosed");
    QTest::newRow("printed") << false << false;
    QTest::newRow("exported as text") << true << false;
    QTest::newRow("printed, notes window closed") << false << true;
    QTest::newRow("exported as text, notes window closed") << true << true;
}

// The printed page (read back from the PDF) or the exported document: the passage first.
void tst_ScripturePane::passagePrintedBeforeTheOutline()
{
    QFETCH(bool, exported);
    QFETCH(bool, notesClosed);
    CHECKED_STEP(chooseRow(2)); // Psalm 23
    QCOMPARE(OutlinePassageText(), QString()); // off by default
    widget<QCheckBox>(pane()->choices(), "chkPrintPassage")->setChecked(true);
    QVERIFY(ScriptureSettings::read().printPassage);
    if (notesClosed) {
        frmNotes::instance()->closeWindow();
        QTRY_VERIFY(!frmNotes::instance());
    }
    QString printed;
    if (exported) {
        RegisterExportCommands(*m_main);
        const QString path = m_folders->path() + QStringLiteral("/psalm.txt");
        ExportPaths::queueAnswer(path, 2);
        m_main->runCommand(QStringLiteral("mnuFExportOutline"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        printed = QString::fromUtf8(file.readAll());
    } else {
        PrintJob::setIgnorePrinters(true);
        PrintSelectedSermon();
        PrintJob::setIgnorePrinters(false);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), { PrintJob::lastPdfFile(), QStringLiteral("-") });
        QVERIFY(text.waitForFinished(30000));
        printed = QString::fromUtf8(text.readAllStandardOutput());
        QFile::remove(PrintJob::lastPdfFile());
    }
    const qsizetype psalm = printed.indexOf(QLatin1String("Yahweh is my shepherd"));
    const qsizetype outline = printed.indexOf(QLatin1String("The Lord is my shepherd"));
    QVERIFY2(psalm >= 0 && outline > psalm, qPrintable(printed.left(400)));
}

void tst_ScripturePane::preachingViewAndPulpitCopy_data()
{
    QTest::addColumn<bool>("onPaper"); // "Passage in print and export"
    QTest::addColumn<bool>("notesClosed");
    QTest::newRow("not on paper") << false << false;
    QTest::newRow("on paper") << true << false;
    QTest::newRow("on paper, notes window closed") << true << true;
}

// The preaching view always has the passage at hand (P); the pulpit copy only on request.
void tst_ScripturePane::preachingViewAndPulpitCopy()
{
    QFETCH(bool, onPaper);
    QFETCH(bool, notesClosed);
    CHECKED_STEP(chooseRow(2)); // Psalm 23
    widget<QCheckBox>(pane()->choices(), "chkPrintPassage")->setChecked(onPaper);
    if (notesClosed) {
        frmNotes::instance()->closeWindow();
        QTRY_VERIFY(!frmNotes::instance());
    }
    const QString psalm = QStringLiteral("Yahweh is my shepherd");
    const PreachingView::Content preached = CurrentPreachingContent();
    QVERIFY2(preached.scripture.startsWith(QStringLiteral("Psalms 23:1")),
        qPrintable(preached.scripture.left(200)));
    QVERIFY(preached.scripture.contains(psalm));
    const PreachingView::Content printed = PulpitCopyContent();
    QCOMPARE(printed.scripture.contains(psalm), onPaper);
    QCOMPARE(printed.outline, preached.outline);
}

QTEST_MAIN(tst_ScripturePane)
#include "tst_scripturepane.moc"
