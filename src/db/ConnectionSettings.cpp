#include "ConnectionSettings.h"

#include "SqlLiterals.h"
#include "clsConfig.h"

namespace {

const QString DataSource = QStringLiteral("DataSource");
const QString DataLoc = QStringLiteral("DataLoc");
const QString Local = QStringLiteral("Local");
const QString Server = QStringLiteral("Server");
const QString Jet = QStringLiteral("Engines\\Jet");
const QString UserInfo = QStringLiteral("UserInfo");
const QString AppEnv = QStringLiteral("AppEnv");
const QString DBPath = QStringLiteral("DBPath");
const QString DBName = QStringLiteral("DBName");
const QString DSN = QStringLiteral("DSN");
const QString DBServer = QStringLiteral("DBServer");
const QString AccessSecure = QStringLiteral("AccessSecure");
const QString SystemDB = QStringLiteral("SystemDB");
const QString UID = QStringLiteral("UID");

// Flags are stored as "-1" and "0".
QString flag(bool on)
{
    return on ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

ConnectionSettings ConnectionSettings::read(clsConfig &config, const ConnectionSettings &absent)
{
    ConnectionSettings settings = absent;
    const QString loc = config.GetConfig(DataSource, DataLoc, QString());
    if (loc.isEmpty())
        return settings;
    auto value = [&config](QString &field, const QString &section, const QString &key) {
        field = config.GetConfig(section, key, field);
    };
    settings.dataLoc = loc;
    value(settings.localPath, Local, DBPath);
    value(settings.localName, Local, DBName);
    value(settings.localDsn, Local, DSN);
    value(settings.systemDatabase, Jet, SystemDB);
    value(settings.serverDsn, Server, DSN);
    value(settings.serverName, Server, DBName);
    value(settings.loginId, UserInfo, UID);
    return settings;
}

bool ConnectionSettings::write(clsConfig &config) const
{
    QString path = TrimBlanks(localPath);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    // The secured flag and the system database have always gone together; the name itself is
    // stored as typed.
    const bool secured = !TrimBlanks(systemDatabase).isEmpty();
    struct Setting
    {
        QString section;
        QString key;
        QString value;
    };
    QList<Setting> settings {
        { DataSource, DataLoc, dataLoc },
        { Local, DBName, localName },
        { Local, DBPath, path },
        { Local, DSN, localDsn },
        { Local, DBServer, flag(false) },
    };
    if (secured)
        settings.append({ Jet, SystemDB, systemDatabase });
    settings.append({ Local, AccessSecure, flag(secured) });
    settings.append({
        { Server, DSN, serverDsn },
        { Server, DBName, serverName },
        { Server, DBServer, flag(true) },
        { UserInfo, UID, loginId },
        { AppEnv, QStringLiteral("Toolbar"), flag(true) },
        { AppEnv, QStringLiteral("StatusBar"), flag(true) },
    });
    for (const Setting &setting : settings) {
        if (!config.SaveConfig(setting.section, setting.key, setting.value))
            return false;
    }
    return true;
}

bool ConnectionSettings::ensureStored(clsConfig &config)
{
    config.setSection(DataSource);
    config.setKeyName(DataLoc);
    return config.CheckConfig();
}

ConnectionSettings::Source ConnectionSettings::source(clsConfig &config)
{
    const QString loc = config.GetConfig(DataSource, DataLoc, QString());
    Source source;
    source.dsn = config.GetConfig(loc, DSN, QString());
    // The stored path ends in a separator, so plain concatenation names the file.
    source.databaseName
        = config.GetConfig(loc, DBPath, QString()) + config.GetConfig(loc, DBName, QString());
    source.onServer = NullToLong(config.GetConfig(loc, DBServer, QStringLiteral("0"))) != 0;
    source.loginId = config.GetConfig(UserInfo, UID, QString());
    return source;
}
