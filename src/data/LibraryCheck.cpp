#include "LibraryCheck.h"

#include "SqliteFile.h"

#include <QDateTime>
#include <QLocale>

namespace {

struct MissingParent
{
    const char *what;
    const char *column;
    const char *table;
    bool zeroIsNone; // a key of 0 or less says none was chosen (no shipped row carries it)
};

// The references of a sermon that the schema does not enforce (type, book) and those it does
// (preacher, series), so a file changed by other tools is judged too. Preacher and series 0
// are shipped rows, so a missing one is a fault; a sermon saved without a type or book keeps 0.
const MissingParent sermonParents[] = {
    { "preacher", "lngPreacherID", "tblPreachers", false },
    { "type", "lngTypeID", "tblType", true },
    { "book", "lngBibleBookID", "tblBibleBooks", true },
    { "series", "lngSeriesID", "tblSeries", false },
};

} // namespace

LibraryCheck::Report LibraryCheck::run(const QString &libraryPath)
{
    Report report;
    report.lines << QStringLiteral("Check of %1").arg(libraryPath)
                 << QStringLiteral("Made %1").arg(
                        QDateTime::currentDateTime().toString(Qt::ISODate))
                 << QString();
    SqliteFile file;
    if (!file.open(libraryPath, SqliteFile::Mode::ReadOnly)) {
        ++report.problems;
        report.lines << QStringLiteral("The file cannot be opened: %1").arg(file.lastError());
        return report;
    }

    const QStringList integrity = file.integrityProblems(100);
    if (integrity == QStringList { QStringLiteral("ok") }) {
        report.lines << QStringLiteral("Integrity check: ok");
    } else {
        ++report.problems;
        report.lines << QStringLiteral("Integrity check: the file is damaged");
        for (const QString &line : integrity)
            report.lines << QStringLiteral("    ") + line;
    }

    QVector<QVariantList> rows;
    if (!file.query(QStringLiteral("PRAGMA foreign_key_check"), rows)) {
        ++report.problems;
        report.lines << QStringLiteral("Foreign-key check failed: %1").arg(file.lastError());
    } else if (rows.isEmpty()) {
        report.lines << QStringLiteral("Foreign-key check: ok");
    } else {
        ++report.problems;
        report.lines << QStringLiteral("Foreign-key check: %1 rows point to rows that do not exist")
                            .arg(rows.size());
        for (const QVariantList &row : rows.mid(0, 50))
            report.lines << QStringLiteral("    %1 row %2 -> %3")
                                .arg(row.value(0).toString(), row.value(1).toString(),
                                    row.value(2).toString());
    }

    report.lines << QString() << QStringLiteral("Rows per table:");
    const QStringList tables = file.tableNames();
    for (const QString &table : tables) {
        const QVariant count
            = file.scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
        if (!count.isValid())
            ++report.problems;
        report.lines << QStringLiteral("    %1 %2")
                            .arg(table, -24)
                            .arg(count.isValid()
                                    ? QLocale::c().toString(count.toLongLong())
                                    : QStringLiteral("unreadable: ") + file.lastError());
    }

    report.lines << QString();
    if (!tables.contains(QStringLiteral("tblSermons"))) {
        ++report.problems;
        report.lines << QStringLiteral("The file holds no sermons table.");
    } else {
        for (const MissingParent &parent : sermonParents) {
            const QString sql
                = QStringLiteral(
                    "SELECT s.lngSermonID, s.%1, s.strTitle FROM tblSermons s WHERE %3NOT EXISTS "
                    "(SELECT 1 FROM %2 p WHERE p.%1 = s.%1) ORDER BY s.lngSermonID")
                      .arg(QLatin1String(parent.column), QLatin1String(parent.table),
                          parent.zeroIsNone
                              ? QStringLiteral("s.%1 > 0 AND ").arg(QLatin1String(parent.column))
                              : QString());
            if (!file.query(sql, rows)) {
                ++report.problems;
                report.lines << QStringLiteral("Sermons whose %1 is missing: unreadable (%2)")
                                    .arg(QLatin1String(parent.what), file.lastError());
                continue;
            }
            report.lines << QStringLiteral("Sermons whose %1 is missing: %2")
                                .arg(QLatin1String(parent.what))
                                .arg(rows.size());
            report.problems += int(rows.size());
            for (const QVariantList &row : rows.mid(0, 50))
                report.lines << QStringLiteral("    sermon %1 (%2 %3): %4")
                                    .arg(row.value(0).toString(), QLatin1String(parent.column),
                                        row.value(1).toString(), row.value(2).toString());
            if (rows.size() > 50)
                report.lines << QStringLiteral("    … and %1 more").arg(rows.size() - 50);
        }
    }
    report.lines << QString()
                 << (report.problems == 0
                            ? QStringLiteral("No problems found.")
                            : QStringLiteral("Problems found: %1.").arg(report.problems));
    return report;
}
