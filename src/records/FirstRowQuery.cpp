#include "FirstRowQuery.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "UserInterface.h"
#include "clsConnect.h"

QVariantList FirstRowOf(const QString &sql, const QStringList &columns)
{
    DbError error;
    const std::unique_ptr<DbSnapshot> rs = ProgramConnection().openSnapshot(sql, error);
    if (!rs) {
        ShowSystemError(error);
        return {};
    }
    QVariantList values;
    if (!rs->eof()) {
        for (const QString &column : columns) {
            values.append(rs->field(column));
        }
    }
    const DbError readError = rs->lastError();
    rs->close();
    if (readError.isSet()) {
        ShowSystemError(readError);
        return {};
    }
    return values;
}

QString ColumnText(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}
