#include "CsvColumns.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ImportPaths.h"
#include "ImportRowModel.h"
#include "ImportTestFiles.h"
#include "LibraryBackupRunner.h"
#include "ProgramGlobals.h"
#include "ProgramTranslation.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "ScreenTestReset.h"
#include "SermonExportRows.h"
#include "SermonListCsv.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmCsvColumns.h"
#include "frmImport.h"
#include "frmMain.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <csignal>

using TestEnvironment::Engine;

class tst_ImportScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { ScreenTestReset::begin(); }
    void cleanup();
    void folderReviewedImportedAndUndone_data()
    {
        TestEnvironment::addEngineColumn(), TestEnvironment::addEngineRows();
    }
    void folderReviewedImportedAndUndone();
    void cancelStopsReading_data();
    void cancelStopsReading();
    void sermonListRoundTrip_data()
    {
        TestEnvironment::addEngineColumn(), TestEnvironment::addEngineRows();
    }
    void sermonListRoundTrip();
    void otherListsAreMatched();
    void typedDatesFollowTheLanguage_data();
    void typedDatesFollowTheLanguage();

private:
    void openMain();
    frmImport *review();
    void clickImport(frmImport *screen, const QStringList &expected);

    QTemporaryDir m_home;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

namespace {

QByteArray docxWith(const QByteArray &text)
{
    return ImportTestFiles::zipBytes(
        ImportTestFiles::docx("<w:p><w:r><w:t>" + text + "</w:t></w:r></w:p>"));
}

// A folder as a preacher keeps it: a Word and an OpenDocument outline, text files, an empty
// file and a copy of one outline under another name.
QString outlineFolder(const QString &root)
{
    const QString folder = root + QStringLiteral("/Romans");
    QDir().mkpath(folder);
    ImportTestFiles::writeFile(
        folder + QStringLiteral("/2019-05-05 Rom 5 1-11.docx"), docxWith("Peace with God"));
    ImportTestFiles::writeZip(folder + QStringLiteral("/hope.odt"),
        ImportTestFiles::odt("<text:p>Hope Does Not Shame</text:p><text:p>Text: Romans "
                             "5:5</text:p><text:p>May 12, 2019</text:p>"));
    ImportTestFiles::writeFile(folder + QStringLiteral("/grace.txt"),
        "Grace Abounds\r\nText: Romans 5:20\r\n2019-05-19\r\n");
    ImportTestFiles::writeFile(folder + QStringLiteral("/grace copy.txt"),
        "Grace Abounds\r\nText: Romans 5:20\r\n2019-05-19\r\n");
    ImportTestFiles::writeFile(folder + QStringLiteral("/empty.txt"), QByteArray());
    return folder;
}

int column(const QSortFilterProxyModel *model, int row, int col, int role = Qt::DisplayRole)
{
    return model->index(row, col).data(role).toInt();
}

QString text(const QAbstractItemModel *model, int row, int col)
{
    return model->index(row, col).data().toString();
}

QStringList sortedTitles(const QAbstractItemModel *model)
{
    QStringList titles;
    for (int row = 0; row < model->rowCount(); ++row)
        titles.append(text(model, row, ImportRowModel::Title));
    return titles;
}

QByteArray exportedList(QList<qint32> *ids = nullptr)
{
    DbError error;
    QList<qint32> keys;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    auto rs = db->openSnapshot(
        QStringLiteral("SELECT lngSermonID FROM tblSermons ORDER BY lngSermonID"), error);
    for (; rs && !rs->eof(); rs->moveNext())
        keys.append(rs->field(0).toInt());
    if (ids)
        *ids = keys;
    QList<SermonExportRow> rows;
    if (!SermonExportRows::read(keys, false, rows, error))
        return QByteArray();
    return SermonListCsv::document(rows, false);
}

} // namespace

