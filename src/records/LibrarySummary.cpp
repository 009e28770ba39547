#include "LibrarySummary.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "clsConnect.h"

int LibrarySummary::sermonCount()
{
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    if (!db)
        return -1;
    auto rows = db->openSnapshot(QStringLiteral("SELECT count(*) FROM tblSermons"), error);
    if (!rows || rows->eof())
        return -1;
    return NullToLong(rows->field(0));
}
