#include "DbDatabase.h"
#include "PrintJob.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "ScreenTestReset.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmConfig.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

using TestEnvironment::Engine;

namespace {

// Database files the tests put into the program's folder, where the selection screen looks.
const QString SecondFile = QStringLiteral("tst_configscreens-second.mdb");
const QString BrokenFile = QStringLiteral("tst_configscreens-broken.mdb");

QString programFile(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace

class tst_ConfigScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void changeDatabaseSwitchesToAnotherFile_data();
    void changeDatabaseSwitchesToAnotherFile();
    void unopenableFileKeepsTheDatabaseInUse_data();
    void unopenableFileKeepsTheDatabaseInUse();
    void cancelChangesNothing();
    void defaultLocation_data();
    void defaultLocation();
    void configurationShowsTheSettingsInEffect();
    void printMenuPrintsFromTheOpenScreens();

private:
    QDialog *openChangeDatabase();
    void clickFile(QDialog *screen, const QString &name);
    QString location(TestDatabase &db);

    QTemporaryDir m_settings;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_ConfigScreens::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
    TestEnvironment::isolateSettings(m_settings.path());
}

void tst_ConfigScreens::init()
{
    ScreenTestReset::begin();
    m_db = std::make_unique<TestDatabase>(Engine::SQLite);
    QVERIFY(m_db->isReady());
    m_main = std::make_unique<frmMain>();
    RegisterScreenCommands(*m_main);
    QtUserInterface::instance().setStatusTextRaw(ProductName);
    m_main->pnlUser()->setText(ActiveDatabase);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_ConfigScreens::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    m_main.reset();
    m_db.reset();
    QFile::remove(programFile(SecondFile));
    QFile::remove(programFile(BrokenFile));
    ScreenTestReset::verifyNothingOpen();
}

QDialog *tst_ConfigScreens::openChangeDatabase()
{
    m_main->runCommand(QStringLiteral("mnuFChange"));
    auto *screen = m_main->findChild<QDialog *>(QStringLiteral("frmChange"));
    return screen && QTest::qWaitForWindowExposed(screen) ? screen : nullptr;
}

void tst_ConfigScreens::clickFile(QDialog *screen, const QString &name)
{
    auto *files = screen->findChild<QListWidget *>(QStringLiteral("flbDatabase"));
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(
        files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
}

QString tst_ConfigScreens::location(TestDatabase &db)
{
    return db.scalar(QStringLiteral("SELECT strLocation FROM tblLocation WHERE lngLocationID = 1"))
        .toString();
}

void tst_ConfigScreens::changeDatabaseSwitchesToAnotherFile_data()
{
    QTest::addColumn<bool>("startedOnServer");
    QTest::newRow("local") << false;
    // A database file is local: a program that signed in to a server leaves server mode.
    QTest::newRow("server") << true;
}

void tst_ConfigScreens::changeDatabaseSwitchesToAnotherFile()
{
    QFETCH(bool, startedOnServer);
    // A second library, told apart by its default location.
    QVERIFY(m_db->exec(QStringLiteral("UPDATE tblLocation SET strLocation = 'Second Church'")));
    m_db->connection().DataClose();
    QVERIFY(QFile::copy(m_db->filePath(), programFile(SecondFile)));
    QVERIFY(m_db->connection().DataInit() && m_db->connection().DataOpen());
    QVERIFY(m_db->exec(QStringLiteral("UPDATE tblLocation SET strLocation = 'First Church'")));
    if (startedOnServer)
        m_db->connection().setOnServer(true);

    QDialog *screen = openChangeDatabase();
    QVERIFY(screen);
    QCOMPARE(screen->windowTitle(), QStringLiteral("Select Database"));
    QCOMPARE(GetStatusText(), QStringLiteral(" Select Database "));
    const auto *files = screen->findChild<QListWidget *>(QStringLiteral("flbDatabase"));
    for (int row = 0; row < files->count(); ++row)
        QVERIFY(files->item(row)->text().endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive));
    CHECKED_STEP(clickFile(screen, SecondFile));
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + SecondFile;
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(ActiveDatabase, path);
    QCOMPARE(m_main->pnlUser()->text(), path);
    QCOMPARE(location(*m_db), QStringLiteral("Second Church"));
    QVERIFY(!m_db->connection().OnServer());
    QTRY_VERIFY(!m_main->findChild<QDialog *>(QStringLiteral("frmChange")));
    QCOMPARE(GetStatusText().trimmed(), ProductName);
    m_main->runCommand(QStringLiteral("mnuFDisplay"));
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("Active Database = ") + path });
}

void tst_ConfigScreens::unopenableFileKeepsTheDatabaseInUse_data()
{
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QByteArray>("content");
    const QByteArray text = QByteArray("Not a library of sermons, just text.\n").repeated(200);
    QTest::newRow("not a database") << false << text;
    QTest::newRow("gone since the list was shown") << true << text;
    // SQLite would take an empty file for an empty database and open it, whoever runs the
    // test (permissions cannot stop root).
    QTest::newRow("empty, broken off before its first byte") << false << QByteArray();
}

