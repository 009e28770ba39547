#include "ImportTestFiles.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

// lectorum-mkdb --import run as an office would run it: what it prints, what it writes and
// its exit code, with and without unreadable files, --dry-run, --skip-unreadable and
// --preacher.
class tst_MkdbImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void run_data();
    void run();
    void routeShown();
};

void tst_MkdbImport::run_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("withBadFile");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("written");
    QTest::addColumn<QString>("printed");
    QTest::newRow("dry run") << QStringList { "--dry-run" } << false << 0 << 0
                             << "2 files, 2 to import, 0 unreadable";
    QTest::newRow("dry run, unreadable file")
        << QStringList { "--dry-run" } << true << 1 << 0 << "unreadable  ";
    QTest::newRow("unreadable file stops all")
        << QStringList {} << true << 1 << 0 << "3 files, 2 to import, 1 unreadable";
    QTest::newRow("unreadable file skipped")
        << QStringList { "--skip-unreadable" } << true << 0 << 2 << "Imported 2 sermons.";
    QTest::newRow("preacher named") << QStringList { "--preacher", "(No Preacher)" } << false << 0
                                    << 2 << "ready       2019-05-05   Romans 5:1-11";
    QTest::newRow("unknown preacher")
        << QStringList { "--preacher", "Nobody" } << false << 2 << 0 << "";
}

void tst_MkdbImport::run()
{
    QFETCH(QStringList, options);
    QFETCH(bool, withBadFile);
    QFETCH(int, exitCode);
    QFETCH(int, written);
    QFETCH(QString, printed);
    TestDatabase db { TestEnvironment::Engine::SQLite };
    REQUIRE_DATABASE(db);
    const QString folder = db.folder() + QStringLiteral("/outlines");
    QDir().mkpath(folder);
    ImportTestFiles::writeFile(
        folder + QStringLiteral("/2019-05-05 Rom 5 1-11.txt"), "Peace with God");
    ImportTestFiles::writeFile(folder + QStringLiteral("/grace.txt"), "Grace\nText: John 1:16");
    if (withBadFile)
        ImportTestFiles::writeFile(folder + QStringLiteral("/broken.docx"), "not a zip");
    QProcess mkdb;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), db.folder() + QStringLiteral("/data"));
    mkdb.setProcessEnvironment(env);
    mkdb.start(QStringLiteral(LECTORUM_MKDB),
        QStringList { QStringLiteral("--import") } + options
            + QStringList { folder, db.filePath() });
    QVERIFY(mkdb.waitForFinished(60000));
    const QString out = QString::fromUtf8(mkdb.readAllStandardOutput());
    QVERIFY2(out.contains(printed), qPrintable(out));
    QCOMPARE(mkdb.exitCode(), exitCode);
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermons")).toInt(), written);
    // A library file is backed up before anything is written, and only then.
    QCOMPARE(QDir(db.folder() + QStringLiteral("/data/lectorum/backups")).exists(), written > 0);
}

// A file read by an outside program says which one (here catdoc, LibreOffice failing).
void tst_MkdbImport::routeShown()
{
    TestDatabase db { TestEnvironment::Engine::SQLite };
    REQUIRE_DATABASE(db);
    const QString bin = db.folder() + QStringLiteral("/bin");
    QDir().mkpath(bin);
    ImportTestFiles::writeFile(
        bin + QStringLiteral("/catdoc"), "#!/bin/sh\nprintf 'Old Sermon\\nText: John 3:16\\n'\n");
    ImportTestFiles::writeFile(bin + QStringLiteral("/soffice"), "#!/bin/sh\nexit 1\n");
    for (const char *program : { "/catdoc", "/soffice" })
        QFile::setPermissions(bin + QLatin1String(program), QFile::ReadOwner | QFile::ExeOwner);
    const QString folder = db.folder() + QStringLiteral("/outlines");
    QDir().mkpath(folder);
    ImportTestFiles::writeFile(folder + QStringLiteral("/old.doc"), "not really Word");
    QProcess mkdb;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), db.folder() + QStringLiteral("/data"));
    env.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    mkdb.setProcessEnvironment(env);
    mkdb.start(QStringLiteral(LECTORUM_MKDB),
        { QStringLiteral("--import"), QStringLiteral("--dry-run"), folder, db.filePath() });
    QVERIFY(mkdb.waitForFinished(60000));
    const QString out = QString::fromUtf8(mkdb.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("John 3:16")) && out.contains(QStringLiteral("Old Sermon"))
            && out.contains(QStringLiteral("old.doc [read by catdoc]")),
        qPrintable(out));
    QCOMPARE(mkdb.exitCode(), 0);
}

QTEST_GUILESS_MAIN(tst_MkdbImport)
#include "tst_mkdbimport.moc"
