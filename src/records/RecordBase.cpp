#include "RecordBase.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "DbTransaction.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"

#include <QCoreApplication>

RecordBase::RecordBase(EngineErrors handling)
    : m_handling(handling)
{
}

RecordBase::~RecordBase() = default;

DbDatabase *RecordBase::database(DbError &error)
{
    return ProgramConnection().openDatabase(error);
}

bool RecordBase::engineFailed(const DbError &error)
{
    m_lastError = error;
    if (m_handling == EngineErrors::Trapped)
        ShowSystemError(error);
    return false;
}

bool RecordBase::failureToCaller(const DbError &error)
{
    m_lastError = error;
    return false;
}

bool RecordBase::copyCurrentRow(const DbSnapshot &rs)
{
    CopyFields(rs);
    if (rs.lastError().isSet())
        return engineFailed(rs.lastError());
    return true;
}

bool RecordBase::Find()
{
    return Find(nullptr);
}

bool RecordBase::Find(const std::function<void(const DbSnapshot &)> &sameRow)
{
    clearLastError();
    DbError error;
    DbDatabase *db = database(error);
    if (!db)
        return engineFailed(error);
    // A set of its own, closed on every way out: Find never disturbs a list being walked.
    const std::unique_ptr<DbSnapshot> rs = db->openSnapshot(BuildSelectSql(true), error);
    if (!rs)
        return engineFailed(error);
    if (rs->eof())
        return false;
    if (!copyCurrentRow(*rs))
        return false;
    m_version.keep(*rs);
    if (sameRow)
        sameRow(*rs);
    return true;
}

bool RecordBase::keepSnapshot()
{
    return keepSnapshot(BuildSelectSql(false));
}

bool RecordBase::keepSnapshot(const QString &sql)
{
    clearLastError();
    CloseRecordset(); // a new list replaces the one still open
    DbError error;
    DbDatabase *db = database(error);
    if (!db)
        return engineFailed(error);
    m_rs = db->openSnapshot(sql, error);
    if (!m_rs)
        return engineFailed(error);
    return true;
}

bool RecordBase::OpenRecordset()
{
    return openList(BuildSelectSql(false));
}

bool RecordBase::openList(const QString &sql)
{
    if (!keepSnapshot(sql))
        return false;
    if (m_rs->eof()) {
        CloseRecordset();
        return false;
    }
    return MoveNext();
}

bool RecordBase::MoveNext()
{
    clearLastError();
    if (!m_rs || m_rs->eof()) {
        CloseRecordset();
        return false;
    }
    if (!copyCurrentRow(*m_rs)) {
        CloseRecordset();
        return false;
    }
    m_rs->moveNext();
    if (m_rs->lastError().isSet()) {
        const DbError error = m_rs->lastError();
        CloseRecordset();
        return engineFailed(error);
    }
    return true;
}

void RecordBase::CloseRecordset()
{
    if (m_rs) {
        m_rs->close();
        m_rs.reset();
    }
}

bool RecordBase::writeRow(const QString &sql, const QString &failureMessage)
{
    DbError error;
    int affected = 0;
    DbDatabase *db = database(error);
    if (!db || !db->execute(sql, &affected, error)) {
        m_infoMsg = failureMessage;
        return engineFailed(error);
    }
    if (affected != 1) {
        m_infoMsg = failureMessage;
        return false;
    }
    return true;
}

qint32 RecordBase::newKey(const QString &table, const QString &keyField)
{
    DbError error;
    const qint32 key = ProgramConnection().TableIDGet(table, keyField, error);
    if (key == 0 && error.isSet())
        engineFailed(error);
    return key;
}

void RecordBase::checkRowsOf(const QString &table, const QString &keyColumn)
{
    m_table = table;
    m_keyColumn = keyColumn;
    m_version = RowVersion(table, keyColumn);
}

QList<ColumnValue> RecordBase::updateValues() const
{
    QList<ColumnValue> values = columnValues();
    values.removeIf([this](const ColumnValue &value) { return value.column == m_keyColumn; });
    return values;
}

