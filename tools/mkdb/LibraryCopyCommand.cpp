#include "LibraryCopyCommand.h"

#include "DbDatabase.h"
#include "LibraryCopy.h"
#include "SchemaScript.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QString words(const char *source, qint64 count = -1)
{
    return QCoreApplication::translate("LibraryCopyCommand", source, nullptr, int(count));
}

void complain(const QString &message)
{
    std::fprintf(stderr, "lectorum-mkdb: %s\n", qPrintable(message));
}

bool isConnectText(const QString &side)
{
    static const QRegularExpression odbc(QStringLiteral("^(ODBC;|DSN=|DRIVER=|FILEDSN=)"),
        QRegularExpression::CaseInsensitiveOption);
    return odbc.match(side).hasMatch();
}

// A connect string as it may be shown: the password left out.
QString shown(const QString &side)
{
    QString text = side;
    static const QRegularExpression password(QStringLiteral("(PWD|PASSWORD)=(\\{[^}]*\\}|[^;]*)"),
        QRegularExpression::CaseInsensitiveOption);
    text.replace(password, QStringLiteral("\\1=***"));
    return text;
}

// The peak resident memory of this process, in MB (0 where the kernel does not say).
long peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    }
    return 0;
}

// The processor time this process has used, in seconds.
double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Side
{
    std::unique_ptr<DbDatabase> database;
    QString identity; // for telling that both sides are the same database
    bool created = false; // a new file made for this copy
    QString path;
};

bool openSide(const QString &text, bool destination, Side &side)
{
    DbError error;
    if (isConnectText(text)) {
        QString connect = text;
        if (connect.startsWith(QLatin1String("ODBC;"), Qt::CaseInsensitive))
            connect = connect.mid(5);
        side.identity = connect.toLower();
        // The PostgreSQL driver otherwise reads a whole result set into memory before the
        // first row: fetched through a cursor, a 100,000-sermon table streams. Other drivers
        // ignore attributes they do not know.
        if (!connect.contains(QLatin1String("UseDeclareFetch"), Qt::CaseInsensitive))
            connect += QStringLiteral(";UseDeclareFetch=1;Fetch=1000");
        side.database = DbDatabase::openOdbc(connect, error);
        if (!side.database) {
            complain((destination ? words(QT_TRANSLATE_NOOP("LibraryCopyCommand",
                          "cannot reach the destination server (%1): error %2: %3"))
                                  : words(QT_TRANSLATE_NOOP("LibraryCopyCommand",
                                      "cannot reach the source server (%1): error %2: %3")))
                         .arg(shown(text), QString::number(error.number), error.driverText));
            return false;
        }
        return true;
    }
    const QFileInfo info(text);
    side.identity = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    side.path = info.absoluteFilePath();
    if (destination && !info.exists()) {
        // A new file gets the schema (and the shipped rows, which the copy replaces).
        side.database = DbDatabase::createFile(text, error);
        side.created = side.database != nullptr;
        if (side.database && !SchemaScript::load(*side.database, false, error))
            side.database.reset();
    } else {
        side.database = DbDatabase::openFile(text, error);
    }
    if (!side.database) {
        complain((destination ? words(QT_TRANSLATE_NOOP(
                      "LibraryCopyCommand", "cannot open the destination %1: error %2: %3"))
                              : words(QT_TRANSLATE_NOOP(
                                  "LibraryCopyCommand", "cannot open the source %1: error %2: %3")))
                     .arg(text, QString::number(error.number), error.driverText));
        if (side.created)
            QFile::remove(side.path);
        return false;
    }
    return true;
}

// Per table, with counts: a bar rewritten in place on a terminal, plain lines otherwise.
class CopyDisplay
{
public:
    CopyDisplay()
        : m_terminal(isatty(STDOUT_FILENO) == 1)
        , m_copying(words(QT_TRANSLATE_NOOP("LibraryCopyCommand", "copying")))
        , m_checking(words(QT_TRANSLATE_NOOP("LibraryCopyCommand", "checking")))
    {
        // One column for both, so the table names line up.
        const qsizetype width = qMax(m_copying.size(), m_checking.size());
        m_copying = m_copying.leftJustified(width);
        m_checking = m_checking.leftJustified(width);
    }
    bool show(const LibraryCopyStep &step)
    {
        const QString &verb
            = step.phase == LibraryCopyStep::Phase::Copying ? m_copying : m_checking;
        const bool finished = step.done >= step.total;
        if (m_terminal) {
            constexpr int width = 30;
            const int filled = step.total > 0 ? int(width * step.done / step.total) : width;
            std::printf("\r%s %-17s [%s%s] %lld/%lld\033[K", qPrintable(verb),
                qPrintable(step.table), QByteArray(filled, '#').constData(),
                QByteArray(width - filled, '.').constData(), static_cast<long long>(step.done),
                static_cast<long long>(step.total));
            if (finished)
                std::printf("\n");
        } else if (finished && m_lastLine != verb + step.table) {
            m_lastLine = verb + step.table;
            std::printf("%s\n",
                qPrintable(words(QT_TRANSLATE_NOOP("LibraryCopyCommand", "%1 %2: %3"))
                               .arg(verb, step.table,
                                   words(QT_TRANSLATE_N_NOOP("LibraryCopyCommand", "%n row(s)"),
                                       step.done))));
        }
        std::fflush(stdout);
        return true;
    }

private:
    bool m_terminal;
    QString m_copying;
    QString m_checking;
    QString m_lastLine; // an empty table reports itself finished twice
};

} // namespace

int runLibraryCopyCommand(const QString &from, const QString &to, bool replace)
{
    Side source;
    Side destination;
    if (!openSide(from, false, source) || !openSide(to, true, destination))
        return 1;
    if (source.identity == destination.identity) {
        complain(words(QT_TRANSLATE_NOOP(
            "LibraryCopyCommand", "the source and the destination are the same database")));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    CopyDisplay display;
    LibraryCopy copy(*source.database, *destination.database);
    copy.setReplaceExisting(replace);
    copy.setProgress([&display](const LibraryCopyStep &step) { return display.show(step); });
    const bool copied = copy.run();
    if (!copied) {
        complain(copy.message());
        if (destination.created) {
            destination.database.reset();
            QFile::remove(destination.path);
        }
        return 1;
    }
    const QList<LibraryTableSum> &sums = copy.destinationSums();
    for (const LibraryTableSum &sum : sums) {
        // The counts right-aligned, their words after them: "   12 rows", "    1 row".
        std::printf("%s\n",
            qPrintable(
                words(QT_TRANSLATE_NOOP(
                          "LibraryCopyCommand", "%1 %2  checksum %3  same on both sides"))
                    .arg(sum.table.leftJustified(17),
                        words(QT_TRANSLATE_N_NOOP("LibraryCopyCommand", "%n row(s)"), sum.rows)
                            .rightJustified(14),
                        sum.checksum.left(16))));
    }
    std::printf("%s\n",
        qPrintable(
            words(QT_TRANSLATE_NOOP("LibraryCopyCommand",
                      "%1\ncopied in %2 s (processor time of this program %3 s), peak "
                      "memory %4 MB"))
                .arg(copy.message(), QString::number(double(timer.elapsed()) / 1000.0, 'f', 1),
                    QString::number(cpuSeconds(), 'f', 1), QString::number(peakMegabytes()))));
    return 0;
}
