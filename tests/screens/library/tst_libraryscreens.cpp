#include "DbError.h"
#include "DbSnapshot.h"
#include "LibraryBackup.h"
#include "LibraryBackupRunner.h"
#include "LibraryRestoreRunner.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "ScreenTestReset.h"
#include "SqliteFile.h"
#include "StartUp.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmCheckReport.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

using TestEnvironment::Engine;

// The File menu's library commands as the user meets them: a backup while the window stays
// usable, the check report saved as text, a restore that reopens the library, refusals on a
// server library and while screens are open, and the offer of the newest good backup when
// the library is found damaged at start-up or at Change Database.
class tst_LibraryScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void serverLibraryChangesNothing_data();
    void serverLibraryChangesNothing();
    void refusedWhileScreensAreOpen_data();
    void refusedWhileScreensAreOpen();
    void backUpNowThenRestore();
    void restoreCancelledFromItsProgress();
    void endingWhileABackupRuns_data();
    void endingWhileABackupRuns();
    void checkDatabaseReportIsSaved();
    void damagedLibraryOffersTheNewestGoodBackup_data();
    void damagedLibraryOffersTheNewestGoodBackup();

private:
    // The copies a restore kept aside beside the library.
    QStringList asideCopies() const
    {
        return QDir(QFileInfo(m_db->filePath()).absolutePath())
            .entryList({ QStringLiteral("lectorum-before-restore-*.mdb") });
    }
    // Runs `step` with the restore's progress dialog once the restore has shown it (null
    // when there is none by then).
    static void whileRestoring(const std::function<void(QProgressDialog *)> &step)
    {
        QMetaObject::invokeMethod(
            qApp,
            [step] {
                QProgressDialog *progress = nullptr;
                for (QWidget *widget : QApplication::allWidgets()) {
                    if (widget->objectName() == QLatin1String(LibraryRestoreRunner::DialogName))
                        progress = qobject_cast<QProgressDialog *>(widget);
                }
                step(progress);
            },
            Qt::QueuedConnection);
    }

    qint64 sermons()
    {
        return m_db->scalar(QStringLiteral("SELECT count(*) FROM tblSermons")).toLongLong();
    }

    QTemporaryDir m_home;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

namespace {

// The first bytes of an SQLite file name its format: without them the engine says
// "file is not a database".
void damageHeader(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(16, 'X'));
}

} // namespace

void tst_LibraryScreens::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
    TestEnvironment::isolateSettings(m_home.filePath(QStringLiteral("settings")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
}

void tst_LibraryScreens::init()
{
    ScreenTestReset::begin();
    m_db = std::make_unique<TestDatabase>(Engine::SQLite, true);
    QVERIFY(m_db->isReady());
    m_main = std::make_unique<frmMain>();
    RegisterScreenCommands(*m_main);
    QtUserInterface::instance().setStatusTextRaw(ProductName);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_LibraryScreens::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    if (LibraryBackupRunner *running = LibraryBackupRunner::current())
        running->wait();
    m_main.reset();
    m_db.reset();
    QDir(m_home.filePath(QStringLiteral("data"))).removeRecursively();
    ScreenTestReset::verifyNothingOpen();
}

void tst_LibraryScreens::serverLibraryChangesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Back Up Now") << "mnuFBackup";
    QTest::newRow("Check Database") << "mnuFCheck";
    QTest::newRow("Restore from Backup") << "mnuFRestore";
}

void tst_LibraryScreens::serverLibraryChangesNothing()
{
    QFETCH(QString, command);
    m_db->connection().setOnServer(true);
    m_main->runCommand(command);
    QCOMPARE(MsgBoxScript::shown(),
        QStringList {
            QStringLiteral("This library is kept on a database server. Its backups are made and "
                           "restored by the server's administrator; nothing was changed.") });
    QVERIFY(!LibraryBackupRunner::current());
    QVERIFY(!QFileInfo::exists(LibraryBackup::folderFor(m_db->filePath())));
    QVERIFY(!m_main->findChild<QDialog *>());
}