void tst_ConfigScreens::unopenableFileKeepsTheDatabaseInUse()
{
    QFETCH(bool, missing);
    QFETCH(QByteArray, content);
    QFile broken(programFile(BrokenFile));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(content);
    broken.close();
    QVERIFY(m_db->exec(QStringLiteral("UPDATE tblLocation SET strLocation = 'First Church'")));
    const QString before = ActiveDatabase;

    QDialog *screen = openChangeDatabase();
    QVERIFY(screen);
    if (missing)
        QVERIFY(QFile::remove(programFile(BrokenFile)));
    CHECKED_STEP(clickFile(screen, BrokenFile));
    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(QStringLiteral("An Error Occurred in the System ")),
        qPrintable(shown.first()));
    QVERIFY(!QFile::exists(programFile(BrokenFile)) == missing);
    // The program goes on with the database it had.
    QCOMPARE(ActiveDatabase, before);
    QCOMPARE(m_main->pnlUser()->text(), before);
    QCOMPARE(location(*m_db), QStringLiteral("First Church"));
    QTRY_VERIFY(!m_main->findChild<QDialog *>(QStringLiteral("frmChange")));
    QCOMPARE(GetStatusText().trimmed(), ProductName);
    QVERIFY(openChangeDatabase());
}

void tst_ConfigScreens::cancelChangesNothing()
{
    const QString before = ActiveDatabase;
    QDialog *screen = openChangeDatabase();
    QVERIFY(screen);
    QTest::mouseClick(
        screen->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    QTRY_VERIFY(!m_main->findChild<QDialog *>(QStringLiteral("frmChange")));
    QCOMPARE(ActiveDatabase, before);
    QVERIFY(m_db->connection().DBObject());
    QCOMPARE(GetStatusText().trimmed(), ProductName);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_ConfigScreens::defaultLocation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("update");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("trimmed") << "  Grace Chapel, O'Hare  " << true
                             << QVariant(QStringLiteral("Grace Chapel, O'Hare"));
    QTest::newRow("cleared is Null") << "" << true << QVariant();
    QTest::newRow("cancel") << "Elsewhere" << false
                            << QVariant(QStringLiteral("First Community Church"));
}

void tst_ConfigScreens::defaultLocation()
{
    QFETCH(QString, typed);
    QFETCH(bool, update);
    QFETCH(QVariant, stored);
    m_main->runCommand(QStringLiteral("mnuDLocation"));
    m_main->runCommand(QStringLiteral("mnuDLocation"));
    QCOMPARE(m_main->workArea()->subWindowList().size(), 1);
    auto *screen = m_main->workArea()->findChild<QWidget *>(QStringLiteral("frmLocation"));
    QVERIFY(screen);
    QCOMPARE(screen->windowTitle(), QStringLiteral("Default Location Screen"));
    QTRY_COMPARE(GetStatusText(), QStringLiteral(" Default Location Screen "));
    auto *text = screen->findChild<QLineEdit *>(QStringLiteral("txtLocation"));
    QCOMPARE(text->text(), QStringLiteral("First Community Church "));
    // Entering the field selects all of it, so typing replaces it.
    text->setFocus();
    QTRY_COMPARE(text->selectedText(), text->text());
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClicks(text, typed);
    const char *button = update ? "cmdSave" : "cmdClose";
    QCOMPARE(screen->findChild<QPushButton *>(QLatin1String(button))->text(),
        update ? QStringLiteral("&Update") : QStringLiteral("&Cancel"));
    QTest::mouseClick(screen->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    QTRY_VERIFY(m_main->workArea()->subWindowList().isEmpty());
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(GetStatusText().trimmed(), ProductName);
    const QVariant value = m_db->scalar(
        QStringLiteral("SELECT strLocation FROM tblLocation WHERE lngLocationID = 1"));
    QCOMPARE(value.isNull(), stored.isNull());
    if (!stored.isNull())
        QCOMPARE(value.toString(), stored.toString());
}

void tst_ConfigScreens::configurationShowsTheSettingsInEffect()
{
    clsConfig config;
    config.SaveConfig(
        QStringLiteral("DataSource"), QStringLiteral("DataLoc"), QStringLiteral("Server"));
    config.SaveConfig(QStringLiteral("Local"), QStringLiteral("DBPath"),
        QStringLiteral("/home/office/Documents/Church Library/Sermon Outlines/"));
    config.SaveConfig(
        QStringLiteral("Local"), QStringLiteral("DBName"), QStringLiteral("church.mdb"));
    config.SaveConfig(
        QStringLiteral("Server"), QStringLiteral("DSN"), QStringLiteral("ChurchOffice"));
    config.SaveConfig(
        QStringLiteral("Server"), QStringLiteral("DBName"), QStringLiteral("sermons"));
    config.SaveConfig(QStringLiteral("UserInfo"), QStringLiteral("UID"), QStringLiteral("pastor"));
    frmConfig screen(config);
    auto field = [&screen](const char *name) {
        return screen.findChild<QLineEdit *>(QLatin1String(name))->text();
    };
    QVERIFY(screen.findChild<QRadioButton *>(QStringLiteral("optServer"))->isChecked());
    QCOMPARE(field("txtDBPath"),
        QStringLiteral("/home/office/Documents/Church Library/Sermon Outlines/"));
    QCOMPARE(field("txtLDBName"), QStringLiteral("church.mdb"));
    QCOMPARE(field("txtSDSN"), QStringLiteral("ChurchOffice"));
    QCOMPARE(field("txtSDBName"), QStringLiteral("sermons"));
    QCOMPARE(field("txtUID"), QStringLiteral("pastor"));
    QCOMPARE(field("txtSysDB"), QString());

    // The user switches back to the local file and saves: only that changes.
    QTest::mouseClick(screen.findChild<QRadioButton *>(QStringLiteral("optLocal")), Qt::LeftButton);
    QTest::mouseClick(screen.findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QVERIFY(screen.saved());
    QSettings written(config.storeFile(), QSettings::IniFormat);
    QCOMPARE(
        written.value(QStringLiteral("DataSource/DataLoc")).toString(), QStringLiteral("Local"));
    QCOMPARE(
        written.value(QStringLiteral("Server/DSN")).toString(), QStringLiteral("ChurchOffice"));
    QCOMPARE(written.value(QStringLiteral("Local/DBPath")).toString(),
        QStringLiteral("/home/office/Documents/Church Library/Sermon Outlines/"));
    QCOMPARE(written.value(QStringLiteral("UserInfo/UID")).toString(), QStringLiteral("pastor"));
    QFile::remove(config.storeFile());

    // The whole path shows: with the cursor at its end, its first character is still in view.
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *path = screen.findChild<QLineEdit *>(QStringLiteral("txtDBPath"));
    path->end(false);
    QCOMPARE(path->cursorPositionAt(QPoint(2, path->height() / 2)), 0);
}

void tst_ConfigScreens::printMenuPrintsFromTheOpenScreens()
{
    // The Print menu against the real sermon, notes and illustration screens, printing to PDF
    // files in a documents folder of the test's own.
    m_main.reset();
    m_db.reset();
    m_db = std::make_unique<TestDatabase>(Engine::SQLite, true);
    QVERIFY(m_db->isReady());
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    PrintJob::setIgnorePrinters(true);
    m_main = std::make_unique<frmMain>();
    RegisterScreenCommands(*m_main);
    m_main->show();
    auto printed = [](const QString &command, frmMain &main) {
        MsgBoxScript::clear();
        main.runCommand(command);
        const QString prefix
            = QStringLiteral("No printer is set up, so the pages were saved as a PDF file:\n");
        const QStringList shown = MsgBoxScript::shown();
        if (shown.size() != 1 || !shown.first().startsWith(prefix))
            return QStringLiteral("<%1>").arg(shown.join(QLatin1Char('|')));
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"),
            { QStringLiteral("-layout"), shown.first().mid(prefix.size()), QStringLiteral("-") });
        tool.waitForFinished(30000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    };

    m_main->runCommand(QStringLiteral("mnuESermon"));
    QTRY_VERIFY(m_main->workArea()->findChild<QWidget *>(QStringLiteral("frmSermon")));
    QVERIFY(m_main->action(QStringLiteral("mnuPList"))->isEnabled());
    const QString list = printed(QStringLiteral("mnuPList"), *m_main);
    const QStringList lines = list.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int sermons = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblSermons")).toInt();
    QVERIFY2(lines.size() >= sermons + 1, qPrintable(list));

    QVERIFY(lines.first().startsWith(QStringLiteral("ID#")));
    // The sermon shown in the notes window: its outline prints.
    auto *notes = m_main->workArea()->findChild<QWidget *>(QStringLiteral("frmNotes"));
    QVERIFY(notes);
    auto *outline = notes->findChild<QPlainTextEdit *>(QStringLiteral("txtOutline"));
    QVERIFY(outline);
    const QString outlineWord = outline->toPlainText().simplified().section(QLatin1Char(' '), 0, 0);
    QVERIFY(!outlineWord.isEmpty());
    QVERIFY2(printed(QStringLiteral("mnuPSermon"), *m_main).contains(outlineWord),
        qPrintable(outlineWord));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    m_main->workArea()->closeAllSubWindows();

    m_main->runCommand(QStringLiteral("mnuEIllustr"));
    auto *illustration = m_main->workArea()->findChild<QWidget *>(QStringLiteral("frmIllustr"));
    QVERIFY(illustration);
    auto *text = illustration->findChild<QPlainTextEdit *>(QStringLiteral("txtIllustration"));
    QVERIFY(text && !text->toPlainText().isEmpty());
    const QString firstWord = text->toPlainText().simplified().section(QLatin1Char(' '), 0, 0);
    QVERIFY2(printed(QStringLiteral("mnuPIllustration"), *m_main).contains(firstWord),
        qPrintable(firstWord));
    m_main->workArea()->closeAllSubWindows();
    qputenv("HOME", oldHome);
}

QTEST_MAIN(tst_ConfigScreens)
#include "tst_configscreens.moc"
