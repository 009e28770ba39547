#include "clsType.h"

clsType::clsType()
    : LookupRecord({ QStringLiteral("tblType"), QStringLiteral("lngTypeID"),
        QStringLiteral("strTypeDesc"), QStringLiteral("Type") })
{
}
