#include "ImportUndo.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "DbTransaction.h"
#include "ImportWriter.h"
#include "LibraryTables.h"
#include "SqlLiterals.h"

#include <QHash>
#include <QSet>

namespace ImportUndo {

namespace {

// The sermons of the batch with the digest each had when imported.
bool batchSermons(DbDatabase &db, qint32 batchID, QList<Sermon> &sermons,
    QHash<qint32, QString> &written, DbError &error)
{
    auto rs = db.openSnapshot(QStringLiteral("SELECT i.lngSermonID, i.strRowDigest, s.strTitle "
                                             "FROM tblImportSermons i LEFT JOIN tblSermons s "
                                             "ON s.lngSermonID = i.lngSermonID "
                                             "WHERE i.lngImportBatchID = ")
            + SQLLong(batchID) + QStringLiteral(" ORDER BY i.lngSermonID"),
        error);
    if (!rs)
        return false;
    for (; !rs->eof(); rs->moveNext()) {
        Sermon s;
        s.sermonID = NullToLong(rs->field(0));
        s.title = NullToText(rs->field(2));
        written.insert(s.sermonID, NullToText(rs->field(1)));
        sermons.append(s);
    }
    return !rs->lastError().isSet() || (error = rs->lastError(), false);
}

bool linkedSermons(DbDatabase &db, const QString &keys, QSet<qint32> &linked, DbError &error)
{
    const QStringList tables { QStringLiteral("tblSermonTopics"),
        QStringLiteral("tblSermonIllustr"), QStringLiteral("tblDateLoc") };
    for (const QString &table : tables) {
        auto rs = db.openSnapshot(QStringLiteral("SELECT DISTINCT lngSermonID FROM %1 WHERE "
                                                 "lngSermonID IN (%2)")
                                      .arg(table, keys),
            error);
        if (!rs)
            return false;
        for (; !rs->eof(); rs->moveNext())
            linked.insert(NullToLong(rs->field(0)));
    }
    return true;
}

// Looks at each sermon of the plan as the library holds it now.
bool assess(DbDatabase &db, Plan &plan, const QHash<qint32, QString> &written, DbError &error)
{
    QList<qint32> keys;
    for (const Sermon &s : std::as_const(plan.sermons))
        keys.append(s.sermonID);
    if (keys.isEmpty())
        return true;
    QHash<qint32, QString> now;
    if (!ImportWriter::sermonDigests(db, keys, now, error))
        return false;
    QStringList texts;
    for (const qint32 key : keys)
        texts.append(SQLLong(key));
    QSet<qint32> linked;
    if (!linkedSermons(db, texts.join(QLatin1Char(',')), linked, error))
        return false;
    for (Sermon &s : plan.sermons) {
        if (!now.contains(s.sermonID))
            s.state = Sermon::State::Gone;
        else if (now.value(s.sermonID) != written.value(s.sermonID))
            s.state = Sermon::State::Changed;
        else
            s.state = Sermon::State::Unchanged;
        s.linked = linked.contains(s.sermonID);
    }
    return true;
}

} // namespace

int Plan::count(Sermon::State state) const
{
    return int(std::count_if(
        sermons.cbegin(), sermons.cend(), [state](const Sermon &s) { return s.state == state; }));
}

int Plan::linkedCount() const
{
    return int(std::count_if(sermons.cbegin(), sermons.cend(),
        [](const Sermon &s) { return s.state == Sermon::State::Unchanged && s.linked; }));
}

bool lastBatch(DbDatabase &db, Plan &plan, DbError &error)
{
    plan = Plan();
    if (!LibraryTables::has(db, QStringLiteral("tblImportSermons")))
        return true;
    plan.available = true;
    auto rs = db.openSnapshot(QStringLiteral("SELECT lngImportBatchID, dtImported, strSource, "
                                             "strUserName FROM tblImportBatches "
                                             "ORDER BY lngImportBatchID DESC"),
        error);
    if (!rs)
        return false;
    if (rs->eof())
        return true;
    plan.batchID = NullToLong(rs->field(0));
    plan.imported = DateFromValue(rs->field(1));
    plan.source = NullToText(rs->field(2));
    plan.userName = NullToText(rs->field(3));
    rs->close();
    QHash<qint32, QString> written;
    return batchSermons(db, plan.batchID, plan.sermons, written, error)
        && assess(db, plan, written, error);
}

bool undo(DbDatabase &db, const Plan &plan, bool deleteLinked, int &deleted, DbError &error)
{
    deleted = 0;
    if (!plan.available || plan.batchID == 0)
        return true;
    DbTransaction transaction(db);
    if (!transaction.beginExclusive(QStringLiteral("tblSermons"), error))
        return false;
    // Looked at again inside the transaction: another copy may have changed a sermon since
    // the user saw the list.
    Plan now;
    now.available = true;
    now.batchID = plan.batchID;
    QHash<qint32, QString> written;
    if (!batchSermons(db, plan.batchID, now.sermons, written, error)
        || !assess(db, now, written, error))
        return false;
    int affected = 0;
    for (const Sermon &s : std::as_const(now.sermons)) {
        if (s.state != Sermon::State::Unchanged || (s.linked && !deleteLinked))
            continue;
        if (!db.execute(
                QStringLiteral("DELETE FROM tblSermons WHERE lngSermonID = ") + SQLLong(s.sermonID),
                &affected, error))
            return false;
        deleted += affected;
    }
    if (!db.execute(QStringLiteral("DELETE FROM tblImportSermons WHERE lngImportBatchID = ")
                + SQLLong(plan.batchID),
            &affected, error)
        || !db.execute(QStringLiteral("DELETE FROM tblImportBatches WHERE lngImportBatchID = ")
                + SQLLong(plan.batchID),
            &affected, error))
        return false;
    if (!transaction.commit(error)) {
        deleted = 0;
        return false;
    }
    return true;
}

} // namespace ImportUndo
