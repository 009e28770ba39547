#pragma once

#include "RecordBase.h"

#include <QString>

// One row of tblIllustr, an illustration (story or quotation) sermons can use. The list
// comes sorted by name. Engine failures are trapped: shown through ShowSystemError, the
// operation returns false.
class clsIllustr : private RecordBase
{
public:
    clsIllustr();
    ~clsIllustr() override;

    qint32 IllustrationID() const { return m_illustrationID; }
    void setIllustrationID(qint32 value) { m_illustrationID = value; }
    QString Name() const { return m_name; }
    void setName(const QString &value) { m_name = value; }
    QString Illustration() const { return m_illustration; }
    void setIllustration(const QString &value) { m_illustration = value; }

    using RecordBase::InfoMsg;
    // After a false Replace: the row changed or went since it was loaded (see RecordBase).
    using RecordBase::OverwriteTheirs;
    using RecordBase::SaveConflict;
    // Text and name are required; the text is tested first, so when both are missing the
    // name's message is the one left in InfoMsg.
    bool Check();
    using RecordBase::CloseRecordset;
    using RecordBase::Find;
    using RecordBase::MoveNext;
    using RecordBase::OpenRecordset;
    // Neither AddNew nor Replace runs Check: the screen validates first.
    bool AddNew();
    bool Replace();
    bool Delete();

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;
    QList<ColumnValue> columnValues() const override;

    qint32 m_illustrationID = 0;
    QString m_name;
    QString m_illustration;
};
