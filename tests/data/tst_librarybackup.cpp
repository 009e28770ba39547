#include "BackupRotation.h"
#include "LibraryBackup.h"
#include "LibraryCheck.h"
#include "LibraryRestore.h"
#include "ProgramTranslation.h"
#include "SqliteFile.h"
#include "TestEnvironment.h"
#include "UserDataFolder.h"
#include "clsConnect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using TestEnvironment::Engine;

// Backups, restores and the database check on real library files: the rotation arithmetic
// over a year of dates, a restore that brings back every row, a damaged library whose copy
// is kept aside and never restored, and the report of a check.
class tst_LibraryBackup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { qunsetenv("XDG_DATA_HOME"); }
    void rotationOverAYear_data();
    void rotationOverAYear();
    void backupNames_data();
    void backupNames();
    void backupDue_data();
    void backupDue();
    void backupAndRestoreRoundTrip();
    void cancelledCopiesLeaveNothing_data();
    void cancelledCopiesLeaveNothing();
    void damagedLibraryIsKeptAsideNeverRestored();
    void unwritableBackupsFolder();
    void checkReport_data();
    void checkReport();

private:
    QTemporaryDir m_home;
};

namespace {

// Every row of every table as text, table by table: two files hold the same library when
// their dumps are equal.
QStringList dump(const QString &path)
{
    SqliteFile file;
    if (!file.open(path, SqliteFile::Mode::ReadOnly))
        return { file.lastError() };
    QStringList lines;
    for (const QString &table : file.tableNames()) {
        QVector<QVariantList> rows;
        file.query(QStringLiteral("SELECT * FROM \"%1\" ORDER BY 1, 2").arg(table), rows);
        lines << QStringLiteral("table %1: %2 rows").arg(table).arg(rows.size());
        for (const QVariantList &row : rows) {
            QStringList cells;
            for (const QVariant &cell : row)
                cells << (cell.isNull() ? QStringLiteral("<null>") : cell.toString());
            lines << cells.join(QLatin1Char('|'));
        }
    }
    return lines;
}

// Overwrites the root page of an index with noise: the file still opens, its check fails.
void damage(const QString &path)
{
    qint64 page = 0;
    qint64 pageSize = 0;
    {
        SqliteFile file;
        QVERIFY(file.open(path, SqliteFile::Mode::ReadOnly));
        page
            = file.scalar(QStringLiteral(
                              "SELECT rootpage FROM sqlite_master WHERE name = 'SermonBibleOrder'"))
                  .toLongLong();
        pageSize = file.scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
    }
    QVERIFY(page > 1);
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadWrite));
    QVERIFY(raw.seek((page - 1) * pageSize + 8));
    raw.write(QByteArray(int(pageSize) - 16, '\x5a'));
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

void tst_LibraryBackup::init()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
    QVERIFY(ProgramTranslation::install(QStringLiteral("en"))); // "1 sermon", "2 sermons"
}

void tst_LibraryBackup::rotationOverAYear_data()
{
    QTest::addColumn<int>("daily");
    QTest::addColumn<int>("weekly");
    QTest::addColumn<int>("monthly");
    QTest::addColumn<bool>("irregular"); // several a day, days without any
    QTest::addColumn<int>("keptAtEnd"); // -1: not fixed by the schedule
    // 2026: Dec 25–31 daily, Dec 20 and 13 for the weeks, the ends of Jan–Nov for the months.
    QTest::newRow("daily at noon, 7/4/12") << 7 << 4 << 12 << false << 20;
    QTest::newRow("daily at noon, 2/1/3") << 2 << 1 << 3 << false << 4;
    QTest::newRow("irregular, 7/4/12") << 7 << 4 << 12 << true << -1;
    QTest::newRow("irregular, nothing kept but the newest") << 0 << 0 << 0 << true << 1;
}

