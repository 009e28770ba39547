#include "ImportWriter.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "DbTransaction.h"
#include "ImportLogging.h"
#include "KeyCounter.h"
#include "LibraryTables.h"
#include "SqlLiterals.h"
#include "TableDigest.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QSet>
#include <limits>

namespace {

QString sermonInsert(qint32 key, const ImportRow &row)
{
    return QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, "
                          "lngBibleBookID, intBeginChapter, intBeginVerse, intEndChapter, "
                          "intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, "
                          "dtDatePreached, strLocation, strOutline) VALUES (")
        + SQLLong(key) + u", " + SQLLong(row.preacherID) + u", " + SQLLong(row.typeID) + u", "
        + SQLLong(row.bookID) + u", " + SQLLong(row.beginChapter) + u", " + SQLLong(row.beginVerse)
        + u", " + SQLLong(row.endChapter) + u", " + SQLLong(row.endVerse) + u", "
        + SQLText(row.bookID > 0 ? row.passage : QString()) + u", " + SQLLong(row.seriesID) + u", "
        + SQLText(row.title) + u", " + SQLText(row.bigIdea) + u", "
        + SQLDate(QDateTime(row.date, row.timeOfDay)) + u", " + SQLText(row.location) + u", "
        + SQLText(row.outline) + u")";
}

QString keyList(const QList<qint32> &keys)
{
    QStringList texts;
    for (const qint32 key : keys)
        texts.append(SQLLong(key));
    return texts.join(QLatin1Char(','));
}

bool remember(DbDatabase &db, qint32 batchID, const QString &source, const QString &userName,
    const QList<qint32> &keys, DbError &error)
{
    int affected = 0;
    if (!db.execute(QStringLiteral("INSERT INTO tblImportBatches (lngImportBatchID, dtImported, "
                                   "strSource, strUserName) VALUES (")
                + SQLLong(batchID) + u", " + SQLDate(QDateTime::currentDateTime()) + u", "
                + SQLText(source.left(250)) + u", " + SQLText(userName) + u")",
            &affected, error))
        return false;
    QHash<qint32, QString> digests;
    if (!ImportWriter::sermonDigests(db, keys, digests, error))
        return false;
    for (const qint32 key : keys) {
        if (!db.execute(QStringLiteral("INSERT INTO tblImportSermons (lngImportBatchID, "
                                       "lngSermonID, strRowDigest) VALUES (")
                    + SQLLong(batchID) + u", " + SQLLong(key) + u", " + SQLText(digests.value(key))
                    + u")",
                &affected, error))
            return false;
    }
    return true;
}

// The next key the counter of tblSermons would hand out, without taking it.
qint64 nextSermonKey(DbDatabase &db, DbError &error)
{
    auto rs = db.openSnapshot(QStringLiteral("SELECT lngNextID FROM tblTableIds WHERE "
                                             "strTableName = 'tblSermons'"),
        error);
    if (!rs)
        return -1;
    if (!rs->eof())
        return NullToLong(rs->field(0));
    rs->close();
    auto largest
        = db.openSnapshot(QStringLiteral("SELECT Max(lngSermonID) FROM tblSermons"), error);
    if (!largest)
        return -1;
    return largest->field(0).isNull() ? 1 : qint64(NullToLong(largest->field(0))) + 1;
}

// The key of each row: its wanted key where the counter has not handed it out yet and no
// other row wants it, else one reserved from the counter (above every kept key, so the
// counter never hands a kept key out later).
bool assignKeys(DbDatabase &db, const QList<ImportRow> &rows, QList<qint32> &keys, DbError &error)
{
    keys = QList<qint32>(rows.size(), 0);
    const qint64 next = nextSermonKey(db, error);
    if (next < 0)
        return false;
    QSet<qint32> kept;
    qint32 largestKept = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const qint32 wanted = rows.at(i).wantedKey;
        if (wanted > 0 && wanted >= next && !kept.contains(wanted)) {
            kept.insert(wanted);
            keys[i] = wanted;
            largestKept = qMax(largestKept, wanted);
        }
    }
    const int count = int(rows.size() - kept.size());
    if (count == 0 && kept.isEmpty())
        return true;
    const qint32 first = KeyCounter::take(db, QStringLiteral("tblSermons"),
        QStringLiteral("lngSermonID"), count, largestKept + 1, error);
    if (first == 0)
        return false;
    qint32 given = first;
    for (qint32 &key : keys) {
        if (key == 0)
            key = given++;
    }
    return true;
}

