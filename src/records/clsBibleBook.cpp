#include "clsBibleBook.h"

#include <QCoreApplication>

clsBibleBook::clsBibleBook()
    : LookupRecord({ QStringLiteral("tblBibleBooks"), QStringLiteral("lngBibleBookID"),
        QStringLiteral("strBibleBook"), QCoreApplication::translate("clsBibleBook", "BibleBook") })
{
}