void tst_ImportScreens::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
    QVERIFY(ProgramTranslation::install()); // as the program does at its start
    TestEnvironment::isolateSettings(m_home.filePath(QStringLiteral("settings")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
}

void tst_ImportScreens::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    if (LibraryBackupRunner *running = LibraryBackupRunner::current())
        running->wait();
    ImportPaths::clearAnswers();
    m_main.reset();
    QApplication::processEvents();
    m_db.reset();
    QDir(m_home.filePath(QStringLiteral("data"))).removeRecursively();
    ScreenTestReset::verifyNothingOpen();
}

void tst_ImportScreens::openMain()
{
    m_main = std::make_unique<frmMain>();
    RegisterScreenCommands(*m_main);
    QtUserInterface::instance().setStatusTextRaw(ProductName);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

frmImport *tst_ImportScreens::review()
{
    return m_main->findChild<frmImport *>(QStringLiteral("frmImport"));
}

// Clicks Import and checks the messages shown; a local library says its backup first.
void tst_ImportScreens::clickImport(frmImport *screen, const QStringList &expected)
{
    MsgBoxScript::clear();
    QTest::mouseClick(
        screen->findChild<QPushButton *>(QStringLiteral("cmdImport")), Qt::LeftButton);
    QStringList shown = MsgBoxScript::shown();
    if (m_db->engine() == Engine::SQLite) {
        QVERIFY2(shown.value(0).startsWith(QStringLiteral("The library was backed up to ")),
            qPrintable(shown.join(QLatin1Char('|'))));
        shown.removeFirst();
    }
    QCOMPARE(shown, expected);
}

void tst_ImportScreens::folderReviewedImportedAndUndone()
{
    QFETCH(int, engine);
    m_db = std::make_unique<TestDatabase>(Engine(engine));
    REQUIRE_DATABASE(*m_db);
    CHECKED_STEP(openMain());
    ImportPaths::queueAnswer({ outlineFolder(m_db->folder()) });
    m_main->runCommand(QStringLiteral("mnuFImportFiles"));
    frmImport *screen = review();
    QVERIFY(screen);
    auto *table = screen->findChild<QTableView *>(QStringLiteral("grdImport"));
    auto *sorted = qobject_cast<QSortFilterProxyModel *>(table->model());
    QAbstractItemModelTester tester(sorted, QAbstractItemModelTester::FailureReportingMode::QtTest);
    screen->waitForReading();
    QCOMPARE(sorted->rowCount(), 5);

    // Sorted by title: each row's facts as read.
    table->sortByColumn(ImportRowModel::Title, Qt::AscendingOrder);
    QCOMPARE(sortedTitles(sorted),
        (QStringList {
            "empty", "Grace Abounds", "Grace Abounds", "Hope Does Not Shame", "Peace with God" }));
    QVERIFY(text(sorted, 0, ImportRowModel::Status).startsWith(QStringLiteral("unreadable: ")));
    QCOMPARE(column(sorted, 0, ImportRowModel::Tick, Qt::CheckStateRole), int(Qt::Unchecked));
    QCOMPARE(text(sorted, 2, ImportRowModel::Status).left(10), QStringLiteral("duplicate:"));
    QCOMPARE(column(sorted, 2, ImportRowModel::Tick, Qt::CheckStateRole), int(Qt::Unchecked));
    QCOMPARE(text(sorted, 3, ImportRowModel::Passage), QStringLiteral("Romans 5:5"));
    QCOMPARE(text(sorted, 3, ImportRowModel::Date), QStringLiteral("5/12/2019"));
    QCOMPARE(text(sorted, 4, ImportRowModel::Date), QStringLiteral("5/5/2019"));

    // Edits: a passage typed into a row, a title changed, a preacher for every row.
    QVERIFY(
        sorted->setData(sorted->index(4, ImportRowModel::Passage), QStringLiteral("Rom 5:1-2")));
    QCOMPARE(text(sorted, 4, ImportRowModel::Passage), QStringLiteral("Romans 5:1-2"));
    QVERIFY(!sorted->setData(sorted->index(4, ImportRowModel::Preacher), QStringLiteral("Nobody")));
    QVERIFY(sorted->setData(
        sorted->index(1, ImportRowModel::Title), QStringLiteral("Grace Upon Grace")));
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO tblPreachers (lngPreacherID, strFirstName, "
                                      "strLastName, lngStateID) VALUES (7, 'Ann', 'Lee', 0)")));
    QVERIFY(screen->load()); // the preacher list again
    auto *preacher = screen->findChild<QComboBox *>(QStringLiteral("cboPreacher"));
    preacher->setCurrentText(QStringLiteral("Ann Lee"));
    QTest::mouseClick(
        screen->findChild<QPushButton *>(QStringLiteral("cmdPreacherAll")), Qt::LeftButton);
    QCOMPARE(text(sorted, 3, ImportRowModel::Preacher), QStringLiteral("Ann Lee"));

    CHECKED_STEP(clickImport(screen, { QStringLiteral("Imported 3 sermons.") }));
    QTRY_VERIFY(!review());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT Count(*) FROM tblSermons WHERE lngPreacherID = 7"))
                 .toInt(),
        3);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT strDisplayText FROM tblSermons WHERE strTitle = "
                                         "'Peace with God'"))
                 .toString(),
        QStringLiteral("Romans 5:1-2"));

    // Someone changes one of them; Undo keeps it and deletes the other two.
    QVERIFY(m_db->exec(QStringLiteral(
        "UPDATE tblSermons SET strBigIdea = 'mine' WHERE strTitle = 'Peace with God'")));
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    m_main->runCommand(QStringLiteral("mnuFImportUndo"));
    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown.at(0).contains(QStringLiteral("Changed since, and kept (1):\n  Peace with God")),
        qPrintable(shown.at(0)));
    QCOMPARE(shown.at(1), QStringLiteral("The import was undone: 2 sermons deleted, 1 kept."));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT Count(*) FROM tblSermons")).toInt(), 1);
    MsgBoxScript::clear();
    m_main->runCommand(QStringLiteral("mnuFImportUndo"));
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("There is no import to undo.") });
}

