#include "DbDatabase.h"
#include "PersonalLibrary.h"
#include "SchemaScript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <thread>

// The first-run copy of the delivered library into a user's data folder: copied once, an
// existing library never replaced, a missing or damaged delivered library refused, and copies
// of the program starting at once taking turns, with no half-written file left or opened.
class tst_PersonalLibrary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void place_data();
    void place();
    void waitsForAnotherCopy_data();
    void waitsForAnotherCopy();
    void copiesStartingAtOnce();

private:
    QString source() const { return m_dir->filePath(QStringLiteral("delivered/lectorum.mdb")); }
    QString target() const { return m_dir->filePath(QStringLiteral("data/lectorum.mdb")); }
    QStringList dataFolderFiles() const
    {
        return QDir(m_dir->filePath(QStringLiteral("data")))
            .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_PersonalLibrary::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("delivered")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("data")));
    DbError error;
    auto created = DbDatabase::createFile(source(), error);
    QVERIFY(created && SchemaScript::load(*created, false, error));
}

void tst_PersonalLibrary::place_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<int>("expected");
    QTest::newRow("first run copies") << "" << int(PersonalLibrary::Result::Copied);
    QTest::newRow("library already there is kept")
        << "own library" << int(PersonalLibrary::Result::Found);
    QTest::newRow("broken link in its place is kept")
        << "dangling link" << int(PersonalLibrary::Result::Found);
    QTest::newRow("delivered library missing")
        << "no source" << int(PersonalLibrary::Result::Failed);
    QTest::newRow("delivered library damaged")
        << "damaged source" << int(PersonalLibrary::Result::Failed);
    QTest::newRow("data folder gone") << "no folder" << int(PersonalLibrary::Result::Failed);
}

void tst_PersonalLibrary::place()
{
    QFETCH(QString, setUp);
    QFETCH(int, expected);
    const QByteArray own("the user's own library, whatever it holds");
    if (setUp == QLatin1String("own library"))
        write(target(), own);
    else if (setUp == QLatin1String("dangling link"))
        QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("nowhere.mdb")), target()));
    else if (setUp == QLatin1String("no source"))
        QVERIFY(QFile::remove(source()));
    else if (setUp == QLatin1String("damaged source"))
        write(source(), QByteArray("SQLite format 3").append('\0').append(QByteArray(4096, 'x')));
    else if (setUp == QLatin1String("no folder"))
        QVERIFY(QDir(m_dir->filePath(QStringLiteral("data"))).removeRecursively());

    QString reason;
    const auto result = PersonalLibrary::place(source(), target(), reason, 0);
    QCOMPARE(int(result), expected);

    switch (result) {
    case PersonalLibrary::Result::Copied:
        QCOMPARE(contents(target()), contents(source()));
        QVERIFY(reason.isEmpty());
        break;
    case PersonalLibrary::Result::Found:
        QCOMPARE(contents(target()), setUp == QLatin1String("own library") ? own : QByteArray());
        QVERIFY(QFileInfo(target()).isSymLink() == (setUp == QLatin1String("dangling link")));
        break;
    default:
        QVERIFY2(reason.contains(setUp == QLatin1String("no folder")
                         ? m_dir->filePath(QStringLiteral("data"))
                         : source()),
            qPrintable(reason));
        QVERIFY(!QFileInfo::exists(target()));
    }
    // Neither the lock nor a half-made copy stays behind.
    const QStringList left = dataFolderFiles();
    QVERIFY2(left.isEmpty() || left == QStringList { QStringLiteral("lectorum.mdb") },
        qPrintable(left.join(u' ')));
}

void tst_PersonalLibrary::waitsForAnotherCopy_data()
{
    QTest::addColumn<QString>("other"); // what the copy holding the lock does
    QTest::addColumn<int>("expected");
    QTest::newRow("makes the library") << "makes it" << int(PersonalLibrary::Result::MadeMeanwhile);
    QTest::newRow("gives up") << "gives up" << int(PersonalLibrary::Result::Copied);
    QTest::newRow("never finishes") << "holds on" << int(PersonalLibrary::Result::Failed);
}

void tst_PersonalLibrary::waitsForAnotherCopy()
{
    QFETCH(QString, other);
    QFETCH(int, expected);
    QLockFile otherCopy(target() + QStringLiteral(".lock"));
    QVERIFY(otherCopy.tryLock(0));

    QString reason;
    PersonalLibrary::Result result = PersonalLibrary::Result::Failed;
    const int wait = other == QLatin1String("holds on") ? 300 : 20000;
    std::thread waiting([&] { result = PersonalLibrary::place(source(), target(), reason, wait); });
    QTest::qWait(400); // the waiting copy meets the lock and waits, past the shorter wait too
    const QByteArray theirs("the library the other copy made");
    if (other == QLatin1String("makes it"))
        write(target(), theirs);
    if (other != QLatin1String("holds on"))
        otherCopy.unlock();
    waiting.join();

    QCOMPARE(int(result), expected);
    if (other == QLatin1String("makes it"))
        QCOMPARE(contents(target()), theirs);
    else if (other == QLatin1String("gives up"))
        QCOMPARE(contents(target()), contents(source()));
    else
        QVERIFY2(reason.startsWith(QLatin1String("Another copy of Lectorum"))
                && !QFileInfo::exists(target()),
            qPrintable(reason));
}

void tst_PersonalLibrary::copiesStartingAtOnce()
{
    // Real processes: this program again, told by the environment to place the library once.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LECTORUM_PLACE_SOURCE"), source());
    environment.insert(QStringLiteral("LECTORUM_PLACE_TARGET"), target());
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 6; ++i) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->setProcessEnvironment(environment);
        copies.back()->start(QCoreApplication::applicationFilePath(), {});
    }
    QMap<QByteArray, int> results;
    for (auto &copy : copies) {
        QVERIFY(copy->waitForFinished(60000));
        QCOMPARE(copy->exitCode(), 0);
        ++results[copy->readAllStandardOutput().trimmed()];
    }
    QCOMPARE(results.value("copied"), 1);
    QCOMPARE(results.value("copied") + results.value("made meanwhile") + results.value("found"), 6);
    QCOMPARE(contents(target()), contents(source()));
    QCOMPARE(dataFolderFiles(), QStringList { QStringLiteral("lectorum.mdb") });
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("LECTORUM_PLACE_TARGET")) {
        QString reason;
        const auto result = PersonalLibrary::place(qEnvironmentVariable("LECTORUM_PLACE_SOURCE"),
            qEnvironmentVariable("LECTORUM_PLACE_TARGET"), reason);
        const char *names[] = { "copied", "found", "made meanwhile", "failed" };
        std::printf("%s\n", names[int(result)]);
        if (result == PersonalLibrary::Result::Failed)
            std::fprintf(stderr, "%s\n", qPrintable(reason));
        return result == PersonalLibrary::Result::Failed ? 1 : 0;
    }
    tst_PersonalLibrary test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_personallibrary.moc"
