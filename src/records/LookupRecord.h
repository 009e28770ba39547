#pragma once

#include "RecordBase.h"

#include <QString>

// One row of a look-up table that is delivered with the database and only read: a key and a
// text, described by the table's name, its two columns and the label of the validation
// message. The list comes in the table's stored order. Engine failures are trapped: shown
// through ShowSystemError, the operation returns false.
class LookupRecord : protected RecordBase
{
public:
    struct Table
    {
        QString name;
        QString keyColumn;
        QString textColumn;
        // "<label> Must Be Filled In."
        QString label;
    };

    explicit LookupRecord(Table table);
    ~LookupRecord() override;

    using RecordBase::CloseRecordset;
    using RecordBase::Find;
    using RecordBase::InfoField;
    using RecordBase::InfoMsg;
    using RecordBase::lastError;
    using RecordBase::MoveNext;
    using RecordBase::OpenRecordset;
    bool Check();

protected:
    qint32 m_key = 0;
    QString m_text;

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;

    Table m_table;
};
