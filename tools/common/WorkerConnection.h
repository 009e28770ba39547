#pragma once

#include "clsConnect.h"

#include <QStringList>

// The helper programs of the tests and the benchmark (second copies of the program) name
// their database as "sqlite PATH" or "odbc DSN=…;UID=…;PWD=;DATABASE=…"; this points a
// connection object at it the way the settings would.
inline void PointWorkerConnectionAt(
    clsConnect &connection, const QString &engine, const QString &address)
{
    if (engine != QLatin1String("odbc")) {
        connection.setDatabaseName(address);
        return;
    }
    connection.setOnServer(true);
    for (const QString &part : address.split(QLatin1Char(';'))) {
        const QString key = part.section(QLatin1Char('='), 0, 0).toUpper();
        const QString value = part.section(QLatin1Char('='), 1);
        if (key == QLatin1String("DSN"))
            connection.setDSN(value);
        else if (key == QLatin1String("UID"))
            connection.setLoginID(value);
        else if (key == QLatin1String("DATABASE"))
            connection.setDatabaseName(value);
    }
}
