#include "LibraryCheck.h"

#include "LibraryLogging.h"
#include "SqliteFile.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace {

// The report's words, in the interface's language; `count` picks a counting message's form.
QString text(const char *source, qsizetype count = -1)
{
    return QCoreApplication::translate("LibraryCheck", source, nullptr, int(count));
}

struct MissingParent
{
    const char *what; // in the details
    const char *named; // as the office calls it
    const char *column;
    const char *table;
    bool zeroIsNone; // a key of 0 or less says none was chosen (no shipped row carries it)
    const char *finding; // the sermons that name a missing one, counted
    const char *remedy; // what the office does about it, on the screens it knows
};

// The references of a sermon that the schema does not enforce (type, book) and those it does
// (preacher, series), so a file changed by other tools is judged too. Preacher and series 0
// are shipped rows, so a missing one is a fault; a sermon saved without a type or book keeps 0.
// Each finding is a whole sentence, so that a translation can make its words agree.
const MissingParent sermonParents[] = {
    { QT_TRANSLATE_NOOP("LibraryCheck", "preacher"), QT_TRANSLATE_NOOP("LibraryCheck", "preacher"),
        "lngPreacherID", "tblPreachers", false,
        QT_TRANSLATE_N_NOOP(
            "LibraryCheck", "%n sermon(s) name(s) a preacher that is not in the library"),
        QT_TRANSLATE_NOOP("LibraryCheck",
            "Open each on the Sermons screen and choose its preacher again, or add the preacher "
            "on the Preachers screen.") },
    { QT_TRANSLATE_NOOP("LibraryCheck", "type"), QT_TRANSLATE_NOOP("LibraryCheck", "sermon type"),
        "lngTypeID", "tblType", true,
        QT_TRANSLATE_N_NOOP(
            "LibraryCheck", "%n sermon(s) name(s) a sermon type that is not in the library"),
        QT_TRANSLATE_NOOP(
            "LibraryCheck", "Open each on the Sermons screen and choose its type again.") },
    { QT_TRANSLATE_NOOP("LibraryCheck", "book"), QT_TRANSLATE_NOOP("LibraryCheck", "Bible book"),
        "lngBibleBookID", "tblBibleBooks", true,
        QT_TRANSLATE_N_NOOP(
            "LibraryCheck", "%n sermon(s) name(s) a Bible book that is not in the library"),
        QT_TRANSLATE_NOOP(
            "LibraryCheck", "Open each on the Sermons screen and choose its Bible book again.") },
    { QT_TRANSLATE_NOOP("LibraryCheck", "series"), QT_TRANSLATE_NOOP("LibraryCheck", "series"),
        "lngSeriesID", "tblSeries", false,
        QT_TRANSLATE_N_NOOP(
            "LibraryCheck", "%n sermon(s) name(s) a series that is not in the library"),
        QT_TRANSLATE_NOOP("LibraryCheck",
            "Open each on the Sermons screen and choose its series again, or add the series on "
            "the Series screen.") },
};

constexpr int ListedAtMost = 50;
const QString Indent = QStringLiteral("    ");

QString andMore(qsizetype count)
{
    return Indent + text(QT_TRANSLATE_N_NOOP("LibraryCheck", "… and %n more"), count);
}

// The check as it goes: the lines for the office above, the table-level lines below.
struct Findings
{
    LibraryCheck::Report report;
    QStringList details;

    // One finding: its sentence, the records it names (on the same line when there is one),
    // and what to do about it.
    void add(
        const QString &sentence, const QStringList &records, const QString &remedy, int problems)
    {
        report.problems += problems;
        if (records.size() == 1) {
            report.lines << sentence + QStringLiteral(": ") + records.first();
        } else {
            report.lines << sentence
                    + (records.isEmpty() ? QStringLiteral(".") : QStringLiteral(":"));
            for (const QString &record : records.mid(0, ListedAtMost))
                report.lines << Indent + record;
            if (records.size() > ListedAtMost)
                report.lines << andMore(records.size() - ListedAtMost);
        }
        if (!remedy.isEmpty())
            report.lines << Indent + remedy;
        report.lines << QString();
    }
};

void checkIntegrity(SqliteFile &file, Findings &found)
{
    const QStringList integrity = file.integrityProblems(100);
    if (integrity == QStringList { QStringLiteral("ok") }) {
        found.details << text(QT_TRANSLATE_NOOP("LibraryCheck", "Integrity check: ok"));
        return;
    }
    found.add(text(QT_TRANSLATE_NOOP("LibraryCheck", "The library file is damaged")), {},
        text(QT_TRANSLATE_NOOP("LibraryCheck",
            "Restore it from a backup (File > Restore from Backup...), or ask whoever supports "
            "your installation.")),
        1);
    found.details << text(
        QT_TRANSLATE_NOOP("LibraryCheck", "Integrity check: the file is damaged"));
    for (const QString &line : integrity)
        found.details << Indent + line;
}

