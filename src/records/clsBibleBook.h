#pragma once

#include "LookupRecord.h"

// One row of tblBibleBooks. Its keys run in canonical order, which is also the list's order
// (the table's stored order).
class clsBibleBook : public LookupRecord
{
public:
    clsBibleBook();

    qint32 BibleBookID() const { return m_key; }
    void setBibleBookID(qint32 value) { m_key = value; }
    QString BibleBook() const { return m_text; }
    void setBibleBook(const QString &value) { m_text = value; }
};
