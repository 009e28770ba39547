#include "clsBibleBook.h"

clsBibleBook::clsBibleBook()
    : LookupRecord({ QStringLiteral("tblBibleBooks"), QStringLiteral("lngBibleBookID"),
        QStringLiteral("strBibleBook"), QStringLiteral("BibleBook") })
{
}
