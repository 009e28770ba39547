#include "ProgramGlobals.h"
#include "SafetySupport.h"
#include "SqlLiterals.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "clsSermon.h"
#include "clsTopic.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using TestEnvironment::Engine;

// Database files that cannot be used as they should: missing, read-only, held by another
// copy, truncated or damaged. Each gives a numbered message and no crash, and a missing
// file is never replaced by a new empty database. (tst_engine covers a missing file at its
// simplest, a text file and a bare header.)
class tst_Files : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void missingFileIsNeverCreated_data();
    void missingFileIsNeverCreated();
    void nameWithUriCharactersOpensThatFile();
    void readOnlyFileOrFolder_data();
    void readOnlyFileOrFolder();
    void fileHeldByAnotherCopy();
    void damagedFile_data();
    void damagedFile();
};

namespace {

QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash digest(QCryptographicHash::Sha1);
    digest.addData(&file);
    return digest.result();
}

QString systemErrors()
{
    return MsgBoxScript::shown().join(QStringLiteral(" | ")) + QStringLiteral(" / ")
        + MsgBoxScript::lastDetail().left(300);
}

// Every message shown so far is the numbered system error (with a number above 0).
bool onlySystemErrorsShown()
{
    const QStringList shown = MsgBoxScript::shown();
    for (const QString &text : shown) {
        if (!text.startsWith(QStringLiteral("An Error Occurred in the System ")))
            return false;
        if (text.section(QLatin1Char(' '), -1).toInt() <= 0)
            return false;
    }
    return true;
}

// The number of the last system error shown, 0 when none was.
int lastSystemError()
{
    const QStringList shown = MsgBoxScript::shown();
    return shown.isEmpty() ? 0 : shown.last().section(QLatin1Char(' '), -1).toInt();
}

// Sets or clears the immutable attribute, which even root cannot write through.
bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Makes a file or folder read-only for this process for as long as it lives. Root writes
// through file permissions, so as root the immutable attribute does the job instead.
class ReadOnly
{
public:
    explicit ReadOnly(const QString &path)
        : m_path(path)
        , m_permissions(QFile::permissions(path))
    {
        if (::geteuid() == 0) {
            m_immutable = setImmutable(path, true);
            m_done = m_immutable;
        } else {
            m_done = QFile::setPermissions(path,
                m_permissions
                    & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup
                        | QFile::WriteOther));
        }
    }
    ~ReadOnly()
    {
        if (m_immutable)
            setImmutable(m_path, false);
        else
            QFile::setPermissions(m_path, m_permissions);
    }
    bool done() const { return m_done; }

private:
    QString m_path;
    QFile::Permissions m_permissions;
    bool m_immutable = false;
    bool m_done = false;
};

// A fresh demo database on disk with no connection left open on it.
struct ClosedDatabase
{
    TestDatabase db { Engine::SQLite, true };
    ClosedDatabase() { db.connection().DataClose(); }
    QString path() const { return db.filePath(); }
};

} // namespace

void tst_Files::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
}

void tst_Files::cleanup()
{
    setProgramConnection(nullptr);
}

void tst_Files::missingFileIsNeverCreated_data()
{
    QTest::addColumn<QString>("name"); // inside a fresh folder
    QTest::addColumn<QString>("linkTo"); // when set, `name` is a link to this missing name
    QTest::addColumn<bool>("folder"); // `name` is made a folder
    QTest::addColumn<int>("number");
    QTest::newRow("dangling link") << "link.mdb"
                                   << "target.mdb" << false << DbErrorNumber::FileNotFound;
    QTest::newRow("missing folder") << "gone/deeper/Sermons.mdb"
                                    << "" << false << DbErrorNumber::FileNotFound;
    QTest::newRow("URI characters") << "a?mode=rwc&cache=shared#x%41.mdb"
                                    << "" << false << DbErrorNumber::FileNotFound;
    QTest::newRow("a folder in its place") << "Sermons.mdb"
                                           << "" << true << DbErrorNumber::CannotOpenFile;
}

// The program opening a database that is not there says so with the file's name, and the
// folder holds afterwards exactly what it held before: nothing is created in its place,
// not through a link, not in a folder of its own, and not under a name cut at "?" or "#".
void tst_Files::missingFileIsNeverCreated()
{
    QFETCH(QString, name);
    QFETCH(QString, linkTo);
    QFETCH(bool, folder);
    QFETCH(int, number);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!linkTo.isEmpty())
        QVERIFY(QFile::link(dir.filePath(linkTo), path));
    if (folder)
        QVERIFY(QDir(dir.path()).mkdir(name));
    const QStringList before
        = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

    clsConnect connection;
    connection.setDatabaseName(path);
    QVERIFY(connection.DataInit());
    QVERIFY(!connection.DataOpen());
    QVERIFY(!connection.DBObject());
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { QStringLiteral("An Error Occurred in the System %1").arg(number) });
    QVERIFY2(MsgBoxScript::lastDetail().contains(path), qPrintable(MsgBoxScript::lastDetail()));
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), before);
    if (!linkTo.isEmpty())
        QVERIFY(!QFile::exists(dir.filePath(linkTo)));
    if (folder)
        QVERIFY(QDir(path).isEmpty());
}