void tst_LibraryBackup::rotationOverAYear()
{
    QFETCH(int, daily);
    QFETCH(int, weekly);
    QFETCH(int, monthly);
    QFETCH(bool, irregular);
    QFETCH(int, keptAtEnd);
    const BackupRotation::Policy policy { daily, weekly, monthly };
    const QString library = QStringLiteral("lectorum");
    // Files the rotation did not write: never touched.
    const QStringList foreign
        = { QStringLiteral("notes.txt"), QStringLiteral("lectorum-20260101-1200.mdb"),
              QStringLiteral("lectorum-before-restore-20260101-120000.mdb"),
              QStringLiteral("lectorum-20250101-120000.failed-check.mdb"),
              QStringLiteral("lectorum2-20250101-120000.mdb"),
              QStringLiteral("other-20250101-120000.mdb"),
              QStringLiteral(".lectorum-20250101-120000.mdb.99.partial") };
    QStringList folder = foreign;
    QList<QDateTime> made;
    QRandomGenerator random(16);
    for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1)) {
        const int count = irregular ? int(random.bounded(4)) - 1 : 1; // -1..2: days without any
        for (int i = 0; i < count; ++i) {
            const QDateTime when(day,
                irregular ? QTime(
                    int(random.bounded(24)), int(random.bounded(60)), int(random.bounded(60)))
                          : QTime(12, 0));
            const QString name = BackupRotation::fileName(library, when);
            if (folder.contains(name))
                continue;
            folder << name;
            made << when;
            for (const QString &doomed : BackupRotation::namesToDelete(folder, library, policy))
                folder.removeOne(doomed);
        }
        if (made.isEmpty())
            continue;
        for (const QString &name : foreign)
            QVERIFY2(folder.contains(name), qPrintable(name));
        QVERIFY2(folder.size() - foreign.size() <= 1 + daily + weekly + monthly,
            qPrintable(day.toString()));
        std::sort(made.begin(), made.end(), std::greater<>());
        QVERIFY(folder.contains(BackupRotation::fileName(library, made.first())));
        // The newest backup of each of the last N days (weeks, months) with backups is there.
        const auto checkBuckets
            = [&](int buckets, const std::function<qint64(const QDate &)> &bucketOf) {
                  QList<qint64> seen;
                  for (const QDateTime &when : std::as_const(made)) {
                      const qint64 bucket = bucketOf(when.date());
                      if (seen.contains(bucket))
                          continue;
                      if (seen.size() == buckets)
                          break;
                      seen << bucket;
                      if (!folder.contains(BackupRotation::fileName(library, when)))
                          return false;
                  }
                  return true;
              };
        QVERIFY2(checkBuckets(daily, [](const QDate &d) { return d.toJulianDay(); }),
            qPrintable(day.toString()));
        QVERIFY2(checkBuckets(weekly,
                     [](const QDate &d) {
                         int y = 0;
                         const int w = d.weekNumber(&y);
                         return qint64(y) * 100 + w;
                     }),
            qPrintable(day.toString()));
        QVERIFY2(checkBuckets(
                     monthly, [](const QDate &d) { return qint64(d.year()) * 100 + d.month(); }),
            qPrintable(day.toString()));
    }
    if (keptAtEnd >= 0)
        QCOMPARE(folder.size() - foreign.size(), keptAtEnd);
}

void tst_LibraryBackup::backupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stamp"); // empty: not one of lectorum's backups
    QTest::newRow("a backup") << "lectorum-20261208-235959.mdb"
                              << "2026-12-08T23:59:59";
    QTest::newRow("another library") << "lectorum2-20261208-235959.mdb"
                                     << "";
    QTest::newRow("failed its check") << "lectorum-20261208-235959.failed-check.mdb"
                                      << "";
    QTest::newRow("kept by a restore") << "lectorum-before-restore-20261208-235959.mdb"
                                       << "";
    QTest::newRow("unfinished") << ".lectorum-20261208-235959.mdb.12.partial"
                                << "";
    QTest::newRow("no such day") << "lectorum-20261332-120000.mdb"
                                 << "";
    QTest::newRow("upper-case extension") << "lectorum-20261208-235959.MDB"
                                          << "";
}