void tst_LibraryScreens::refusedWhileScreensAreOpen_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Check Database") << "mnuFCheck";
    QTest::newRow("Restore from Backup") << "mnuFRestore";
}

void tst_LibraryScreens::refusedWhileScreensAreOpen()
{
    QFETCH(QString, command);
    m_main->runCommand(QStringLiteral("mnuETopics"));
    QCOMPARE(m_main->workArea()->subWindowList().size(), 1);
    MsgBoxScript::clear();
    m_main->runCommand(command);
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("First close all open windows") });
    QVERIFY(!m_main->findChild<QDialog *>(QStringLiteral("frmCheckReport")));
    QVERIFY(!m_main->findChild<QDialog *>(QStringLiteral("frmRestore")));
}

void tst_LibraryScreens::backUpNowThenRestore()
{
    const qint64 before = sermons();
    QVERIFY(before > 0);
    m_main->runCommand(QStringLiteral("mnuFRestore"));
    QVERIFY(MsgBoxScript::shown().value(0).startsWith(
        QStringLiteral("No backup of this library was found in ")));
    MsgBoxScript::clear();

    m_main->runCommand(QStringLiteral("mnuFBackup"));
    QPointer<LibraryBackupRunner> runner = LibraryBackupRunner::current();
    QVERIFY(runner);
    QCOMPARE(GetStatusText().trimmed(), LibraryBackupRunner::statusText());
    m_main->runCommand(QStringLiteral("mnuFBackup")); // one at a time
    runner->wait();
    QTRY_VERIFY(!runner);
    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0), QStringLiteral("A backup of the library is being written already."));
    QVERIFY2(shown.at(1).startsWith(QStringLiteral("The library was backed up to ")
                 + LibraryBackup::folderFor(m_db->filePath())),
        qPrintable(shown.at(1)));
    QCOMPARE(GetStatusText().trimmed(), ProductName);

    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM tblSermons")));
    MsgBoxScript::clear();
    m_main->runCommand(QStringLiteral("mnuFRestore"));
    auto *screen = m_main->findChild<QDialog *>(QStringLiteral("frmRestore"));
    QVERIFY(screen);
    auto *list = screen->findChild<QTableWidget *>(QStringLiteral("grdBackups"));
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(list->item(0, 2)->text(), QString::number(before));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    // While the copy runs the window is served: its progress shows, the library not yet
    // replaced.
    bool progressShown = false;
    whileRestoring([this, &progressShown](QProgressDialog *progress) {
        progressShown = progress && progress->isVisible()
            && progress->labelText().startsWith(QStringLiteral("Restoring the library..."))
            && asideCopies().isEmpty();
    });
    QTest::mouseClick(
        screen->findChild<QPushButton *>(QStringLiteral("cmdRestore")), Qt::LeftButton);
    QVERIFY(progressShown);
    const QStringList restored = MsgBoxScript::shown();
    QCOMPARE(restored.size(), 2);
    QVERIFY(restored.at(0).startsWith(QStringLiteral("Replace the library with the backup from ")));
    QVERIFY2(
        restored.at(1).startsWith(QStringLiteral("The library was restored from the backup of ")),
        qPrintable(restored.at(1)));
    QVERIFY(m_db->connection().DBObject());
    QCOMPARE(sermons(), before);
    QCOMPARE(asideCopies().size(), 1);
}

