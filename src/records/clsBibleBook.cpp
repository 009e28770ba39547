#include "clsBibleBook.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

clsBibleBook::clsBibleBook()
    : RecordBase(EngineErrors::Trapped)
{
}

clsBibleBook::~clsBibleBook() = default;

bool clsBibleBook::Check()
{
    if (TrimBlanks(m_bibleBook).isEmpty()) {
        setInfoMessage(QStringLiteral("BibleBook ") + MustBeFilledIn);
        return false;
    }
    return true;
}

bool clsBibleBook::Find()
{
    return findRow();
}

void clsBibleBook::CloseRecordset()
{
    closeList();
}

bool clsBibleBook::OpenRecordset()
{
    return openList();
}

bool clsBibleBook::MoveNext()
{
    return nextRow();
}

QString clsBibleBook::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + QStringLiteral("lngBibleBookID, ")
        + QStringLiteral("strBibleBook ") + QStringLiteral("FROM tblBibleBooks ");
    if (withKey)
        sql += QStringLiteral("WHERE lngBibleBookID=") + SQLLong(m_bibleBookID);
    return sql;
}

void clsBibleBook::CopyFields(const DbSnapshot &rs)
{
    m_bibleBookID = NullToLong(rs.field(u"lngBibleBookID"));
    m_bibleBook = NullToText(rs.field(u"strBibleBook"));
}
