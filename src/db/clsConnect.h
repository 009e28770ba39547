#pragma once

#include <QString>
#include <memory>

class DbDatabase;
class DbSnapshot;
struct DbError;
class clsConfig;

// The one database connection of the program: where the data is, who signed in, the open
// database, password checks and key allocation.
class clsConnect
{
public:
    clsConnect();
    ~clsConnect();
    clsConnect(const clsConnect &) = delete;
    clsConnect &operator=(const clsConnect &) = delete;

    // The settings loader: reads the "DataSource" section and the section it names into
    // this object. False (and ValidLogon false) when no settings exist even after the
    // first-run configuration.
    bool LoadSettings(clsConfig &config);

    bool UserCheck(const QString &strPWD);
    // Replaces a user's password when the old one matches (an empty old password also
    // matches a user without one). Both passwords come encoded with PasswordEncode; the
    // login id and the passwords are quoted, so typed text never becomes part of the SQL.
    // True when the user's row was changed.
    bool PasswordChange(
        const QString &strLoginID, const QString &strOldPassword, const QString &strNewPassword);
    // A new key for `strTable`; 0 after a failure (already reported to the user). One short
    // exclusive transaction, so copies of the program sharing a database never get the
    // same key.
    qint32 TableIDGet(const QString &strTable, const QString &strKeyFld);
    // The same, showing nothing: a failure is left in `error` for the caller to report.
    qint32 TableIDGet(const QString &strTable, const QString &strKeyFld, DbError &error);
    // "ODBC;DSN=…;UID=…;PWD=…;DATABASE=…". A value holding ";", "{" or "}" is brace-quoted
    // so it cannot add attributes of its own.
    QString ConnectString() const;

    QString DatabaseName() const { return m_databaseName; }
    void setDatabaseName(const QString &value) { m_databaseName = value; }
    // Closes the database and lets go of the engine; harmless when nothing is open.
    void DataClose();
    bool DataInit();
    bool DataOpen();
    bool DataOpen2();
    DbDatabase *DBObject() const { return m_database.get(); }
    // DBObject(), or null with `error` saying that no database is open.
    DbDatabase *openDatabase(DbError &error) const;
    // A read-only snapshot over `sql` on the open database; null with `error` set when no
    // database is open or the statement fails.
    std::unique_ptr<DbSnapshot> openSnapshot(const QString &sql, DbError &error) const;
    QString DSN() const { return m_dsn; }
    void setDSN(const QString &value) { m_dsn = value; }
    QString LoginID() const { return m_loginID; }
    void setLoginID(const QString &value) { m_loginID = value; }
    bool OnServer() const { return m_onServer; }
    void setOnServer(bool value) { m_onServer = value; }
    QString Password() const { return m_password; }
    void setPassword(const QString &value) { m_password = value; }
    qint32 UserGroup() const { return m_userGroup; }
    void setUserGroup(qint32 value) { m_userGroup = value; }
    qint32 UserID() const { return m_userID; }
    void setUserID(qint32 value) { m_userID = value; }
    QString UserName() const { return m_userName; }
    void setUserName(const QString &value) { m_userName = value; }
    bool ValidLogon() const { return m_validLogon; }
    void setValidLogon(bool value) { m_validLogon = value; }

private:
    bool UserGet();
    bool openDatabase(const QString &localPath);
    qint32 allocateKey(const QString &strTable, const QString &strKeyFld, DbError &error);
    // PostgreSQL: advances an existing counter with keys left in one statement; false with
    // no error when the long way must decide (no counter row, or the counter exhausted).
    bool advanceCounterAtOnce(DbDatabase &db, const QString &strTable, qint32 &key, DbError &error);

    bool m_workspace = false;
    std::unique_ptr<DbDatabase> m_database;
    QString m_databaseName;
    QString m_dsn;
    QString m_userName;
    QString m_loginID;
    QString m_password;
    qint32 m_userID = 0;
    qint32 m_userGroup = 0;
    bool m_onServer = false;
    bool m_validLogon = false;
    bool m_lookupFailed = false; // the last user look-up failed with an error already shown
};

// Brace-quotes an ODBC attribute value that holds ";", "{" or "}" ("}" doubled inside).
QString OdbcAttributeValue(const QString &value);
