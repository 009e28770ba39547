#pragma once

#include "RecordBase.h"

#include <QString>

// One row of tblBibleBooks. The table is delivered with the database and only read; its
// keys run in canonical order, which is also the list's order (the table's stored order).
// Engine failures are trapped: shown through ShowSystemError, the operation returns false.
class clsBibleBook : private RecordBase
{
public:
    clsBibleBook();
    ~clsBibleBook() override;

    qint32 BibleBookID() const { return m_bibleBookID; }
    void setBibleBookID(qint32 value) { m_bibleBookID = value; }
    QString BibleBook() const { return m_bibleBook; }
    void setBibleBook(const QString &value) { m_bibleBook = value; }

    QString InfoMsg() const { return infoMessage(); }
    bool Check();
    bool Find();
    void CloseRecordset();
    bool OpenRecordset();
    bool MoveNext();

private:
    QString BuildSelectSql(bool withKey) const override;
    void CopyFields(const DbSnapshot &rs) override;

    qint32 m_bibleBookID = 0;
    QString m_bibleBook;
};
