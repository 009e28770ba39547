#pragma once

#include <QString>

class clsConfig;

// Where the library is and who signs in by default: the settings the configuration screen
// writes and the connection loads. Every section and key of them is named here only, so the
// screen and the loader cannot come to read and write different places.
//
//   [DataSource] DataLoc       "Local" or "Server": the section the connection reads
//   [Local]      DBPath        folder of the library file, ending in a separator
//                DBName        the library file's name
//                DSN           kept for the screen; a file needs no data source
//                DBServer      "0"; AccessSecure "-1" with a system database, else "0"
//   [Engines\Jet] SystemDB     kept for the screen, stored only when not blank
//   [Server]     DSN, DBName   the ODBC data source and the database on the server
//                DBServer      "-1"
//   [UserInfo]   UID           the login id offered at sign-in
//   [AppEnv]     Toolbar, StatusBar  "-1"
struct ConnectionSettings
{
    QString dataLoc = QStringLiteral("Local");
    QString localPath;
    QString localName;
    QString localDsn;
    QString systemDatabase;
    QString serverDsn;
    QString serverName;
    QString loginId;

    // The settings in effect; a key not stored keeps its value in `absent`. Without a stored
    // "DataLoc" no settings exist, and `absent` comes back as it is.
    static ConnectionSettings read(clsConfig &config, const ConnectionSettings &absent);
    // Writes every setting in the order they have always been written; the path is trimmed
    // and gets its separator. False when the store refused a write (the rest is not tried).
    bool write(clsConfig &config) const;

    // What the connection opens: the data source of the section "DataLoc" names.
    struct Source
    {
        QString dsn;
        QString databaseName; // the section's path and file name, joined as stored
        bool onServer = false; // the section's "DBServer" flag
        QString loginId;
    };
    // False when no settings exist even after the first-run configuration screen
    // (clsConfig::CheckConfig) had its turn.
    static bool ensureStored(clsConfig &config);
    static Source source(clsConfig &config);
};
