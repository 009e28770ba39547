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

QString text(const char *source)
{
    return QCoreApplication::translate("ImportCommand", source);
}

void complain(const QString &message)
{
    std::fprintf(stderr, "lectorum-mkdb: %s\n", qPrintable(message));
}

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
        return row.ticked ? text(QT_TRANSLATE_NOOP("ImportCommand", "ready"))
                          : text(QT_TRANSLATE_NOOP("ImportCommand", "skipped"));
    case ImportRow::Status::NeedsPassage:
        return text(QT_TRANSLATE_NOOP("ImportCommand", "no passage"));
    case ImportRow::Status::Duplicate:
        return text(QT_TRANSLATE_NOOP("ImportCommand", "duplicate"));
    case ImportRow::Status::Unreadable:
        return text(QT_TRANSLATE_NOOP("ImportCommand", "unreadable"));
    }
    return QString();
}

void printReview(const QList<ImportRow> &rows)
{
    std::printf("%s\n",
        qPrintable(QStringLiteral("%1  %2  %3  %4  %5")
                       .arg(cut(text(QT_TRANSLATE_NOOP("ImportCommand", "Status")), 10),
                           cut(text(QT_TRANSLATE_NOOP("ImportCommand", "Date")), 11),
                           cut(text(QT_TRANSLATE_NOOP("ImportCommand", "Passage")), 22),
                           cut(text(QT_TRANSLATE_NOOP("ImportCommand", "Title")), 34),
                           text(QT_TRANSLATE_NOOP("ImportCommand", "File")))));
    for (const ImportRow &row : rows) {
        const QString date = row.date.isValid()
            ? row.date.toString(Qt::ISODate) + (row.dateGuessed ? QStringLiteral("?") : QString())
            : QString();
        QString file = row.source.displayName;
        if (!row.reason.isEmpty())
            file += QStringLiteral(" (") + row.reason + QLatin1Char(')');
        if (!row.route.isEmpty())
            file += QLatin1Char(' ')
                + text(QT_TRANSLATE_NOOP("ImportCommand", "[read by %1]")).arg(row.route);
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
        complain(text(QT_TRANSLATE_NOOP("ImportCommand", "the library could not be backed up: %1"))
                     .arg(outcome.message));
        return false;
    }
    std::printf("%s\n",
        qPrintable(text(QT_TRANSLATE_NOOP("ImportCommand", "backed up to %1")).arg(outcome.path)));
    return true;
}

} // namespace

int runImportCommand(const ImportCommandOptions &options)
{
    DbError error;
    std::unique_ptr<DbDatabase> db = openLibraryArgument(options.library, error);
    QList<PassageParser::Book> books;
    if (!db || !readBooks(*db, books, error)) {
        complain(text(QT_TRANSLATE_NOOP("ImportCommand", "cannot open %1: error %2: %3"))
                     .arg(options.library, QString::number(error.number), error.driverText));
        return 1;
    }
    ImportReview review(books);
    ImportNames names;
    if (!review.loadLibrary(*db, error) || !names.load(*db, error)) {
        complain(text(QT_TRANSLATE_NOOP("ImportCommand", "cannot read the library: error %1: %2"))
                     .arg(QString::number(error.number), error.driverText));
        return 1;
    }
    ImportReview::Defaults defaults;
    if (!options.preacher.isEmpty()) {
        if (!names.has(ImportNames::Kind::Preacher, options.preacher)) {
            complain(
                text(QT_TRANSLATE_NOOP("ImportCommand", "the library has no preacher named \"%1\""))
                    .arg(options.preacher));
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
        complain(text(QT_TRANSLATE_NOOP("ImportCommand", "%1 (error %2: %3)"))
                     .arg(outcome.message, QString::number(outcome.error.number),
                         outcome.error.driverText));
        return 1;
    }
    std::printf("%s\n", qPrintable(outcome.message));
    return 0;
}