void tst_LibraryBackup::backupNames()
{
    QFETCH(QString, name);
    QFETCH(QString, stamp);
    const QDateTime when = BackupRotation::stampOf(name, QStringLiteral("lectorum"));
    QCOMPARE(when.isValid() ? when.toString(Qt::ISODate) : QString(), stamp);
    if (when.isValid())
        QCOMPARE(BackupRotation::fileName(QStringLiteral("lectorum"), when), name);
}

void tst_LibraryBackup::backupDue_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("hoursSinceNewest"); // -1: no backup yet
    QTest::addColumn<bool>("due");
    QTest::newRow("off") << 0 << -1 << false;
    QTest::newRow("none yet") << 1 << -1 << true;
    QTest::newRow("23 hours old") << 1 << 23 << false;
    QTest::newRow("25 hours old") << 1 << 25 << true;
    QTest::newRow("3 days old, weekly") << 7 << 72 << false;
}

void tst_LibraryBackup::backupDue()
{
    QFETCH(int, interval);
    QFETCH(int, hoursSinceNewest);
    QFETCH(bool, due);
    QTemporaryDir folder;
    const QDateTime now(QDate(2026, 12, 8), QTime(9, 0));
    QFile(folder.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
    if (hoursSinceNewest >= 0) {
        QFile old(folder.filePath(BackupRotation::fileName(
            QStringLiteral("lectorum"), now.addSecs(qint64(-3600) * hoursSinceNewest))));
        QVERIFY(old.open(QIODevice::WriteOnly));
    }
    QCOMPARE(LibraryBackup::isDue(folder.path(), QStringLiteral("lectorum"), interval, now), due);
}

// A backup holds every row; restoring it brings every table back exactly, and the file it
// replaced is kept aside with the changes made since.
void tst_LibraryBackup::backupAndRestoreRoundTrip()
{
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    const QString library = db.filePath();
    const QStringList original = dump(library);
    const QString folder = LibraryBackup::folderFor(library);
    QVERIFY2(folder.startsWith(UserDataFolder::path() + QStringLiteral("/backups/lectorum-")),
        qPrintable(folder));
    QVERIFY(folder.startsWith(m_home.path()));

    const QDateTime now(QDate(2026, 12, 8), QTime(22, 30, 5));
    const LibraryBackup::Outcome made = LibraryBackup::backUp(library, folder, now, {});
    QVERIFY2(made.ok, qPrintable(made.message));
    QCOMPARE(QFileInfo(made.path).fileName(), QStringLiteral("lectorum-20261208-223005.mdb"));
    QCOMPARE(filesIn(folder), QStringList { QStringLiteral("lectorum-20261208-223005.mdb") });
    QCOMPARE(dump(made.path), original);
    const QList<LibraryBackup::Entry> entries
        = LibraryBackup::list(folder, QStringLiteral("lectorum"), true);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().sermons,
        db.scalar(QStringLiteral("SELECT count(*) FROM tblSermons")).toLongLong());
    QVERIFY(entries.first().sermons > 0);

    // A second backup in the same second gets the next second's name; the day keeps only
    // its newest backup.
    const LibraryBackup::Outcome again = LibraryBackup::backUp(library, folder, now, {});
    QVERIFY2(again.ok, qPrintable(again.message));
    QCOMPARE(QFileInfo(again.path).fileName(), QStringLiteral("lectorum-20261208-223006.mdb"));
    QCOMPARE(again.removed, QStringList { QStringLiteral("lectorum-20261208-223005.mdb") });

    QVERIFY(db.exec(QStringLiteral("DELETE FROM tblPreachers WHERE lngPreacherID <> 0")));
    QVERIFY(db.exec(QStringLiteral("UPDATE tblTopics SET strTopic = 'CHANGED'")));
    const QStringList changed = dump(library);
    QVERIFY(changed != original);
    db.connection().DataClose();

    const LibraryRestore::Outcome restored
        = LibraryRestore::restore(again.path, library, now.addSecs(60));
    QVERIFY2(restored.ok, qPrintable(restored.message));
    QCOMPARE(QFileInfo(restored.asidePath).fileName(),
        QStringLiteral("lectorum-before-restore-20261208-223105.mdb"));
    QCOMPARE(QFileInfo(restored.asidePath).absolutePath(), QFileInfo(library).absolutePath());
    QCOMPARE(dump(library), original);
    QCOMPARE(dump(restored.asidePath), changed);
    QVERIFY(QFileInfo::exists(again.path)); // the backup itself stays
    // Nothing else is left beside the library.
    QCOMPARE(QDir(QFileInfo(library).absolutePath())
                 .entryList({ QStringLiteral(".*partial*") }, QDir::Files | QDir::Hidden),
        QStringList());
}