// A sermon row without its preacher or series is also named among the sermons below; every
// other broken link is reported here.
bool coveredBySermonChecks(const QVariantList &row)
{
    return row.value(0).toString() == QLatin1String("tblSermons")
        && (row.value(2).toString() == QLatin1String("tblPreachers")
            || row.value(2).toString() == QLatin1String("tblSeries"));
}

void checkForeignKeys(SqliteFile &file, Findings &found)
{
    QVector<QVariantList> rows;
    if (!file.query(QStringLiteral("PRAGMA foreign_key_check"), rows)) {
        found.add(text(QT_TRANSLATE_NOOP(
                      "LibraryCheck", "The links between records could not be checked")),
            {}, text(QT_TRANSLATE_NOOP("LibraryCheck", "See the details below.")), 1);
        found.details << text(QT_TRANSLATE_NOOP("LibraryCheck", "Foreign-key check failed: %1"))
                             .arg(file.lastError());
        return;
    }
    if (rows.isEmpty()) {
        found.details << text(QT_TRANSLATE_NOOP("LibraryCheck", "Foreign-key check: ok"));
        return;
    }
    const qsizetype others = std::count_if(rows.cbegin(), rows.cend(),
        [](const QVariantList &row) { return !coveredBySermonChecks(row); });
    if (others > 0)
        found.add(text(QT_TRANSLATE_N_NOOP("LibraryCheck",
                           "%n link(s) between records point(s) to a record that is no longer "
                           "in the library"),
                      others),
            {},
            text(QT_TRANSLATE_NOOP("LibraryCheck",
                "The table lines under Details below name them for whoever supports your "
                "installation.")),
            int(others));
    found.details << text(QT_TRANSLATE_N_NOOP("LibraryCheck",
                              "Foreign-key check: %n row(s) point(s) to rows that do not exist"),
        rows.size());
    for (const QVariantList &row : rows.mid(0, ListedAtMost))
        found.details << Indent
                + text(QT_TRANSLATE_NOOP("LibraryCheck", "%1 row %2 -> %3"))
                      .arg(row.value(0).toString(), row.value(1).toString(),
                          row.value(2).toString());
}

void countRows(SqliteFile &file, const QStringList &tables, Findings &found)
{
    found.details << QString() << text(QT_TRANSLATE_NOOP("LibraryCheck", "Rows per table:"));
    QStringList unreadable;
    for (const QString &table : tables) {
        const QVariant count
            = file.scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
        if (!count.isValid())
            unreadable << table;
        found.details << Indent
                + QStringLiteral("%1 %2")
                      .arg(table, -24)
                      .arg(count.isValid()
                              ? QLocale::c().toString(count.toLongLong())
                              : text(QT_TRANSLATE_NOOP("LibraryCheck", "unreadable: %1"))
                                    .arg(file.lastError()));
    }
    if (!unreadable.isEmpty())
        found.add(
            text(QT_TRANSLATE_N_NOOP("LibraryCheck", "%n part(s) of the library cannot be read"),
                unreadable.size()),
            {},
            text(QT_TRANSLATE_NOOP("LibraryCheck",
                "Restore the library from a backup (File > Restore from Backup...).")),
            int(unreadable.size()));
}

void checkSermonParents(SqliteFile &file, Findings &found)
{
    found.details << QString();
    QVector<QVariantList> rows;
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
            found.add(text(QT_TRANSLATE_NOOP(
                               "LibraryCheck", "The sermons' %1 links could not be checked"))
                          .arg(text(parent.named)),
                {}, text(QT_TRANSLATE_NOOP("LibraryCheck", "See the details below.")), 1);
            found.details << text(
                QT_TRANSLATE_NOOP("LibraryCheck", "Sermons whose %1 is missing: unreadable (%2)"))
                                 .arg(text(parent.what), file.lastError());
            continue;
        }
        found.details << text(QT_TRANSLATE_NOOP("LibraryCheck", "Sermons whose %1 is missing: %2"))
                             .arg(text(parent.what))
                             .arg(rows.size());
        QStringList sermons;
        for (const QVariantList &row : rows) {
            sermons << row.value(0).toString() + QLatin1Char(' ') + row.value(2).toString();
            if (sermons.size() <= ListedAtMost)
                found.details << Indent
                        + text(QT_TRANSLATE_NOOP("LibraryCheck", "sermon %1 (%2 %3): %4"))
                              .arg(row.value(0).toString(), QLatin1String(parent.column),
                                  row.value(1).toString(), row.value(2).toString());
        }
        if (rows.size() > ListedAtMost)
            found.details << andMore(rows.size() - ListedAtMost);
        if (!rows.isEmpty())
            found.add(
                text(parent.finding, rows.size()), sermons, text(parent.remedy), int(rows.size()));
    }
}

