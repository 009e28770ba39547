#include "LibraryCopy.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "LibraryLogging.h"
#include "LibraryRows.h"
#include "LibraryTables.h"
#include "TableDigest.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// A message for the user (the library maker prints them), in the interface's language.
QString text(const char *source, qint64 count = -1)
{
    return QCoreApplication::translate("LibraryCopy", source, nullptr, int(count));
}

QString cancelledText()
{
    return text(
        QT_TRANSLATE_NOOP("LibraryCopy", "The copy was cancelled; the destination is unchanged"));
}

// A batch is sent when it holds this many rows or this many characters, whichever comes
// first: few round trips to a server, and no statement large enough to matter in memory.
constexpr int kBatchRows = 500;
constexpr qsizetype kBatchChars = 1 << 20;
// Progress is reported at most this often while a table is read.
constexpr qint64 kReportEvery = 500;

qint64 countRows(DbDatabase &database, const QString &table, DbError &error)
{
    auto count = database.openSnapshot(QStringLiteral("SELECT count(*) FROM ") + table, error);
    if (!count || count->eof())
        return -1;
    return count->field(0).toLongLong();
}

// Ends the source's read transaction and rolls the destination back on every way out
// that did not commit.
class CopyScope
{
public:
    CopyScope(DbDatabase &source, DbDatabase &destination)
        : m_source(source)
        , m_destination(destination)
    {
    }
    ~CopyScope()
    {
        if (m_destinationOpen)
            m_destination.rollback();
        if (m_sourceOpen)
            m_source.rollback();
    }
    bool m_sourceOpen = false;
    bool m_destinationOpen = false;

private:
    DbDatabase &m_source;
    DbDatabase &m_destination;
};

} // namespace

LibraryCopy::LibraryCopy(DbDatabase &source, DbDatabase &destination)
    : m_source(source)
    , m_destination(destination)
{
}

bool LibraryCopy::fail(const QString &what)
{
    m_message = what;
    if (m_error.isSet())
        m_message = text(QT_TRANSLATE_NOOP("LibraryCopy", "%1: error %2: %3"))
                        .arg(what, QString::number(m_error.number), m_error.driverText);
    qCWarning(lcLibrary) << "library copy failed:" << m_message;
    return false;
}

bool LibraryCopy::report(const LibraryCopyStep &step)
{
    if (m_progress && !m_progress(step)) {
        m_cancelled = true;
        return false;
    }
    return true;
}

bool LibraryCopy::prepare()
{
    QString missing = LibraryTables::missingPart(m_source, m_error);
    if (!missing.isEmpty())
        return fail(
            text(QT_TRANSLATE_NOOP("LibraryCopy", "The source is not a Lectorum library: %1"))
                .arg(missing));
    missing = LibraryTables::missingPart(m_destination, m_error);
    if (!missing.isEmpty())
        return fail(
            text(QT_TRANSLATE_NOOP("LibraryCopy", "The destination has the wrong schema: %1"))
                .arg(missing));
    m_tables.clear();
    const QList<LibraryTable> there = LibraryTables::presentIn(m_destination, m_error);
    for (const LibraryTable &table : LibraryTables::presentIn(m_source, m_error)) {
        if (std::any_of(there.cbegin(), there.cend(),
                [&table](const LibraryTable &t) { return t.name == table.name; }))
            m_tables.append(table);
    }
    const qint64 sermons = countRows(m_destination, QStringLiteral("tblSermons"), m_error);
    if (sermons < 0)
        return fail(
            text(QT_TRANSLATE_NOOP("LibraryCopy", "Cannot count the destination's sermons")));
    if (sermons > 0 && !m_replace) {
        return fail(text(QT_TRANSLATE_N_NOOP("LibraryCopy",
                             "The destination already holds %n sermon(s); nothing was copied "
                             "(replacing them must be asked for)"),
            sermons));
    }
    return true;
}