void tst_LibraryBackup::cancelledCopiesLeaveNothing_data()
{
    QTest::addColumn<bool>("restore"); // a restore, or a backup
    QTest::addColumn<bool>("atTheEnd"); // cancelled once everything was copied, or at once
    QTest::newRow("backup, at once") << false << false;
    QTest::newRow("restore, at once") << true << false;
    QTest::newRow("restore, right before the library is replaced") << true << true;
}

// The progress of a copy is told in bytes up to the whole size; a cancel, until the library
// is replaced, leaves the library as it was and no file of the copy behind.
void tst_LibraryBackup::cancelledCopiesLeaveNothing()
{
    QFETCH(bool, restore);
    QFETCH(bool, atTheEnd);
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    const QString library = db.filePath();
    const QString folder = LibraryBackup::folderFor(library);
    const QDateTime now(QDate(2026, 12, 8), QTime(22, 30, 5));
    const LibraryBackup::Outcome made = LibraryBackup::backUp(library, folder, now, {});
    QVERIFY2(made.ok, qPrintable(made.message));
    QVERIFY(db.exec(QStringLiteral("UPDATE tblTopics SET strTopic = 'CHANGED'")));
    const QStringList before = dump(library);
    db.connection().DataClose();

    QList<QPair<qint64, qint64>> told;
    // At the end: the copy itself runs through; the last question, with the whole size
    // copied a second time, is answered with a cancel.
    const auto progress = [&told, atTheEnd](qint64 copied, qint64 total) {
        const bool copiedBefore = !told.isEmpty() && told.last().first == told.last().second;
        told.append({ copied, total });
        return atTheEnd && !(copied == total && copiedBefore);
    };
    bool cancelled = false;
    QString message;
    if (restore) {
        const LibraryRestore::Outcome outcome
            = LibraryRestore::restore(made.path, library, now.addSecs(60), progress);
        QVERIFY(!outcome.ok);
        QVERIFY(outcome.asidePath.isEmpty());
        cancelled = outcome.cancelled;
        message = outcome.message;
    } else {
        const LibraryBackup::Outcome outcome
            = LibraryBackup::backUp(library, folder, now.addSecs(60), {}, progress);
        QVERIFY(!outcome.ok);
        cancelled = outcome.cancelled;
        message = outcome.message;
    }
    QVERIFY2(cancelled, qPrintable(message));
    QVERIFY(!told.isEmpty());
    QVERIFY(told.last().second >= QFileInfo(made.path).size() / 2);
    if (atTheEnd)
        QCOMPARE(told.last().first, told.last().second);
    else
        QCOMPARE(told.size(), 1);
    QCOMPARE(dump(library), before);
    QCOMPARE(filesIn(folder), QStringList { QFileInfo(made.path).fileName() });
    QCOMPARE(QDir(QFileInfo(library).absolutePath())
                 .entryList({ QStringLiteral("*partial*"), QStringLiteral("*before-restore*") },
                     QDir::Files | QDir::Hidden),
        QStringList());
}