void tst_LibraryScreens::restoreCancelledFromItsProgress()
{
    m_main->runCommand(QStringLiteral("mnuFBackup"));
    QPointer<LibraryBackupRunner> runner = LibraryBackupRunner::current();
    QVERIFY(runner);
    runner->wait();
    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM tblSermons")));
    MsgBoxScript::clear();
    m_main->runCommand(QStringLiteral("mnuFRestore"));
    auto *screen = m_main->findChild<QDialog *>(QStringLiteral("frmRestore"));
    QVERIFY(screen);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    whileRestoring([](QProgressDialog *progress) {
        QVERIFY(progress);
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    });
    QTest::mouseClick(
        screen->findChild<QPushButton *>(QStringLiteral("cmdRestore")), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown().value(1),
        QStringLiteral("The restore was cancelled. The library is unchanged."));
    QVERIFY(m_db->connection().DBObject());
    QCOMPARE(sermons(), 0);
    QVERIFY(asideCopies().isEmpty());
    QCOMPARE(QDir(QFileInfo(m_db->filePath()).absolutePath())
                 .entryList({ QStringLiteral("*partial*") }, QDir::Files | QDir::Hidden),
        QStringList());
    QVERIFY(screen->isVisible()); // another backup may be chosen
}

void tst_LibraryScreens::endingWhileABackupRuns_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("finished in sight") << false;
    QTest::newRow("cancelled") << true;
}

// The program ends while a backup waits for another copy's lock: the backup is finished under
// "Finishing the backup…" once the lock goes, or cancelled there, leaving no backup behind.
void tst_LibraryScreens::endingWhileABackupRuns()
{
    QFETCH(bool, cancel);
    SqliteFile otherCopy;
    QVERIFY(otherCopy.open(m_db->filePath(), SqliteFile::Mode::ReadWrite));
    QVERIFY2(
        otherCopy.execute(QStringLiteral("BEGIN EXCLUSIVE")), qPrintable(otherCopy.lastError()));
    m_main->runCommand(QStringLiteral("mnuFBackup"));
    QVERIFY(LibraryBackupRunner::current());
    QString shownText;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            QProgressDialog *progress = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == QLatin1String(LibraryBackupRunner::FinishingDialogName))
                    progress = qobject_cast<QProgressDialog *>(window);
            }
            QVERIFY(progress && progress->isVisible());
            shownText = progress->labelText();
            if (cancel)
                QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
            else
                QVERIFY(otherCopy.execute(QStringLiteral("COMMIT")));
        },
        Qt::QueuedConnection);
    LibraryBackupRunner::finishBeforeQuit();
    QCOMPARE(shownText, LibraryBackupRunner::finishingText());
    QVERIFY(!LibraryBackupRunner::current());
    QVERIFY(MsgBoxScript::shown().isEmpty());
    if (cancel)
        QVERIFY(otherCopy.execute(QStringLiteral("COMMIT")));
    const QString folder = LibraryBackup::folderFor(m_db->filePath());
    const QStringList written = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(written.size(), cancel ? 0 : 1);
    if (!cancel)
        QVERIFY(written.first().endsWith(QLatin1String(".mdb")));
}

void tst_LibraryScreens::checkDatabaseReportIsSaved()
{
    m_main->runCommand(QStringLiteral("mnuFCheck"));
    auto *report = m_main->findChild<frmCheckReport *>(QStringLiteral("frmCheckReport"));
    QVERIFY(report);
    QVERIFY(MsgBoxScript::shown().isEmpty());
    const QString text
        = report->findChild<QPlainTextEdit *>(QStringLiteral("txtReport"))->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("\nNo problems found.")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Check of ") + m_db->filePath()));
    const QString saved = m_home.filePath(QStringLiteral("report.txt"));
    QVERIFY(report->saveTo(saved));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), text + QLatin1Char('\n'));
    QVERIFY(!report->saveTo(m_home.filePath(QStringLiteral("no/such/folder/report.txt"))));
    QCOMPARE(MsgBoxScript::shown().size(), 1);
}

void tst_LibraryScreens::damagedLibraryOffersTheNewestGoodBackup_data()
{
    QTest::addColumn<bool>("atStartUp");
    QTest::addColumn<bool>("accept");
    QTest::newRow("start-up, Yes") << true << true;
    QTest::newRow("start-up, No") << true << false;
    QTest::newRow("Change Database, Yes") << false << true;
    QTest::newRow("Change Database, No") << false << false;
}