bool LibraryCopy::run()
{
    m_message.clear();
    m_error.clear();
    m_cancelled = false;
    m_sourceSums.clear();
    m_destinationSums.clear();
    m_totals.clear();
    if (!prepare())
        return false;

    CopyScope scope(m_source, m_destination);
    // One consistent view of the source, however long the copy takes.
    if (!m_source.begin(m_error))
        return fail(text(QT_TRANSLATE_NOOP("LibraryCopy", "Cannot start reading the source")));
    scope.m_sourceOpen = true;
    int ignored = 0;
    if (m_source.isPostgres()
        && !m_source.execute(
            QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ"), &ignored, m_error))
        return fail(text(QT_TRANSLATE_NOOP("LibraryCopy", "Cannot start reading the source")));
    for (const LibraryTable &table : std::as_const(m_tables)) {
        m_totals.append(countRows(m_source, table.name, m_error));
        if (m_totals.last() < 0)
            return fail(
                text(QT_TRANSLATE_NOOP("LibraryCopy", "Cannot count the rows of %1 in the source"))
                    .arg(table.name));
    }

    // The key counters' table is held first: copies of the program working on the
    // destination wait for the copy instead of handing out keys in the middle of it.
    if (!m_destination.beginExclusive(QStringLiteral("tblTableIds"), m_error))
        return fail(text(QT_TRANSLATE_NOOP("LibraryCopy", "Cannot start writing the destination")));
    scope.m_destinationOpen = true;
    const QList<LibraryTable> &tables = m_tables;
    for (auto table = tables.crbegin(); table != tables.crend(); ++table) {
        if (!m_destination.execute(QStringLiteral("DELETE FROM ") + table->name, &ignored, m_error))
            return fail(text(QT_TRANSLATE_NOOP("LibraryCopy", "Cannot empty %1 in the destination"))
                            .arg(table->name));
    }
    if (!copyTables())
        return false;
    if (m_beforeCheck)
        m_beforeCheck(m_destination);
    if (!checkTables())
        return false;

    scope.m_destinationOpen = false;
    if (!m_destination.commit(m_error))
        return fail(text(QT_TRANSLATE_NOOP(
            "LibraryCopy", "The destination did not keep the copy (nothing was changed)")));
    qint64 rows = 0;
    for (const LibraryTableSum &sum : std::as_const(m_sourceSums))
        rows += sum.rows;
    m_message = text(QT_TRANSLATE_N_NOOP("LibraryCopy",
                         "Copied %n table(s), %1; every table's row count and checksum match the "
                         "source"),
        m_sourceSums.size())
                    .arg(text(QT_TRANSLATE_N_NOOP("LibraryCopy", "%n row(s)"), rows));
    return true;
}

bool LibraryCopy::copyTables()
{
    const QList<LibraryTable> &tables = m_tables;
    for (int t = 0; t < tables.size(); ++t) {
        const LibraryTable &table = tables.at(t);
        const QString head
            = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table.name, table.columnList());
        LibraryCopyStep step { LibraryCopyStep::Phase::Copying, table.name, 0, m_totals.at(t) };
        if (!report(step))
            return fail(cancelledText());
        TableDigest digest;
        QString batch;
        int batchRows = 0;
        bool sent = true;
        auto flush = [&]() {
            if (batchRows == 0)
                return true;
            int affected = 0;
            sent = m_destination.execute(batch, &affected, m_error);
            batch.clear();
            batchRows = 0;
            return sent;
        };
        const bool read = LibraryRows::read(
            m_source, table,
            [&](const QVariantList &row) {
                digest.addRow(row);
                batch += batchRows == 0 ? head : QStringLiteral(", ");
                batch += QLatin1Char('(');
                for (int i = 0; i < row.size(); ++i) {
                    if (i > 0)
                        batch += QStringLiteral(", ");
                    batch += LibraryRows::literal(table.columns.at(i).kind, row.at(i));
                }
                batch += QLatin1Char(')');
                ++batchRows;
                ++step.done;
                if ((batchRows >= kBatchRows || batch.size() >= kBatchChars) && !flush())
                    return false;
                return step.done % kReportEvery != 0 || report(step);
            },
            m_error);
        if (read && !flush())
            sent = false;
        if (!sent)
            return fail(text(QT_TRANSLATE_NOOP("LibraryCopy",
                                 "Cannot write %1 in the destination; nothing was copied"))
                            .arg(table.name));
        if (m_cancelled)
            return fail(cancelledText());
        if (!read)
            return fail(text(QT_TRANSLATE_NOOP("LibraryCopy",
                                 "Cannot read %1 from the source; nothing was copied"))
                            .arg(table.name));
        if (!report(step))
            return fail(cancelledText());
        m_sourceSums.append({ table.name, digest.rowCount(), digest.checksum() });
    }
    return true;
}

bool LibraryCopy::checkTables()
{
    const QList<LibraryTable> &tables = m_tables;
    QStringList differing;
    for (int t = 0; t < tables.size(); ++t) {
        const LibraryTable &table = tables.at(t);
        LibraryCopyStep step { LibraryCopyStep::Phase::Checking, table.name, 0,
            m_sourceSums.at(t).rows };
        TableDigest digest;
        const bool read = LibraryRows::read(
            m_destination, table,
            [&](const QVariantList &row) {
                digest.addRow(row);
                ++step.done;
                return step.done % kReportEvery != 0 || report(step);
            },
            m_error);
        if (m_cancelled)
            return fail(cancelledText());
        if (!read)
            return fail(text(QT_TRANSLATE_NOOP("LibraryCopy",
                                 "Cannot read %1 back from the destination; nothing was copied"))
                            .arg(table.name));
        if (!report(step))
            return fail(cancelledText());
        const LibraryTableSum &source = m_sourceSums.at(t);
        m_destinationSums.append({ table.name, digest.rowCount(), digest.checksum() });
        if (digest.rowCount() != source.rows || digest.checksum() != source.checksum) {
            differing.append(
                text(QT_TRANSLATE_NOOP(
                         "LibraryCopy", "%1 (source %2, checksum %3; destination %4, checksum %5)"))
                    .arg(table.name,
                        text(QT_TRANSLATE_N_NOOP("LibraryCopy", "%n row(s)"), source.rows),
                        source.checksum.left(12),
                        text(QT_TRANSLATE_N_NOOP("LibraryCopy", "%n row(s)"), digest.rowCount()),
                        digest.checksum().left(12)));
        }
    }
    if (!differing.isEmpty()) {
        m_error.clear();
        return fail(text(QT_TRANSLATE_NOOP("LibraryCopy",
                             "The copy differs from the source in %1; it was rolled back and the "
                             "destination is unchanged"))
                        .arg(differing.join(QStringLiteral(", "))));
    }
    return true;
}

bool LibraryCopy::summarize(DbDatabase &database, QList<LibraryTableSum> &sums, DbError &error)
{
    sums.clear();
    const QList<LibraryTable> tables = LibraryTables::presentIn(database, error);
    for (const LibraryTable &table : tables) {
        TableDigest digest;
        if (!LibraryRows::read(
                database, table,
                [&digest](const QVariantList &row) {
                    digest.addRow(row);
                    return true;
                },
                error))
            return false;
        sums.append({ table.name, digest.rowCount(), digest.checksum() });
    }
    return true;
}