void tst_ImportScreens::cancelStopsReading_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("Cancel Reading") << false;
    QTest::newRow("window closed") << true;
}

// A converter that never finishes holds the worker on the second file; cancelling, or closing
// the window, returns within a second: the converter is killed, not waited for.
void tst_ImportScreens::cancelStopsReading()
{
    QFETCH(bool, closeWindow);
    m_db = std::make_unique<TestDatabase>(Engine::SQLite);
    REQUIRE_DATABASE(*m_db);
    CHECKED_STEP(openMain());
    const QString bin = m_db->folder() + QStringLiteral("/bin");
    const QString pidFile = m_db->folder() + QStringLiteral("/pid");
    QDir().mkpath(bin);
    ImportTestFiles::writeFile(bin + QStringLiteral("/catdoc"),
        "#!/bin/sh\necho $$ > \"$IMPORT_TEST_PID\"\nexec sleep 60\n");
    // No LibreOffice here, whatever the machine has: catdoc reads the .doc.
    ImportTestFiles::writeFile(bin + QStringLiteral("/soffice"), "#!/bin/sh\nexit 1\n");
    for (const char *program : { "/catdoc", "/soffice" })
        QFile::setPermissions(bin + QLatin1String(program), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    qputenv("IMPORT_TEST_PID", QFile::encodeName(pidFile));
    const QString folder = m_db->folder() + QStringLiteral("/many");
    QDir().mkpath(folder);
    ImportTestFiles::writeFile(folder + QStringLiteral("/a.txt"), "First");
    ImportTestFiles::writeFile(folder + QStringLiteral("/b.doc"), "not really Word");
    for (int i = 0; i < 40; ++i)
        ImportTestFiles::writeFile(folder + QStringLiteral("/c%1.txt").arg(i), "More");

    ImportPaths::queueAnswer(
        { folder + QStringLiteral("/a.txt"), folder + QStringLiteral("/b.doc"), folder });
    m_main->runCommand(QStringLiteral("mnuFImportFiles"));
    frmImport *screen = review();
    auto *progress = screen->findChild<QProgressBar *>(QStringLiteral("prgRead"));
    QTRY_COMPARE(progress->value(), 1); // the window is answering while the worker waits
    QTRY_VERIFY(QFile::exists(pidFile) && QFile(pidFile).size() > 0);
    QFile pidText(pidFile);
    QVERIFY(pidText.open(QIODevice::ReadOnly));
    const pid_t converter = pid_t(pidText.readAll().trimmed().toInt());
    QVERIFY(converter > 0);
    QVERIFY(screen->isReading());
    QVERIFY(!screen->findChild<QPushButton *>(QStringLiteral("cmdImport"))->isEnabled());
    QElapsedTimer clock;
    clock.start();
    if (closeWindow) {
        screen->close();
    } else {
        QTest::mouseClick(
            screen->findChild<QPushButton *>(QStringLiteral("cmdCancelRead")), Qt::LeftButton);
        screen->waitForReading();
    }
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    qputenv("PATH", path);
    QCOMPARE(::kill(converter, 0), -1); // gone
    if (closeWindow)
        return;
    QCOMPARE(screen->findChild<QTableView *>(QStringLiteral("grdImport"))->model()->rowCount(), 2);
    QVERIFY(!progress->isVisible());
    QVERIFY(screen->findChild<QPushButton *>(QStringLiteral("cmdImport"))->isEnabled());
    QVERIFY(screen->findChild<QLabel *>(QStringLiteral("lblSummary"))
                ->text()
                .startsWith(QStringLiteral("Reading was cancelled after 2 of 44 files.")));
    screen->close();
}

void tst_ImportScreens::sermonListRoundTrip()
{
    QFETCH(int, engine);
    m_db = std::make_unique<TestDatabase>(Engine(engine), true);
    REQUIRE_DATABASE(*m_db);
    QList<qint32> ids;
    const QByteArray before = exportedList(&ids);
    QVERIFY(ids.size() > 10);
    const QString csv = m_home.filePath(QStringLiteral("list.csv"));
    QVERIFY(ImportTestFiles::writeFile(csv, before));
    m_db.reset(); // before the next one is installed as the program's connection
    m_db = std::make_unique<TestDatabase>(Engine(engine));
    REQUIRE_DATABASE(*m_db);
    CHECKED_STEP(openMain());

    ImportPaths::queueAnswer({ csv });
    m_main->runCommand(QStringLiteral("mnuFImportCsv")); // our own list: no matching step
    frmImport *screen = review();
    QVERIFY2(screen, qPrintable(MsgBoxScript::shown().join(QLatin1Char('|'))));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes); // create the preachers, series and topics
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    QTest::mouseClick(
        screen->findChild<QPushButton *>(QStringLiteral("cmdImport")), Qt::LeftButton);
    QStringList shown = MsgBoxScript::shown();
    QVERIFY2(shown.value(0).startsWith(
                 QStringLiteral("These are not in the library yet:\n\nPreachers: ")),
        qPrintable(shown.value(0)));
    QCOMPARE(shown.last(), QStringLiteral("Imported %1 sermons.").arg(ids.size()));
    QTRY_VERIFY(!review());
    QCOMPARE(exportedList(), before);
}

