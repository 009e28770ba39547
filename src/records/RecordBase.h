#pragma once

#include "DbError.h"

#include <QString>
#include <memory>

class DbDatabase;
class DbSnapshot;

// What every record class shares: the kept list (a read-only snapshot walked forward once),
// the single-row read of Find, the INSERT/UPDATE/DELETE judged by its affected-row count,
// InfoMsg, and the route an engine failure takes.
//
// A record class builds its own SELECT text (BuildSelectSql) and copies a row into its
// properties (CopyFields); the walk itself is here, so that every class keeps the same
// contract: OpenRecordset delivers the first row, MoveNext each further row exactly once and
// closes the set after the last, Find never leaves a set open.
//
// Engine failures take one of two routes, fixed per class:
// - Trapped: shown at once through ShowSystemError; the operation returns false.
// - ToCaller: nothing is shown; the operation returns false and keeps the failure, which the
//   calling screen reads with lastError() right after the false result and must report.
// Either way the failure also stays in lastError() until the next operation starts.
class RecordBase
{
protected:
    enum class EngineErrors { Trapped, ToCaller };

    explicit RecordBase(EngineErrors handling);
    virtual ~RecordBase();
    RecordBase(const RecordBase &) = delete;
    RecordBase &operator=(const RecordBase &) = delete;

    // The pattern's Find, OpenRecordset, MoveNext and CloseRecordset.
    bool findRow();
    bool openList();
    // openList over another SELECT than BuildSelectSql(false): a class's narrower list for
    // one purpose. CopyFields then gets rows of that set (see keptSnapshot()).
    bool openList(const QString &sql);
    bool nextRow();
    void closeList();

    // Opens the SELECT without the key filter and keeps it, without reading a row (the
    // default-location record reads its one row separately). False on a failure.
    bool keepSnapshot();
    bool keepSnapshot(const QString &sql);
    DbSnapshot *keptSnapshot() const { return m_rs.get(); }

    // Executes an INSERT, UPDATE or DELETE. Exactly one affected row is success; anything
    // else leaves `failureMessage` in InfoMsg.
    bool writeRow(const QString &sql, const QString &failureMessage);

    // A new key from the allocator; 0 after a failure, which the allocator has already shown.
    static qint32 newKey(const QString &table, const QString &keyField);

    // Routes an engine failure as the class's handling says; always false.
    bool engineFailed(const DbError &error);
    // Keeps a failure for the caller without showing it, whatever the class's handling;
    // always false. For the few operations that never trap.
    bool failureToCaller(const DbError &error);

    QString infoMessage() const { return m_infoMsg; }
    void setInfoMessage(const QString &text) { m_infoMsg = text; }
    const DbError &lastError() const { return m_lastError; }
    void clearLastError() { m_lastError.clear(); }

    // The open database, or null with `error` saying that none is open.
    static DbDatabase *database(DbError &error);

private:
    virtual QString BuildSelectSql(bool withKey) const = 0;
    virtual void CopyFields(const DbSnapshot &rs) = 0;

    // CopyFields and then a check of the fields it read (a missing column is an error).
    bool copyCurrentRow(const DbSnapshot &rs);

    EngineErrors m_handling;
    std::unique_ptr<DbSnapshot> m_rs;
    QString m_infoMsg;
    DbError m_lastError;
};

// The ending of every validation message: the field's label, then this.
inline const QString MustBeFilledIn = QStringLiteral("Must Be Filled In.");