QString RecordBase::columnList() const
{
    QString list;
    for (const ColumnValue &value : columnValues()) {
        if (!list.isEmpty())
            list += QStringLiteral(", ");
        list += value.column;
    }
    return list + QLatin1Char(' ');
}

bool RecordBase::addNewRow(qint32 &key, const std::function<bool()> &check)
{
    clearLastError();
    // The key is taken first and is not given back when the check or the insert fails.
    key = newKey(m_table, m_keyColumn);
    if (check && !check())
        return false;
    const QString failure = QCoreApplication::translate("RecordBase", "Error Adding a New Record");
    if (key == 0) {
        setInfoMessage(failure);
        return false;
    }
    QString values;
    for (const ColumnValue &value : columnValues()) {
        if (!values.isEmpty())
            values += QStringLiteral(", ");
        values += value.literal;
    }
    const QString sql = QStringLiteral("INSERT INTO ") + m_table + QStringLiteral(" (")
        + columnList() + QStringLiteral(") VALUES (") + values + QStringLiteral(")");
    return insertRow(sql, failure, key);
}

bool RecordBase::replaceRow(qint32 key, const std::function<bool()> &check)
{
    clearLastError();
    if (check && !check())
        return false;
    QString sets;
    for (const ColumnValue &value : updateValues()) {
        if (!sets.isEmpty())
            sets += QStringLiteral(", ");
        sets += value.column + QLatin1Char('=') + value.literal;
    }
    const QString sql = QStringLiteral("UPDATE ") + m_table + QStringLiteral(" SET ") + sets
        + QStringLiteral(" WHERE ") + m_keyColumn + QLatin1Char('=') + SQLLong(key);
    return updateRow(
        sql, QCoreApplication::translate("RecordBase", "Error Updating Current Record"), key);
}

bool RecordBase::deleteRowWithKey(qint32 key)
{
    clearLastError();
    const QString sql = QStringLiteral("DELETE FROM ") + m_table + QStringLiteral(" WHERE ")
        + m_keyColumn + QLatin1Char('=') + SQLLong(key);
    return deleteRow(
        sql, QCoreApplication::translate("RecordBase", "Error Deleting Current Record"), key);
}

void RecordBase::OverwriteTheirs()
{
    m_version.acceptFound();
    m_conflict = RowChange::None;
}

bool RecordBase::insertRow(const QString &sql, const QString &failureMessage, qint32 key)
{
    m_conflict = RowChange::None;
    if (!m_version.checksRows())
        return writeRow(sql, failureMessage);
    return writeAndKeep(sql, failureMessage, key, false);
}

bool RecordBase::updateRow(const QString &sql, const QString &failureMessage, qint32 key)
{
    m_conflict = RowChange::None;
    // Nothing loaded to compare with (a record filled in by code): saved as it always was.
    if (!m_version.holds(key))
        return writeRow(sql, failureMessage);
    return writeAndKeep(sql, failureMessage, key, true);
}

bool RecordBase::deleteRow(const QString &sql, const QString &failureMessage, qint32 key)
{
    m_conflict = RowChange::None;
    if (!writeRow(sql, failureMessage))
        return false;
    if (m_version.holds(key))
        m_version.forget();
    return true;
}

bool RecordBase::writeAndKeep(
    const QString &sql, const QString &failureMessage, qint32 key, bool check)
{
    DbError error;
    DbDatabase *db = database(error);
    if (!db) {
        m_infoMsg = failureMessage;
        return engineFailed(error);
    }
    const RowVersion before = m_version;
    DbTransaction transaction(*db);
    int affected = 0;
    bool ran = transaction.beginWrite(error);
    if (ran && check) {
        RowChange change = RowChange::None;
        ran = m_version.compareStored(*db, change, error);
        if (ran && change != RowChange::None) {
            m_conflict = change; // the transaction ends unused: nothing was written
            return false;
        }
    }
    ran = ran && db->execute(sql, &affected, error);
    if (ran && affected != 1) {
        m_infoMsg = failureMessage;
        return false;
    }
    ran = ran && m_version.reread(*db, key, error) && transaction.commit(error);
    if (!ran) {
        m_version = before;
        m_infoMsg = failureMessage;
        return engineFailed(error);
    }
    return true;
}
