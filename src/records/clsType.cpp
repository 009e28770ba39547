#include "clsType.h"

#include <QCoreApplication>

clsType::clsType()
    : LookupRecord({ QStringLiteral("tblType"), QStringLiteral("lngTypeID"),
        QStringLiteral("strTypeDesc"), QCoreApplication::translate("clsType", "Type") })
{
}