// A recording whose file is no longer where it was added cannot be played or published; it
// is named here, never dropped, so the office can find the file again.
void checkRecordings(SqliteFile &file, Findings &found)
{
    QVector<QVariantList> rows;
    if (!file.query(QStringLiteral("SELECT r.lngSermonID, s.strTitle, r.strSource FROM "
                                   "tblRecordings r LEFT JOIN tblSermons s ON s.lngSermonID = "
                                   "r.lngSermonID ORDER BY r.lngSermonID, r.lngRecordingID"),
            rows)) {
        found.details << text(QT_TRANSLATE_NOOP("LibraryCheck", "Recordings: unreadable (%1)"))
                             .arg(file.lastError());
        return;
    }
    static const QRegularExpression webAddress(
        QStringLiteral("^https?://"), QRegularExpression::CaseInsensitiveOption);
    QStringList missing;
    for (const QVariantList &row : std::as_const(rows)) {
        const QString source = row.value(2).toString();
        if (!webAddress.match(source).hasMatch() && !QFileInfo(source).isFile())
            missing << text(QT_TRANSLATE_NOOP("LibraryCheck", "sermon %1 %2: %3"))
                           .arg(row.value(0).toString(), row.value(1).toString(), source);
    }
    found.details << text(
        QT_TRANSLATE_NOOP("LibraryCheck", "Recordings whose file is missing: %1 of %2"))
                         .arg(missing.size())
                         .arg(rows.size());
    if (!missing.isEmpty())
        found.add(
            text(QT_TRANSLATE_N_NOOP("LibraryCheck", "%n recording(s)' file(s) is/are missing"),
                missing.size()),
            missing,
            text(QT_TRANSLATE_NOOP("LibraryCheck",
                "Put the file back, or remove the recording and add the file again from where it "
                "is now (the sermon screen's Recordings... button).")),
            int(missing.size()));
}

} // namespace

LibraryCheck::Report LibraryCheck::run(const QString &libraryPath)
{
    Findings found;
    found.report.lines << text(QT_TRANSLATE_NOOP("LibraryCheck", "Check of %1")).arg(libraryPath)
                       << text(QT_TRANSLATE_NOOP("LibraryCheck", "Made %1"))
                              .arg(QDateTime::currentDateTime().toString(Qt::ISODate))
                       << QString();
    SqliteFile file;
    if (!file.open(libraryPath, SqliteFile::Mode::ReadOnly)) {
        qCWarning(lcLibrary) << "check could not open" << libraryPath << ":" << file.lastError();
        found.add(text(QT_TRANSLATE_NOOP("LibraryCheck", "The library file cannot be opened")), {},
            text(QT_TRANSLATE_NOOP("LibraryCheck",
                "Make sure the file is there and readable, or restore it from a backup (File > "
                "Restore from Backup...).")),
            1);
        found.report.lines << text(QT_TRANSLATE_NOOP("LibraryCheck", "Details"))
                           << file.lastError();
        return found.report;
    }
    checkIntegrity(file, found);
    checkForeignKeys(file, found);
    const QStringList tables = file.tableNames();
    countRows(file, tables, found);
    if (!tables.contains(QStringLiteral("tblSermons"))) {
        found.add(text(QT_TRANSLATE_NOOP(
                      "LibraryCheck", "The file is not a Lectorum library: it holds no sermons")),
            {},
            text(QT_TRANSLATE_NOOP(
                "LibraryCheck", "Choose the library file again with File > Change Database.")),
            1);
        found.details << QString()
                      << text(
                             QT_TRANSLATE_NOOP("LibraryCheck", "The file holds no sermons table."));
    } else {
        checkSermonParents(file, found);
    }
    if (tables.contains(QStringLiteral("tblRecordings")))
        checkRecordings(file, found);
    Report report = found.report;
    report.lines << (report.problems == 0
            ? text(QT_TRANSLATE_NOOP("LibraryCheck", "No problems found."))
            : text(QT_TRANSLATE_N_NOOP("LibraryCheck", "%n problem(s) found."), report.problems));
    report.lines << QString() << text(QT_TRANSLATE_NOOP("LibraryCheck", "Details"))
                 << found.details;
    return report;
}