// A damaged library gives a damaged copy: it is kept aside under a name that is never listed,
// rotated or restored, and the user is told.
void tst_LibraryBackup::damagedLibraryIsKeptAsideNeverRestored()
{
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    db.connection().DataClose();
    const QString library = db.filePath();
    CHECKED_STEP(damage(library));
    const QString folder = LibraryBackup::folderFor(library);
    const QDateTime now(QDate(2026, 12, 8), QTime(8, 0));
    const LibraryBackup::Outcome made = LibraryBackup::backUp(library, folder, now, {});
    QVERIFY(!made.ok);
    QVERIFY2(made.message.contains(QStringLiteral("failed its check")), qPrintable(made.message));
    QCOMPARE(filesIn(folder),
        QStringList { QStringLiteral("lectorum-20261208-080000.failed-check.mdb") });
    QVERIFY(LibraryBackup::list(folder, QStringLiteral("lectorum"), false).isEmpty());
    QVERIFY(LibraryBackup::isDue(folder, QStringLiteral("lectorum"), 1, now));

    // Offered by hand anyway, it is refused and the library stays as it was.
    QFile before(library);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    const LibraryRestore::Outcome restored = LibraryRestore::restore(made.path, library, now);
    QVERIFY(!restored.ok);
    QVERIFY2(restored.message.contains(QStringLiteral("failed its check and was not restored")),
        qPrintable(restored.message));
    QVERIFY(before.open(QIODevice::ReadOnly));
    QCOMPARE(before.readAll(), bytes);
}

void tst_LibraryBackup::unwritableBackupsFolder()
{
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    // A file where the backups folder should be: it can be neither made nor written.
    QFile blocker(m_home.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = blocker.fileName() + QStringLiteral("/backups/lectorum");
    const LibraryBackup::Outcome made
        = LibraryBackup::backUp(db.filePath(), folder, QDateTime::currentDateTime(), {});
    QVERIFY(!made.ok);
    QVERIFY2(made.message.contains(folder), qPrintable(made.message));
    QVERIFY(made.path.isEmpty());
    QCOMPARE(LibraryCheck::run(db.filePath()).problems, 0);
}

void tst_LibraryBackup::checkReport_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("problems");
    QTest::addColumn<QStringList>("lines"); // in this order, not necessarily next to each other
    QTest::addColumn<QString>("language");
    QTest::newRow("sound") << "" << 0
                           << QStringList { "No problems found.", "Details", "Integrity check: ok",
                                  "Foreign-key check: ok", "Sermons whose book is missing: 0" }
                           << "en";
    QTest::newRow("type and book missing")
        << "INSERT INTO tblSermons (lngSermonID, lngTypeID, lngBibleBookID, strTitle) VALUES (9001, 77, 99, 'Lost')"
        << 2
        << QStringList { "1 sermon names a sermon type that is not in the library: 9001 Lost",
               "    Open each on the Sermons screen and choose its type again.",
               "1 sermon names a Bible book that is not in the library: 9001 Lost",
               "2 problems found.", "Details", "Sermons whose preacher is missing: 0",
               "Sermons whose type is missing: 1", "    sermon 9001 (lngTypeID 77): Lost",
               "Sermons whose book is missing: 1" }
        << "en";
    QTest::newRow("preacher missing behind the constraints' back")
        << "PRAGMA foreign_keys = OFF; INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngBibleBookID, strTitle) "
           "VALUES (9002, 4242, 1, 'Orphan Sermon')"
        << 1
        << QStringList { "1 sermon names a preacher that is not in the library: 9002 Orphan Sermon",
               "1 problem found.", "Details",
               "Foreign-key check: 1 row points to a row that does not exist",
               "    tblSermons row 9002 -> tblPreachers", "Sermons whose preacher is missing: 1" }
        << "en";
    QTest::newRow("two sermons without their preacher")
        << "PRAGMA foreign_keys = OFF; INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngBibleBookID, strTitle) "
           "VALUES (9002, 4242, 1, 'Orphan Sermon'), (9003, 4243, 1, 'Stray')"
        << 2
        << QStringList { "2 sermons name a preacher that is not in the library:",
               "    9002 Orphan Sermon", "    9003 Stray", "2 problems found.", "Details",
               "Foreign-key check: 2 rows point to rows that do not exist" }
        << "en";
    QTest::newRow("topic link without its topic")
        << "PRAGMA foreign_keys = OFF; INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) "
           "VALUES (1, 4242)"
        << 1
        << QStringList { "1 link between records points to a record that is no longer in the library.",
               "1 problem found.", "Details",
               "Foreign-key check: 1 row points to a row that does not exist" }
        << "en";
    QTest::newRow("damaged page") << "damage" << -1
                                  << QStringList { "The library file is damaged.", "Details",
                                         "Integrity check: the file is damaged" }
                                  << "en";
    // The counted findings agree with their count in Spanish too.
    QTest::newRow("one sermon and two, in Spanish")
        << "INSERT INTO tblSermons (lngSermonID, lngTypeID, lngBibleBookID, strTitle) VALUES (9001, 77, 99, 'Lost'); "
           "PRAGMA foreign_keys = OFF; INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngBibleBookID, strTitle) "
           "VALUES (9002, 4242, 1, 'Orphan Sermon'), (9003, 4243, 1, 'Stray')"
        << 4
        << QStringList { "2 sermones remiten a un predicador que no está en la biblioteca:",
               "1 sermón remite a un tipo de sermón que no está en la biblioteca: 9001 Lost",
               "1 sermón remite a un libro de la Biblia que no está en la biblioteca: 9001 Lost",
               "Se encontraron 4 problemas.", "Detalles", "Comprobación de integridad: correcta",
               "Comprobación de claves externas: 2 filas apuntan a filas que no existen",
               "    tblSermons fila 9002 -> tblPreachers", "Sermones sin su tipo: 1" }
        << "es";
    QTest::newRow("one link, in Spanish")
        << "PRAGMA foreign_keys = OFF; INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) "
           "VALUES (1, 4242)"
        << 1
        << QStringList { "1 vínculo entre registros apunta a un registro que ya no está en la biblioteca.",
               "Se encontró 1 problema.", "Detalles",
               "Comprobación de claves externas: 1 fila apunta a una fila que no existe" }
        << "es";
}

