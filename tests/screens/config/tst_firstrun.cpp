#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "DeliveredFiles.h"
#include "PersonalLibrary.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "clsConnect.h"
#include "frmConfig.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

// The program as installed: `cmake --install` into a temporary prefix, then this test
// program, copied into the prefix's bin folder, runs the first-run steps there as the
// installed program would (and, for comparison, from the build folder): where the delivered
// files and the library are, the copy of the empty library, and the bad cases of a first run.
class tst_FirstRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void installedFiles();
    void firstRun_data();
    void firstRun();

private:
    QString prefix() const { return m_install.filePath(QStringLiteral("usr")); }
    QString installedProbe() const { return prefix() + QStringLiteral("/bin/tst_firstrun"); }
    QTemporaryDir m_install;
};

void tst_FirstRun::initTestCase()
{
    QProcess install;
    install.start(QStringLiteral(LECTORUM_CMAKE_COMMAND),
        { QStringLiteral("--install"), QStringLiteral(LECTORUM_BUILD_DIR),
            QStringLiteral("--prefix"), prefix() });
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), installedProbe()));
    QVERIFY(QFile::setPermissions(
        installedProbe(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void tst_FirstRun::installedFiles()
{
    QStringList files;
    QDirIterator it(prefix(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(prefix()).relativeFilePath(it.next());
    files.removeOne(QStringLiteral("bin/tst_firstrun")); // the probe this test put there
    files.sort();
    QStringList expected = {
        QStringLiteral("bin/lectorum"),
        QStringLiteral("bin/lectorum-mkdb"),
        QStringLiteral("share/applications/org.lectorum.Lectorum.desktop"),
        QStringLiteral("share/icons/hicolor/scalable/apps/org.lectorum.Lectorum.svg"),
        QStringLiteral("share/lectorum/Lectorum.es.hlp"),
        QStringLiteral("share/lectorum/Lectorum.hlp"),
        QStringLiteral("share/lectorum/lectorum-demo.mdb"),
        QStringLiteral("share/lectorum/lectorum.mdb"),
        QStringLiteral("share/man/man1/lectorum-mkdb.1.gz"),
        QStringLiteral("share/man/man1/lectorum.1.gz"),
        QStringLiteral("share/metainfo/org.lectorum.Lectorum.metainfo.xml"),
    };
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        expected
            << QStringLiteral("share/icons/hicolor/%1x%1/apps/org.lectorum.Lectorum.png").arg(size);
    expected.sort();
    QCOMPARE(files, expected);

    // The delivered library holds only the shipped rows; the demonstration library beside it.
    for (const auto &[file, sermons] :
        { std::pair { "lectorum.mdb", false }, std::pair { "lectorum-demo.mdb", true } }) {
        DbError error;
        auto library = DbDatabase::openFile(
            prefix() + QStringLiteral("/share/lectorum/") + QLatin1String(file), error);
        QVERIFY2(library, qPrintable(error.driverText));
        auto count
            = library->openSnapshot(QStringLiteral("SELECT COUNT(*) FROM tblSermons"), error);
        QVERIFY(count);
        QCOMPARE(count->field(0).toInt() > 0, sermons);
    }
}

void tst_FirstRun::firstRun_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("message"); // the start of the one message shown, or ""
    QTest::addColumn<int>("sermons"); // in the library opened afterwards; -1: none opened

    QTest::newRow("build folder: the program's folder") << false << "" << true << "" << -1;
    QTest::newRow("installed: new user gets an empty library") << true << "" << true << "" << 0;
    QTest::newRow("installed: library already there is kept")
        << true << "own library" << true << "Lectorum found a library in " << 30;
    QTest::newRow("installed: data folder cannot be made")
        << true << "read-only home" << false << "Lectorum could not prepare your library." << -1;
    QTest::newRow("installed: delivered library missing")
        << true << "no template" << false << "Lectorum could not prepare your library." << -1;
}

void tst_FirstRun::firstRun()
{
    QFETCH(bool, installed);
    QFETCH(QString, setUp);
    QFETCH(bool, loaded);
    QFETCH(QString, message);
    QFETCH(int, sermons);
    QTemporaryDir home;
    const QString dataHome = home.filePath(QStringLiteral("data"));
    const QString dataFolder = dataHome + QStringLiteral("/lectorum");
    const QString programFolder
        = installed ? prefix() + QStringLiteral("/bin") : QCoreApplication::applicationDirPath();
    const QString template_ = prefix() + QStringLiteral("/share/lectorum/lectorum.mdb");
    if (setUp == QLatin1String("own library")) {
        QVERIFY(QDir().mkpath(dataFolder));
        QVERIFY(QFile::copy(prefix() + QStringLiteral("/share/lectorum/lectorum-demo.mdb"),
            dataFolder + QStringLiteral("/tst_firstrun.mdb")));
    } else if (setUp == QLatin1String("read-only home")) {
        QFile blocker(dataHome);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else if (setUp == QLatin1String("no template")) {
        QVERIFY(QFile::rename(template_, template_ + QStringLiteral(".away")));
    }

    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LECTORUM_FIRST_RUN_PROBE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    probe.setProcessEnvironment(environment);
    probe.start(installed ? installedProbe() : QCoreApplication::applicationFilePath(), {});
    QVERIFY(probe.waitForFinished(60000));
    if (setUp == QLatin1String("no template"))
        QVERIFY(QFile::rename(template_ + QStringLiteral(".away"), template_));
    QCOMPARE(probe.exitCode(), 0);
    QMap<QString, QStringList> said;
    for (const QByteArray &line : probe.readAllStandardOutput().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            said[QString::fromUtf8(line.left(equals))] << QString::fromUtf8(line.mid(equals + 1));
    }

    // Where things are: the delivered files and the folder a first run names for the library.
    const QString libraryFolder = installed ? dataFolder : programFolder;
    QCOMPARE(said.value(QStringLiteral("delivered")),
        QStringList { installed ? prefix() + QStringLiteral("/share/lectorum") : programFolder });
    QCOMPARE(said.value(QStringLiteral("libraryFolder")), QStringList { libraryFolder });

    QCOMPARE(said.value(QStringLiteral("loaded")),
        QStringList { loaded ? QStringLiteral("1") : QStringLiteral("0") });
    const QStringList messages = said.value(QStringLiteral("message"));
    if (message.isEmpty()) {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'|')));
    } else {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(message), qPrintable(messages.first()));
    }
    const QString settings = home.filePath(QStringLiteral("config/tst_firstrun/tst_firstrun.ini"));
    QCOMPARE(QFileInfo::exists(settings), loaded);
    if (loaded) {
        QCOMPARE(said.value(QStringLiteral("database")),
            QStringList { libraryFolder + QStringLiteral("/tst_firstrun.mdb") });
        QCOMPARE(said.value(QStringLiteral("sermons")), QStringList { QString::number(sermons) });
    } else {
        // Nothing placed, not even a half-made copy or a lock.
        QCOMPARE(
            QDir(dataFolder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    }
    // An installed program's first run also puts the demonstration library beside the user's.
    QCOMPARE(
        QFileInfo::exists(dataFolder + QStringLiteral("/lectorum-demo.mdb")), installed && loaded);
    if (!installed)
        QVERIFY(!QFileInfo::exists(dataHome));
}

namespace {

// The first-run steps of the program, reported line by line for the test above.
int firstRunProbe()
{
    QCoreApplication::setApplicationName(QStringLiteral("lectorum"));
    MsgBoxScript::setScripted(true);
    auto say = [](const char *key, const QString &value) {
        std::printf("%s=%s\n", key,
            qPrintable(QString(value).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    };
    say("delivered", DeliveredFiles::folder());
    say("libraryFolder", PersonalLibrary::firstRunFolder());
    clsConfig config;
    clsConnect connection;
    clsConfig::setConfigurationScreen(&frmConfig::writeFirstRunDefaults);
    say("loaded", connection.LoadSettings(config) ? QStringLiteral("1") : QStringLiteral("0"));
    say("database", connection.DatabaseName());
    for (const QString &text : MsgBoxScript::shown())
        say("message", text);
    DbError error;
    int sermons = -1;
    if (auto library = DbDatabase::openFile(connection.DatabaseName(), error)) {
        if (auto count
            = library->openSnapshot(QStringLiteral("SELECT COUNT(*) FROM tblSermons"), error))
            sermons = count->field(0).toInt();
    }
    say("sermons", QString::number(sermons));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("LECTORUM_FIRST_RUN_PROBE"))
        return firstRunProbe();
    tst_FirstRun test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_firstrun.moc"
