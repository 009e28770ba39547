#pragma once

#include "RecordBase.h"
#include "RecordChanges.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <variant>

// A record class over one table whose first column is its key: the class names its columns
// and the properties that hold them once, and the list, Find and the saves follow from that.
//
//   SELECT a, b, c FROM table [WHERE a=1] order
//   INSERT INTO table (a, b, c ) VALUES (1, 'x', Null)
//   UPDATE table SET b='x', c=Null WHERE a=1
//   DELETE FROM table WHERE a=1
//
// AddNew takes the key from the allocator first (it stays used even when the check or the
// insert fails; a failed allocation, already shown, stores nothing under key 0). Which saves
// run Check first is fixed per class. After a successful save the class hears of it through
// stored(), where a class with a listening screen announces the change.
class TableRecord : protected RecordBase
{
public:
    using RecordBase::CloseRecordset;
    using RecordBase::Find;
    using RecordBase::InfoField;
    using RecordBase::InfoMsg;
    using RecordBase::MoveNext;
    using RecordBase::OpenRecordset;
    // After a false Replace: the row changed or went since it was loaded (see RecordBase).
    using RecordBase::OverwriteTheirs;
    using RecordBase::SaveConflict;

    virtual bool Check() = 0;
    bool AddNew();
    bool Replace();
    bool Delete();

protected:
    // The saves that run Check first.
    enum class Checks { None, OnReplace, OnAddAndReplace };
    // A column and the property holding its value (Null reads as 0, empty, or no date).
    struct Binding
    {
        QString name;
        std::variant<qint32 *, qint16 *, QString *, QDateTime *> property;
    };

    // `columns` in the order of the SELECT and the INSERT, the key first; `orderBy` ends the
    // list's SELECT (" ORDER BY ..." with its leading blank, or empty).
    TableRecord(EngineErrors handling, const QString &table, QList<Binding> columns, Checks checks,
        const QString &orderBy = {});
    ~TableRecord() override;

    qint32 key() const { return *m_key; }
    // A successful save (RecordChanges); nothing happens by default.
    virtual void stored(StoredChange change);

    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;
    QList<ColumnValue> columnValues() const override;

private:
    QString m_table;
    QList<Binding> m_columns;
    qint32 *m_key = nullptr;
    Checks m_checks;
    QString m_orderBy;
};