void tst_LibraryBackup::checkReport()
{
    QFETCH(QString, change);
    QFETCH(int, problems);
    QFETCH(QStringList, lines);
    QFETCH(QString, language);
    TestDatabase db(Engine::SQLite, true);
    REQUIRE_DATABASE(db);
    db.connection().DataClose();
    if (change == QLatin1String("damage")) {
        CHECKED_STEP(damage(db.filePath()));
    } else if (!change.isEmpty()) {
        SqliteFile file;
        QVERIFY(file.open(db.filePath(), SqliteFile::Mode::ReadWrite));
        for (const QString &statement : change.split(QStringLiteral("; ")))
            QVERIFY2(file.execute(statement), qPrintable(file.lastError()));
    }
    QVERIFY(ProgramTranslation::install(language));
    const LibraryCheck::Report report = LibraryCheck::run(db.filePath());
    const QString details = QCoreApplication::translate("LibraryCheck", "Details");
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    const QString text = report.lines.join(QLatin1Char('\n'));
    if (problems >= 0)
        QCOMPARE(report.problems, problems);
    else
        QVERIFY(report.problems > 0);
    qsizetype from = 0;
    for (const QString &line : lines) {
        from = report.lines.indexOf(line, from);
        QVERIFY2(from >= 0, qPrintable(line + QStringLiteral("\n--- in ---\n") + text));
    }
    // Above the details the report speaks of sermons and records, never of tables.
    const qsizetype detailsAt = report.lines.indexOf(details);
    QVERIFY(detailsAt > 0);
    const QString office = report.lines.mid(3, detailsAt - 3).join(QLatin1Char('\n'));
    QVERIFY2(!office.contains(QLatin1String("tbl")) && !office.contains(QLatin1String("lng")),
        qPrintable(office));
    QVERIFY(text.section(details, 1).contains(QStringLiteral("tblSermons")));
}

QTEST_GUILESS_MAIN(tst_LibraryBackup)
#include "tst_librarybackup.moc"
