#include "ProgramGlobals.h"

#include "clsConfig.h"
#include "clsConnect.h"

QString ActiveDatabase;
QString HelpFilePath;
qint16 OpenScreenCount = 0;

namespace {
clsConnect *g_connection = nullptr;
clsConfig *g_config = nullptr;
} // namespace

clsConnect &ProgramConnection()
{
    // A program without an installed connection still has one: closed, holding nothing,
    // so a record used too early fails with "no database" instead of crashing.
    static clsConnect fallback;
    return g_connection ? *g_connection : fallback;
}

void setProgramConnection(clsConnect *connection)
{
    g_connection = connection;
}

clsConfig &ProgramConfig()
{
    static clsConfig fallback;
    return g_config ? *g_config : fallback;
}

void setProgramConfig(clsConfig *config)
{
    g_config = config;
}
