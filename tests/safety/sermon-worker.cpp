// A second copy of the program for the safety tests. It opens a database the way the
// program does and works on it through the record classes while the test watches from
// outside: several run at once, one is killed in the middle of a write, one holds the file.
//
//   sermon-worker insert sqlite PATH COUNT TAG [MAXOUTLINE]
//   sermon-worker insert odbc CONNECT COUNT TAG [MAXOUTLINE]
//       Inserts COUNT sermons (0: until killed) through clsSermon::AddNew, titled TAG-1,
//       TAG-2, ..., and prints "ready" once open and then the key of each sermon as soon as
//       AddNew has returned true, so whatever the test read was committed. Outlines are up
//       to MAXOUTLINE characters long (default 200), varied so writes span many pages.
//   sermon-worker lock PATH MILLISECONDS
//       Takes the write lock of an SQLite file (BEGIN EXCLUSIVE), prints "locked", holds it
//       for MILLISECONDS and lets go.
//   sermon-worker backup LIBRARY FOLDER [MAXFILEBYTES]
//       Backs LIBRARY up into FOLDER as the program does, printing "started" first and then
//       "ok PATH" or "failed MESSAGE". MAXFILEBYTES sets the file-size limit (RLIMIT_FSIZE)
//       of this process first, as a full disk would stop it.
//
//   sermon-worker sql sqlite|odbc ADDRESS STATEMENT
//       Another copy changing or deleting a row: runs one statement through the engine layer
//       and prints "done N" with the number of rows it changed.
//   sermon-worker race sqlite|odbc ADDRESS KEY
//       Another copy editing sermon KEY's outline, race after race: prints "ready", then for
//       each line "go N LOADUS SAVEUS" on its input waits LOADUS microseconds, loads the
//       sermon (Find), waits SAVEUS, adds " bN" to the outline it loaded and saves (Replace).
//       When the save finds the sermon changed it does not save over it (the user's No) and
//       prints "asked N"; otherwise "saved N" ("failed N" after a failure). "quit" ends it.
//
// Exit codes: 0 done, 2 bad arguments, 3 the database did not open, 4 an insert failed,
// 5 the backup failed.
// Every message the program would have shown goes to standard error, and at the end the
// longest time one AddNew took ("longest insert: N ms").

#include "DbDatabase.h"
#include "LibraryBackup.h"
#include "ProgramGlobals.h"
#include "UserInterface.h"
#include "WorkerConnection.h"
#include "clsConnect.h"
#include "clsSermon.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <sys/resource.h>

