#pragma once

#include "DbError.h"
#include "RowVersion.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class DbDatabase;
class DbSnapshot;

// One column of a record's table and the SQL literal of the value the record holds for it.
struct ColumnValue
{
    QString column;
    QString literal;
};

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
//
// A class that names its table and key column (checkRowsOf) has its saves checked against
// what was loaded: Find keeps the row it read as the version loaded, and updateRow first reads
// the row again in the same write transaction. When another copy of the program changed or
// deleted it meanwhile, nothing is written and SaveConflict() says which; the screen asks the
// user, and OverwriteTheirs() lets the next save go over the other copy's version.
class RecordBase
{
protected:
    enum class EngineErrors { Trapped, ToCaller };

    explicit RecordBase(EngineErrors handling);
    virtual ~RecordBase();
    RecordBase(const RecordBase &) = delete;
    RecordBase &operator=(const RecordBase &) = delete;

    // The pattern's operations under their usual names. A record class offers those it has
    // with a using-declaration, or declares its own where it does more.
    bool Find();
    // Find, handing the row it read to `sameRow` as well: a screen that shows more of the row
    // than the properties hold reads it from the one statement.
    bool Find(const std::function<void(const DbSnapshot &)> &sameRow);
    bool OpenRecordset();
    // OpenRecordset over another SELECT than BuildSelectSql(false): a class's narrower list for
    // one purpose. CopyFields then gets rows of that set (see keptSnapshot()).
    bool openList(const QString &sql);
    bool MoveNext();
    void CloseRecordset();

    // Opens the SELECT without the key filter and keeps it, without reading a row (the
    // default-location record reads its one row separately). False on a failure.
    bool keepSnapshot();
    bool keepSnapshot(const QString &sql);
    DbSnapshot *keptSnapshot() const { return m_rs.get(); }

    // Executes an INSERT, UPDATE or DELETE. Exactly one affected row is success; anything
    // else leaves `failureMessage` in InfoMsg.
    bool writeRow(const QString &sql, const QString &failureMessage);

    // Saves of this class's rows are checked (see above). Called by the constructor.
    void checkRowsOf(const QString &table, const QString &keyColumn);
    // Keeps the current row of a set the screen read itself as the version loaded.
    void keepLoadedRow(const DbSnapshot &rs) { m_version.keep(rs); }
    // writeRow for the INSERT of the row with `key`: the row as stored becomes the version
    // loaded, so that the screen showing it can save it again.
    bool insertRow(const QString &sql, const QString &failureMessage, qint32 key);
    // writeRow for the UPDATE of the row with `key`, after the check. The statement runs only
    // when the row still holds the version loaded (or when no version of it is kept); it is
    // not run, and SaveConflict() tells why, when another copy changed or deleted the row.
    bool updateRow(const QString &sql, const QString &failureMessage, qint32 key);
    // writeRow for the DELETE of the row with `key`: a version kept of it is forgotten, so a
    // later save of the same fields is the plain UPDATE that finds no row.
    bool deleteRow(const QString &sql, const QString &failureMessage, qint32 key);
    // What the last save found instead of the version loaded; None after every other result
    // (every operation starts by clearing it). Classes make these two public.
    RowChange SaveConflict() const { return m_conflict; }
    // The user chose to save over the other copy's version: the next save expects the row
    // the last check found. A third version saved meanwhile is met as a change again.
    void OverwriteTheirs();

    // A new key from the allocator; 0 after a failure, routed as the class's handling says
    // (shown at once, or kept in lastError() for the screen's own message).
    qint32 newKey(const QString &table, const QString &keyField);

    // The saves every record class with a table of its own makes, built from the table and
    // key column named by checkRowsOf and the class's columnValues():
    //   INSERT INTO table (a, b, c ) VALUES (1, 'x', Null)
    //   UPDATE table SET b='x', c=Null WHERE a=1
    //   DELETE FROM table WHERE a=1
    // The columns in the order of the SELECT and the INSERT, the key first.
    virtual QList<ColumnValue> columnValues() const { return {}; }
    // The columns the UPDATE sets, in its order: all but the key unless the class says so.
    virtual QList<ColumnValue> updateValues() const;
    // "a, b, c " — the column list of the SELECT and the INSERT.
    QString columnList() const;
    // AddNew: takes a new key into `key`, runs `check` (when given), and inserts the row.
    // A failed allocation (key 0) has been shown and ends with "Error Adding a New Record";
    // no row is stored under key 0.
    bool addNewRow(qint32 &key, const std::function<bool()> &check = {});
    // Replace: runs `check` (when given), then updates the row with `key` (see updateRow).
    bool replaceRow(qint32 key, const std::function<bool()> &check = {});
    // Delete: the row with `key` (see deleteRow).
    bool deleteRowWithKey(qint32 key);

    // Routes an engine failure as the class's handling says; always false.
    bool engineFailed(const DbError &error);
    // Keeps a failure for the caller without showing it, whatever the class's handling;
    // always false. For the few operations that never trap.
    bool failureToCaller(const DbError &error);

    QString InfoMsg() const { return m_infoMsg; }
    // The column a refused check is about ("strLocation"), so that a screen can put the
    // cursor there without reading the message, whose words follow the interface's language;
    // empty for a message about no one field.
    QString InfoField() const { return m_infoField; }
    void setInfoMessage(const QString &text, const QString &field = {})
    {
        m_infoMsg = text;
        m_infoField = field;
    }
    const DbError &lastError() const { return m_lastError; }
    void clearLastError()
    {
        m_lastError.clear();
        m_conflict = RowChange::None;
    }

    // The open database, or null with `error` saying that none is open.
    static DbDatabase *database(DbError &error);

private:
    virtual QString BuildSelectSql(bool withKey) const = 0;
    virtual void CopyFields(const DbSnapshot &rs) = 0;

    // CopyFields and then a check of the fields it read (a missing column is an error).
    bool copyCurrentRow(const DbSnapshot &rs);

    // Runs `sql` and renews the version in one write transaction; the version is left as it
    // was when anything fails.
    bool writeAndKeep(const QString &sql, const QString &failureMessage, qint32 key, bool check);

    EngineErrors m_handling;
    QString m_table;
    QString m_keyColumn;
    RowVersion m_version;
    RowChange m_conflict = RowChange::None;
    std::unique_ptr<DbSnapshot> m_rs;
    QString m_infoMsg;
    QString m_infoField;
    DbError m_lastError;
};