// A file whose name holds the characters a database URI gives meaning to is still that file:
// it opens read-write (not as "mode=ro" or a shared cache) and takes a new sermon.
void tst_Files::nameWithUriCharactersOpensThatFile()
{
    ClosedDatabase source;
    const QString path = source.db.folder() + QStringLiteral("/b?mode=ro&cache=shared#1%2F.mdb");
    QVERIFY(QFile::copy(source.path(), path));
    const QByteArray original = fileDigest(source.path());

    clsConnect connection;
    connection.setDatabaseName(path);
    QVERIFY(connection.DataInit());
    QVERIFY2(connection.DataOpen(), qPrintable(systemErrors()));
    setProgramConnection(&connection);
    clsSermon sermon;
    sermon.setReference(QStringLiteral("Ruth 1:16"));
    QVERIFY2(sermon.AddNew(), qPrintable(systemErrors()));
    connection.DataClose();
    QVERIFY(fileDigest(path) != original);
    QCOMPARE(fileDigest(source.path()), original);
    QCOMPARE(QDir(source.db.folder()).entryList(QDir::Files).size(), 2);
}

void tst_Files::readOnlyFileOrFolder_data()
{
    QTest::addColumn<bool>("wholeFolder");
    QTest::newRow("read-only file") << false;
    QTest::newRow("read-only folder") << true;
}

// A database the user may not write to (a read-only file; or a writable file in a folder
// where SQLite cannot put its rollback journal) still opens and lists its sermons, and an
// insert is refused with a numbered message. Nothing changes in the file or the folder.
void tst_Files::readOnlyFileOrFolder()
{
    QFETCH(bool, wholeFolder);
    ClosedDatabase source;
    const QString path = source.path();
    const QByteArray original = fileDigest(path);
    const QStringList filesBefore = QDir(source.db.folder()).entryList(QDir::Files);
    ReadOnly readOnly(wholeFolder ? source.db.folder() : path);
    if (!readOnly.done())
        QSKIP("cannot make the file read-only here: running as root on a file system without the "
              "immutable attribute");

    clsConnect connection;
    connection.setDatabaseName(path);
    QVERIFY(connection.DataInit());
    QVERIFY2(connection.DataOpen(), qPrintable(systemErrors()));
    setProgramConnection(&connection);
    clsSermon sermon;
    QVERIFY2(sermon.OpenRecordset(), qPrintable(systemErrors()));
    sermon.CloseRecordset();
    QVERIFY(MsgBoxScript::shown().isEmpty());

    clsSermon added;
    added.setReference(QStringLiteral("Ruth 1:16"));
    QVERIFY(!added.AddNew());
    QCOMPARE(added.InfoMsg(), QStringLiteral("Error Adding a New Record"));
    QVERIFY2(
        MsgBoxScript::shown().size() == 1 && onlySystemErrorsShown(), qPrintable(systemErrors()));
    qInfo("refused with \"%s\" (%s)", qPrintable(MsgBoxScript::shown().first()),
        qPrintable(MsgBoxScript::lastDetail().section(QLatin1Char('\n'), 0, 0)));
    connection.DataClose();
    QCOMPARE(fileDigest(path), original);
    QCOMPARE(QDir(source.db.folder()).entryList(QDir::Files), filesBefore);
}