void tst_LibraryScreens::damagedLibraryOffersTheNewestGoodBackup()
{
    QFETCH(bool, atStartUp);
    QFETCH(bool, accept);
    const QString library = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("tst_libraryscreens-damaged.mdb"));
    QFile::remove(library);
    QVERIFY(QFile::copy(m_db->filePath(), library));
    const qint64 count = sermons();
    const QString folder = LibraryBackup::folderFor(library);
    const QDateTime made(QDate(2026, 12, 1), QTime(9, 30));
    QVERIFY(LibraryBackup::backUp(library, folder, made, {}).ok);
    // A newer copy that fails its check is passed over.
    QFile::copy(
        library, folder + QStringLiteral("/tst_libraryscreens-damaged-20261207-120000.mdb"));
    CHECKED_STEP(
        damageHeader(folder + QStringLiteral("/tst_libraryscreens-damaged-20261207-120000.mdb")));
    CHECKED_STEP(damageHeader(library));

    MsgBoxScript::queueAnswer(MsgBoxAnswer::Ok);
    MsgBoxScript::queueAnswer(accept ? MsgBoxAnswer::Yes : MsgBoxAnswer::No);
    if (accept)
        MsgBoxScript::queueAnswer(MsgBoxAnswer::Ok); // the restored message; a No ends the offer
    bool opened = false;
    if (atStartUp) {
        clsConfig config;
        config.SaveConfig(
            QStringLiteral("DataSource"), QStringLiteral("DataLoc"), QStringLiteral("Local"));
        config.SaveConfig(QStringLiteral("Local"), QStringLiteral("DBPath"),
            QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        config.SaveConfig(
            QStringLiteral("Local"), QStringLiteral("DBName"), QFileInfo(library).fileName());
        clsConnect connection;
        setProgramConnection(&connection);
        StartUp startUp(connection, config);
        startUp.setMinimumSplashMilliseconds(0);
        std::unique_ptr<frmMain> main(startUp.run());
        opened = bool(main) && connection.DBObject();
        setProgramConnection(&m_db->connection());
    } else {
        m_main->runCommand(QStringLiteral("mnuFChange"));
        auto *files = m_main->findChild<QListWidget *>(QStringLiteral("flbDatabase"));
        QVERIFY(files);
        const QList<QListWidgetItem *> found
            = files->findItems(QFileInfo(library).fileName(), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        Q_EMIT files->itemClicked(found.first());
        opened = ActiveDatabase == library;
    }
    const QStringList shown = MsgBoxScript::shown();
    QVERIFY2(shown.size() >= 2, qPrintable(shown.join(QLatin1Char('\n'))));
    QCOMPARE(shown.at(0), QStringLiteral("An Error Occurred in the System 26"));
    QCOMPARE(shown.at(1), QStringLiteral("Restore the newest good backup from 12/1/2026 9:30 AM?"));
    QCOMPARE(opened, accept);
    const QStringList aside
        = QDir(QCoreApplication::applicationDirPath())
              .entryList({ QStringLiteral("tst_libraryscreens-damaged-before-restore-*") });
    if (accept) {
        QVERIFY2(shown.at(2).startsWith(QStringLiteral(
                     "The library was restored from the backup of 12/1/2026 9:30 AM.")),
            qPrintable(shown.at(2)));
        QCOMPARE(aside.size(), 1);
        m_db->connection().DataClose();
        ProgramConnection().DataClose();
        clsConnect check;
        check.setDatabaseName(library);
        QVERIFY(check.DataInit() && check.DataOpen());
        DbError error;
        auto rows = check.openSnapshot(QStringLiteral("SELECT count(*) FROM tblSermons"), error);
        QVERIFY(rows);
        QCOMPARE(rows->field(0).toLongLong(), count);
    } else {
        QCOMPARE(aside.size(), 0);
    }
    for (const QString &name : aside)
        QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    QFile::remove(library);
}

QTEST_MAIN(tst_LibraryScreens)
#include "tst_libraryscreens.moc"