namespace {

void reportMessages()
{
    const QStringList texts = MsgBoxScript::shown();
    for (const QString &text : texts)
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    if (!MsgBoxScript::lastDetail().isEmpty())
        std::fprintf(stderr, "detail: %s\n", qPrintable(MsgBoxScript::lastDetail().left(500)));
}

void say(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The outline of sermon `n` of a writer: its size follows a fixed pseudo-random sequence, so
// small and page-spanning rows alternate unpredictably.
QString outlineFor(const QString &tag, int n, int maxSize)
{
    const quint32 mixed = quint32(qHash(tag)) * 2654435761u + quint32(n) * 40503u;
    const int size = maxSize > 0 ? int(mixed % quint32(maxSize)) : 0;
    QString text = tag + QLatin1Char(' ') + QString::number(n) + QLatin1Char('\n');
    while (text.size() < size)
        text += QStringLiteral("Point %1 of the outline.\n").arg(text.size());
    return text;
}

int insertSermons(const QStringList &args)
{
    if (args.size() < 6)
        return 2;
    clsConnect connection;
    PointWorkerConnectionAt(connection, args.at(2), args.at(3));
    if (!connection.DataInit() || !connection.DataOpen()) {
        reportMessages();
        return 3;
    }
    setProgramConnection(&connection);
    say("ready");

    const int count = args.at(4).toInt();
    const QString tag = args.at(5);
    const int maxOutline = args.size() > 6 ? args.at(6).toInt() : 200;
    int status = 0;
    qint64 longest = 0;
    for (int n = 1; count == 0 || n <= count; ++n) {
        clsSermon sermon;
        sermon.setBibleBookID(1 + n % 66);
        sermon.setBeginChapter(qint16(1 + n % 50));
        sermon.setBeginVerse(qint16(1 + n % 30));
        sermon.setReference(QStringLiteral("Ref %1").arg(n));
        sermon.setTitle(tag + QLatin1Char('-') + QString::number(n));
        sermon.setOutline(outlineFor(tag, n, maxOutline));
        QElapsedTimer clock;
        clock.start();
        if (!sermon.AddNew()) {
            std::fprintf(stderr, "insert %d failed after %lld ms: %s\n", n, clock.elapsed(),
                qPrintable(sermon.InfoMsg()));
            reportMessages();
            status = 4;
            break;
        }
        longest = qMax(longest, clock.elapsed());
        say(QByteArray::number(sermon.SermonID()));
    }
    std::fprintf(stderr, "longest insert: %lld ms\n", longest);
    setProgramConnection(nullptr);
    return status;
}

int holdLock(const QStringList &args)
{
    if (args.size() != 4)
        return 2;
    DbError error;
    auto database = DbDatabase::openFile(args.at(2), error);
    int ignored = 0;
    if (!database || !database->execute(QStringLiteral("BEGIN EXCLUSIVE"), &ignored, error)) {
        std::fprintf(stderr, "lock failed: %d %s\n", error.number, qPrintable(error.driverText));
        return 3;
    }
    say("locked");
    QThread::msleep(args.at(3).toULong());
    database->rollback();
    return 0;
}

int backUp(const QStringList &args)
{
    if (args.size() < 4)
        return 2;
    if (args.size() > 4) {
        const rlim_t limit = args.at(4).toULongLong();
        const struct rlimit fileSize
        {
            limit, limit
        };
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            return 2;
    }
    say("started");
    const LibraryBackup::Outcome outcome = LibraryBackup::backUp(
        args.at(2), args.at(3), QDateTime::currentDateTime(), BackupRotation::Policy());
    say((outcome.ok ? QStringLiteral("ok ") + outcome.path
                    : QStringLiteral("failed ") + outcome.message)
            .toUtf8());
    return outcome.ok ? 0 : 5;
}

// Opens the database named by args[2] and args[3] as the program's connection.
bool openWorkerDatabase(clsConnect &connection, const QStringList &args)
{
    PointWorkerConnectionAt(connection, args.at(2), args.at(3));
    if (!connection.DataInit() || !connection.DataOpen()) {
        reportMessages();
        return false;
    }
    setProgramConnection(&connection);
    return true;
}

int runStatement(const QStringList &args)
{
    if (args.size() != 5)
        return 2;
    clsConnect connection;
    if (!openWorkerDatabase(connection, args))
        return 3;
    DbError error;
    int affected = 0;
    DbDatabase *database = connection.DBObject();
    const bool ran = database && database->execute(args.at(4), &affected, error);
    setProgramConnection(nullptr);
    if (!ran) {
        std::fprintf(
            stderr, "statement failed: %d %s\n", error.number, qPrintable(error.driverText));
        return 4;
    }
    say("done " + QByteArray::number(affected));
    return 0;
}

int raceEdits(const QStringList &args)
{
    if (args.size() != 5)
        return 2;
    clsConnect connection;
    if (!openWorkerDatabase(connection, args))
        return 3;
    const qint32 key = args.at(4).toInt();
    say("ready");
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        const QList<QByteArray> words = QByteArray(line).trimmed().split(' ');
        if (words.size() != 4 || words.at(0) != "go")
            break;
        const QByteArray race = words.at(1);
        QThread::usleep(words.at(2).toULong());
        clsSermon sermon;
        sermon.setSermonID(key);
        bool saved = sermon.Find();
        if (saved) {
            QThread::usleep(words.at(3).toULong());
            sermon.setOutline(sermon.Outline() + QStringLiteral(" b") + QString::fromLatin1(race));
            saved = sermon.Replace();
        }
        if (saved)
            say("saved " + race);
        else if (sermon.SaveConflict() != RowChange::None)
            say("asked " + race);
        else
            say("failed " + race);
    }
    setProgramConnection(nullptr);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    MsgBoxScript::setScripted(true);
    const QStringList args = app.arguments();
    if (args.size() > 1 && args.at(1) == QLatin1String("insert"))
        return insertSermons(args);
    if (args.size() > 1 && args.at(1) == QLatin1String("lock"))
        return holdLock(args);
    if (args.size() > 1 && args.at(1) == QLatin1String("backup"))
        return backUp(args);
    if (args.size() > 1 && args.at(1) == QLatin1String("sql"))
        return runStatement(args);
    if (args.size() > 1 && args.at(1) == QLatin1String("race"))
        return raceEdits(args);
    return 2;
}