// Another copy holds the file's write lock (BEGIN EXCLUSIVE) for longer than the five
// seconds a copy waits. An insert through an open connection waits those five seconds and
// is then refused with "database busy" (5); a copy starting meanwhile cannot open the file
// and says so. Neither changes anything, and once the lock is gone the insert goes through.
void tst_Files::fileHeldByAnotherCopy()
{
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    const QString worker = Safety::workerPath();
    QVERIFY2(QFile::exists(worker), qPrintable(worker));
    const int sermonsBefore
        = NullToLong(db.scalar(QStringLiteral("SELECT count(*) FROM tblSermons")));

    QProcess holder;
    holder.start(worker, { QStringLiteral("lock"), db.filePath(), QStringLiteral("7000") });
    QVERIFY(holder.waitForReadyRead(20000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
    QProcess latecomer;
    latecomer.start(worker,
        { QStringLiteral("insert"), QStringLiteral("sqlite"), db.filePath(), QStringLiteral("1"),
            QStringLiteral("late") });

    clsSermon sermon;
    sermon.setReference(QStringLiteral("Ruth 1:16"));
    QElapsedTimer waited;
    waited.start();
    QVERIFY(!sermon.AddNew());
    const qint64 waitedMs = waited.elapsed();
    QCOMPARE(sermon.InfoMsg(), QStringLiteral("Error Adding a New Record"));
    QCOMPARE(
        MsgBoxScript::shown(), QStringList { QStringLiteral("An Error Occurred in the System 5") });
    QVERIFY2(waitedMs >= 4900 && waitedMs < 7000, qPrintable(QString::number(waitedMs)));

    QVERIFY(latecomer.waitForFinished(20000));
    const QByteArray lateErrors = latecomer.readAllStandardError();
    QVERIFY2(latecomer.exitCode() == 3
            && lateErrors.contains("message: An Error Occurred in the System 5"),
        lateErrors.constData());
    QVERIFY(holder.waitForFinished(20000));
    QCOMPARE(holder.exitCode(), 0);
    qInfo("the insert waited %lld ms before giving up", waitedMs);

    QCOMPARE(
        NullToLong(db.scalar(QStringLiteral("SELECT count(*) FROM tblSermons"))), sermonsBefore);
    MsgBoxScript::clear();
    QVERIFY2(sermon.AddNew(), qPrintable(systemErrors()));
    QCOMPARE(NullToLong(db.scalar(QStringLiteral("SELECT count(*) FROM tblSermons"))),
        sermonsBefore + 1);
    QCOMPARE(Safety::integrityOf(db.filePath()), QStringLiteral("ok"));
}

void tst_Files::damagedFile_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("empty file") << "empty";
    QTest::newRow("first page only") << "first page";
    QTest::newRow("cut in the middle of a page") << "cut";
    QTest::newRow("every other page overwritten") << "noise";
    QTest::newRow("sermon pages overwritten") << "sermon pages";
    QTest::newRow("one unused page overwritten") << "one page";
}

// A database file that lost its end or parts of its middle (a copy broken off, a bad disk)
// either does not open, with a numbered message, or opens and then answers every list,
// look-up and insert with the rows it still can or a numbered message, never a crash. An
// empty file is not taken for an empty database: it is refused at open.
void tst_Files::damagedFile()
{
    QFETCH(QString, damage);
    ClosedDatabase source;
    const QString path = source.path();
    QFile file(path);
    const qint64 size = file.size();
    constexpr qint64 page = 4096;
    QVERIFY(size > 8 * page);
    if (damage == QLatin1String("empty")) {
        QVERIFY(file.resize(0));
    } else if (damage == QLatin1String("first page")) {
        QVERIFY(file.resize(page));
    } else if (damage == QLatin1String("cut")) {
        QVERIFY(file.resize(size / 2 + 1000));
    } else {
        QVERIFY(file.open(QIODevice::ReadWrite));
        // Noise over every other page from the third on (the schema's pages among them); over
        // every other page of the last quarter, where the demo outlines fill the sermon table;
        // or over the second page alone, the Bible books, which no step below reads.
        QByteArray noise(page, '\0');
        for (qsizetype i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        const qint64 first = damage == QLatin1String("noise") ? 2 * page
            : damage == QLatin1String("sermon pages")         ? (size * 3 / 4) / page * page
                                                              : page;
        const qint64 last = damage == QLatin1String("one page") ? page : size - page;
        for (qint64 at = first; at <= last; at += 2 * page) {
            QVERIFY(file.seek(at));
            file.write(noise);
        }
        file.close();
    }
    const qint64 damagedSize = QFileInfo(path).size();

    clsConnect connection;
    connection.setDatabaseName(path);
    QVERIFY(connection.DataInit());
    QString what;
    if (!connection.DataOpen()) {
        QVERIFY2(MsgBoxScript::shown().size() == 1 && onlySystemErrorsShown(),
            qPrintable(systemErrors()));
        QVERIFY(!MsgBoxScript::lastDetail().isEmpty());
        what = QStringLiteral("refused at open: ") + MsgBoxScript::shown().first();
    } else {
        QVERIFY2(damage != QLatin1String("empty"), "an empty file opened as a database");
        setProgramConnection(&connection);
        int sermons = 0;
        clsSermon sermon;
        for (bool more = sermon.OpenRecordset(); more && sermons < 10000; more = sermon.MoveNext())
            ++sermons;
        clsTopic topic;
        int topics = 0;
        for (bool more = topic.OpenRecordset(); more && topics < 10000; more = topic.MoveNext())
            ++topics;
        sermon.setSermonID(1);
        const bool found = sermon.Find();
        clsSermon added;
        added.setReference(QStringLiteral("Ruth 1:16"));
        const bool inserted = added.AddNew();
        QVERIFY2(onlySystemErrorsShown(), qPrintable(systemErrors()));
        what = QStringLiteral(
            "opened; %1 sermons and %2 topics listed, find %3, insert %4; %5 messages, last %6")
                   .arg(sermons)
                   .arg(topics)
                   .arg(found ? QStringLiteral("worked") : QStringLiteral("failed"))
                   .arg(inserted ? QStringLiteral("worked") : QStringLiteral("failed"))
                   .arg(MsgBoxScript::shown().size())
                   .arg(lastSystemError());
        setProgramConnection(nullptr);
        connection.DataClose();
    }
    qInfo("%s: %s; integrity: %s", qPrintable(damage), qPrintable(what),
        qPrintable(Safety::integrityOf(path).left(120)));
    // Whatever happened, the file was not replaced by a new database or emptied further.
    QVERIFY(QFileInfo(path).size() >= damagedSize);
}

QTEST_GUILESS_MAIN(tst_Files)
#include "tst_files.moc"
