#pragma once

#include "ChangedUnderneath.h"
#include "ListEditScreen.h"

// The record side of a list-plus-detail screen, the same for every record class: the walk,
// the look-up by key, the saves, the conflict questions and another copy's version all go
// straight to the screen's record, whose key the screen names once (Key and SetKey). A
// screen adds what is its own: the list text, the fields, the check and the fields of
// another copy's version (theirVersion). Base is ListEditScreen or a screen kind built on it.
template <class Record, qint32 (Record::*Key)() const, void (Record::*SetKey)(qint32),
    class Base = ListEditScreen>
class RecordEditScreen : public Base
{
public:
    using Base::Base;

protected:
    bool firstRecord() override { return m_record.OpenRecordset(); }
    bool nextRecord() override { return m_record.MoveNext(); }
    qint32 recordKey() const override { return (m_record.*Key)(); }
    bool findRecord(qint32 key) override
    {
        (m_record.*SetKey)(key);
        return m_record.Find();
    }
    bool insertRecord() override { return m_record.AddNew(); }
    bool replaceRecord(qint32 key) override
    {
        (m_record.*SetKey)(key);
        return m_record.Replace();
    }
    bool deleteRecord(qint32 key) override
    {
        (m_record.*SetKey)(key);
        return m_record.Delete();
    }
    RowChange replaceConflict() const override { return m_record.SaveConflict(); }
    void overwriteTheirs() override { m_record.OverwriteTheirs(); }
    QString recordInfoMsg() const override { return m_record.InfoMsg(); }
    void showTheirVersion(qint32 key) override
    {
        Record theirs;
        (theirs.*SetKey)(key);
        if (theirs.Find()) {
            ChangedUnderneath::showTheirVersion(this, theirVersion(theirs));
        }
    }

    // Another copy's row as the read-only window shows it.
    virtual ChangedUnderneath::TheirVersion theirVersion(const Record &theirs) const = 0;

    Record m_record;
};
