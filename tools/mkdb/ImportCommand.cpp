#include "ImportCommand.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ImportNames.h"
#include "ImportReview.h"
#include "ImportSources.h"
#include "ImportWriter.h"
#include "LibraryArgument.h"
#include "LibraryBackup.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <cstdio>

namespace {

bool readBooks(DbDatabase &db, QList<PassageParser::Book> &books, DbError &error)
{
    auto rs = db.openSnapshot(
        QStringLiteral("SELECT lngBibleBookID, strBibleBook FROM tblBibleBooks ORDER BY "
                       "lngBibleBookID"),
        error);
    if (!rs)
        return false;
    for (; !rs->eof(); rs->moveNext())
        books.append({ NullToLong(rs->field(0)), NullToText(rs->field(1)) });
    return !rs->lastError().isSet() || (error = rs->lastError(), false);
}

QString cut(const QString &text, int width)
{
    const QString one = text.simplified();
    return one.size() <= width ? one.leftJustified(width) : one.left(width - 1) + QChar(0x2026);
}

QString statusWord(const ImportRow &row)
{
    switch (row.status) {
    case ImportRow::Status::Ready:
        return row.ticked ? QStringLiteral("ready") : QStringLiteral("skipped");
    case ImportRow::Status::NeedsPassage:
        return QStringLiteral("no passage");
    case ImportRow::Status::Duplicate:
        return QStringLiteral("duplicate");
    case ImportRow::Status::Unreadable:
        return QStringLiteral("unreadable");
    }
    return QString();
}

void printReview(const QList<ImportRow> &rows)
{
    std::printf("%s\n",
        qPrintable(QStringLiteral("%1  %2  %3  %4  %5")
                       .arg(cut(QStringLiteral("Status"), 10), cut(QStringLiteral("Date"), 11),
                           cut(QStringLiteral("Passage"), 22), cut(QStringLiteral("Title"), 34),
                           QStringLiteral("File"))));
    for (const ImportRow &row : rows) {
        const QString date = row.date.isValid()
            ? row.date.toString(Qt::ISODate) + (row.dateGuessed ? QStringLiteral("?") : QString())
            : QString();
        QString file = row.source.displayName;
        if (!row.reason.isEmpty())
            file += QStringLiteral(" (") + row.reason + QLatin1Char(')');
        if (!row.route.isEmpty())
            file += QStringLiteral(" [read by ") + row.route + QLatin1Char(']');
        std::printf("%s\n",
            qPrintable(QStringLiteral("%1  %2  %3  %4  %5")
                           .arg(cut(statusWord(row), 10), cut(date, 11), cut(row.passage, 22),
                               cut(row.title, 34), file)));
    }
}

// Backs a library file up where the program keeps its backups, before anything is written.
bool backUp(const QString &library)
{
    if (!QFileInfo::exists(library))
        return true;
    // Where the program keeps its backups, so Restore from Backup offers this one too.
    QCoreApplication::setApplicationName(QStringLiteral("lectorum"));
    const LibraryBackup::Outcome outcome = LibraryBackup::backUp(library,
        LibraryBackup::folderFor(library), QDateTime::currentDateTime(), BackupRotation::Policy());
    if (!outcome.ok) {
        std::fprintf(stderr, "lectorum-mkdb: the library could not be backed up: %s\n",
            qPrintable(outcome.message));
        return false;
    }
    std::printf("backed up to %s\n", qPrintable(outcome.path));
    return true;
}

} // namespace

int runImportCommand(const ImportCommandOptions &options)
{
    DbError error;
    std::unique_ptr<DbDatabase> db = openLibraryArgument(options.library, error);
    QList<PassageParser::Book> books;
    if (!db || !readBooks(*db, books, error)) {
        std::fprintf(stderr, "lectorum-mkdb: cannot open %s: error %d: %s\n",
            qPrintable(options.library), error.number, qPrintable(error.driverText));
        return 1;
    }
    ImportReview review(books);
    ImportNames names;
    if (!review.loadLibrary(*db, error) || !names.load(*db, error)) {
        std::fprintf(stderr, "lectorum-mkdb: cannot read the library: error %d: %s\n", error.number,
            qPrintable(error.driverText));
        return 1;
    }
    ImportReview::Defaults defaults;
    if (!options.preacher.isEmpty()) {
        if (!names.has(ImportNames::Kind::Preacher, options.preacher)) {
            std::fprintf(stderr, "lectorum-mkdb: the library has no preacher named \"%s\"\n",
                qPrintable(options.preacher));
            return 2;
        }
        defaults.preacher = options.preacher;
        defaults.preacherID = names.find(ImportNames::Kind::Preacher, options.preacher);
    }
    const std::atomic<bool> cancel { false };
    QList<ImportRow> rows
        = review.readAll(ImportSources::collect(options.paths), defaults, cancel, {});
    // As in the review window: a duplicate is left out unless someone ticks it.
    review.refreshStatuses(rows);
    for (ImportRow &row : rows) {
        if (row.status == ImportRow::Status::Duplicate)
            row.ticked = false;
    }
    review.refreshStatuses(rows);
    printReview(rows);
    const auto unreadable = std::count_if(rows.cbegin(), rows.cend(),
        [](const ImportRow &r) { return r.status == ImportRow::Status::Unreadable; });
    const auto writable = std::count_if(
        rows.cbegin(), rows.cend(), [](const ImportRow &r) { return r.writable(); });
    const QString counts = QObject::tr("%n file(s), ", nullptr, int(rows.size()))
        + QObject::tr("%n to import, ", nullptr, int(writable))
        + QObject::tr("%n unreadable", nullptr, int(unreadable));
    std::printf("%s\n", qPrintable(counts));
    if (unreadable > 0 && !options.skipUnreadable) {
        std::fprintf(stderr, "lectorum-mkdb: %s\n",
            qPrintable(QObject::tr("%n file(s) could not be read; nothing was imported "
                                   "(--skip-unreadable imports the rest)",
                nullptr, int(unreadable))));
        return 1;
    }
    if (options.dryRun || writable == 0)
        return 0;
    if (!backUp(options.library))
        return 1;
    const ImportOutcome outcome = ImportWriter::write(
        *db, rows, options.paths.join(QStringLiteral(", ")), QStringLiteral("lectorum-mkdb"));
    if (!outcome.ok) {
        std::fprintf(stderr, "lectorum-mkdb: %s (error %d: %s)\n", qPrintable(outcome.message),
            outcome.error.number, qPrintable(outcome.error.driverText));
        return 1;
    }
    std::printf("%s\n", qPrintable(outcome.message));
    return 0;
}