void tst_ImportScreens::otherListsAreMatched()
{
    m_db = std::make_unique<TestDatabase>(Engine::SQLite);
    REQUIRE_DATABASE(*m_db);
    CHECKED_STEP(openMain());
    const QString csv = m_home.filePath(QStringLiteral("other.csv"));
    QVERIFY(ImportTestFiles::writeFile(
        csv, "Sermon Title;Scripture;Colour;When\r\n\"Light; Life\";Jn 1:1-5;blue;1/5/2020\r\n"));
    bool matched = false;
    QTimer::singleShot(0, this, [&matched] {
        auto *match = qobject_cast<frmCsvColumns *>(QApplication::activeModalWidget());
        QVERIFY(match);
        QCOMPARE(match->columns(),
            (QList<CsvField> {
                CsvField::Title, CsvField::Passage, CsvField::Ignore, CsvField::Ignore }));
        match->findChild<QComboBox *>(QStringLiteral("cboColumn3"))
            ->setCurrentText(CsvColumns::name(CsvField::Date));
        QTest::mouseClick(match->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        matched = true;
    });
    ImportPaths::queueAnswer({ csv });
    m_main->runCommand(QStringLiteral("mnuFImportCsv"));
    QVERIFY(matched);
    frmImport *screen = review();
    QVERIFY(screen);
    const QAbstractItemModel *rows
        = screen->findChild<QTableView *>(QStringLiteral("grdImport"))->model();
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(text(rows, 0, ImportRowModel::Title), QStringLiteral("Light; Life"));
    // A list from elsewhere gets the program's own form of its references.
    QCOMPARE(text(rows, 0, ImportRowModel::Passage), QStringLiteral("John 1:1-5"));
    QCOMPARE(text(rows, 0, ImportRowModel::Date), QStringLiteral("1/5/2020"));
    QCOMPARE(text(rows, 0, ImportRowModel::Status), QStringLiteral("ready"));
    screen->close();
}

void tst_ImportScreens::typedDatesFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QDate>("date"); // the row's date afterwards
    QTest::addColumn<QString>("shown");
    const QDate before(2020, 1, 2);
    QTest::newRow("English, as shown") << "en"
                                       << "5/6/2019" << true << QDate(2019, 5, 6) << "5/6/2019";
    QTest::newRow("English, named month")
        << "en"
        << "May 12, 2019" << true << QDate(2019, 5, 12) << "5/12/2019";
    QTest::newRow("English, day first") << "en"
                                        << "13/5/2019" << false << before << "1/2/2020";
    QTest::newRow("Spanish, as shown") << "es"
                                       << "5/6/2019" << true << QDate(2019, 6, 5) << "5/6/2019";
    QTest::newRow("Spanish, Spanish month")
        << "es"
        << "12 de mayo de 2019" << true << QDate(2019, 5, 12) << "12/5/2019";
    QTest::newRow("Spanish, English month")
        << "es"
        << "May 12, 2019" << true << QDate(2019, 5, 12) << "12/5/2019";
    QTest::newRow("Spanish, digits only") << "es"
                                          << "20190505" << true << QDate(2019, 5, 5) << "5/5/2019";
    QTest::newRow("Spanish, month first") << "es"
                                          << "5/13/2019" << false << before << "2/1/2020";
    QTest::newRow("Spanish, emptied") << "es"
                                      << "" << true << QDate() << "";
}

// The review's date column is shown and typed in the interface's order.
void tst_ImportScreens::typedDatesFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QDate, date);
    QFETCH(QString, shown);
    QVERIFY(ProgramTranslation::install(language));
    const ImportReview review({ { 45, QStringLiteral("Romans") } });
    const ImportNames names;
    ImportRowModel model(review, names);
    ImportRow row;
    row.title = QStringLiteral("Peace with God");
    row.date = QDate(2020, 1, 2);
    model.setRows({ row });
    const QModelIndex cell = model.index(0, ImportRowModel::Date);
    const bool taken = model.setData(cell, typed);
    const QDate stored = model.rows().at(0).date;
    const QString text = model.data(cell).toString();
    QVERIFY(ProgramTranslation::install()); // the other tests' language
    QCOMPARE(taken, accepted);
    QCOMPARE(stored, date);
    QCOMPARE(text, shown);
}

QTEST_MAIN(tst_ImportScreens)
#include "tst_importscreens.moc"