bool linkTopics(DbDatabase &db, qint32 sermonID, const QList<qint32> &topics, DbError &error)
{
    int affected = 0;
    for (const qint32 topic : topics) {
        if (!db.execute(QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) "
                                       "VALUES (")
                    + SQLLong(sermonID) + u", " + SQLLong(topic) + u")",
                &affected, error))
            return false;
    }
    return true;
}

} // namespace

namespace ImportWriter {

bool sermonDigests(
    DbDatabase &db, const QList<qint32> &keys, QHash<qint32, QString> &digests, DbError &error)
{
    // In slices, so that no statement grows without bound on a large batch.
    for (qsizetype at = 0; at < keys.size(); at += 500) {
        auto rs = db.openSnapshot(QStringLiteral("SELECT * FROM tblSermons WHERE lngSermonID IN (")
                + keyList(keys.mid(at, 500)) + u")",
            error);
        if (!rs)
            return false;
        const int keyField = rs->fieldIndex(u"lngSermonID");
        for (; !rs->eof(); rs->moveNext()) {
            QVariantList values;
            for (int i = 0; i < rs->fieldCount(); ++i)
                values.append(rs->field(i));
            TableDigest digest;
            digest.addRow(values);
            digests.insert(NullToLong(rs->field(keyField)), digest.checksum());
        }
        if (rs->lastError().isSet()) {
            error = rs->lastError();
            return false;
        }
    }
    return true;
}

ImportOutcome write(DbDatabase &db, const QList<ImportRow> &rows, const QString &source,
    const QString &userName, ImportNames *names, const ImportNames::Missing &create)
{
    ImportOutcome outcome;
    QList<ImportRow> chosen;
    for (const ImportRow &row : rows) {
        if (row.writable())
            chosen.append(row);
    }
    // Probed before the transaction: a failed statement would end a server's transaction.
    const bool keepsBatches = LibraryTables::has(db, QStringLiteral("tblImportSermons"));
    auto fail = [&outcome](const QString &what) {
        outcome.message
            = QCoreApplication::translate("ImportWriter", "%1; nothing was imported.").arg(what);
        qCWarning(lcImport) << outcome.message << outcome.error.number << outcome.error.driverText;
        outcome.sermonIDs.clear();
        outcome.written = 0;
        outcome.batchID = 0;
        return outcome;
    };
    if (chosen.isEmpty()) {
        outcome.message
            = QCoreApplication::translate("ImportWriter", "No file is ticked for import.");
        return outcome;
    }
    DbTransaction transaction(db);
    if (!transaction.beginExclusive(QStringLiteral("tblTableIds"), outcome.error))
        return fail(QCoreApplication::translate(
            "ImportWriter", "The library could not be opened for writing"));
    if (names && !create.isEmpty() && !names->create(db, create, outcome.error))
        return fail(QCoreApplication::translate(
            "ImportWriter", "The new preachers, series and topics could not be written"));
    QList<qint32> keys;
    if (!assignKeys(db, chosen, keys, outcome.error))
        return fail(QCoreApplication::translate(
            "ImportWriter", "No keys could be reserved for the sermons"));
    for (int i = 0; i < chosen.size(); ++i) {
        ImportRow &row = chosen[i];
        if (names)
            names->resolve(row);
        int affected = 0;
        if (!db.execute(sermonInsert(keys.at(i), row), &affected, outcome.error)
            || (names && !linkTopics(db, keys.at(i), names->topicKeys(row), outcome.error))) {
            outcome.failedFile = row.source.displayName;
            return fail(
                QCoreApplication::translate("ImportWriter", "The sermon of %1 could not be written")
                    .arg(outcome.failedFile));
        }
        outcome.sermonIDs.append(keys.at(i));
    }
    if (keepsBatches) {
        outcome.batchID = KeyCounter::take(db, QStringLiteral("tblImportBatches"),
            QStringLiteral("lngImportBatchID"), 1, 1, outcome.error);
        if (outcome.batchID == 0
            || !remember(db, outcome.batchID, source, userName, outcome.sermonIDs, outcome.error))
            return fail(QCoreApplication::translate(
                "ImportWriter", "The import could not be remembered for undoing"));
    }
    if (!transaction.commit(outcome.error))
        return fail(
            QCoreApplication::translate("ImportWriter", "The library did not keep the import"));
    outcome.ok = true;
    outcome.written = int(outcome.sermonIDs.size());
    outcome.message = QObject::tr("Imported %n sermon(s).", nullptr, outcome.written);
    if (!keepsBatches)
        outcome.message += QLatin1Char(' ')
            + QCoreApplication::translate("ImportWriter",
                "This library was made before imports could be undone; this one cannot be.");
    return outcome;
}

} // namespace ImportWriter
