#include "clsConnect.h"

#include "KeyCounter.h"

#include "ConnectionSettings.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "DbTransaction.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "UserInterface.h"

#include <QCoreApplication>
#include <limits>

clsConnect::clsConnect() = default;

clsConnect::~clsConnect()
{
    DataClose();
}

bool clsConnect::LoadSettings(clsConfig &config)
{
    if (!ConnectionSettings::ensureStored(config)) {
        m_validLogon = false;
        return false;
    }
    const ConnectionSettings::Source source = ConnectionSettings::source(config);
    m_dsn = source.dsn;
    m_databaseName = source.databaseName;
    m_onServer = source.onServer;
    m_loginID = source.loginId;
    m_validLogon = true;
    return true;
}

QString OdbcAttributeValue(const QString &value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('{'))
        && !value.contains(QLatin1Char('}')))
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return QLatin1Char('{') + quoted + QLatin1Char('}');
}

QString clsConnect::ConnectString() const
{
    return QStringLiteral("ODBC") + QStringLiteral(";DSN=") + OdbcAttributeValue(m_dsn)
        + QStringLiteral(";UID=") + OdbcAttributeValue(m_loginID) + QStringLiteral(";PWD=")
        + OdbcAttributeValue(m_password) + QStringLiteral(";DATABASE=")
        + OdbcAttributeValue(m_databaseName);
}

bool clsConnect::DataInit()
{
    if (m_workspace)
        return false;
    // The engine's workspace is its driver: without the Qt SQL driver nothing can open.
    const auto engine = m_onServer ? DbDatabase::Engine::Odbc : DbDatabase::Engine::SQLite;
    if (!DbDatabase::engineAvailable(engine))
        return false;
    m_workspace = true;
    return true;
}

bool clsConnect::openDatabase(const QString &localPath)
{
    DbError error;
    if (!m_workspace) {
        error.number = DbErrorNumber::NoDatabase;
        error.driverText = QCoreApplication::translate(
            "clsConnect", "The database engine has not been initialised.");
    } else if (m_onServer) {
        // The text after "ODBC;" is what the driver manager reads.
        m_database = DbDatabase::openOdbc(ConnectString().mid(5), error);
    } else {
        m_database = DbDatabase::openFile(localPath, error);
    }
    if (!m_database) {
        ShowSystemError(error);
        return false;
    }
    return true;
}

bool clsConnect::DataOpen()
{
    if (m_database) {
        m_validLogon = true;
        return false;
    }
    const QString previous
        = BeginBusy(QCoreApplication::translate("clsConnect", "Opening Database..."));
    const bool opened = openDatabase(m_databaseName);
    if (opened)
        ActiveDatabase = m_databaseName;
    EndBusy(previous);
    m_validLogon = opened;
    return opened;
}

bool clsConnect::DataOpen2()
{
    if (m_database) {
        m_validLogon = true;
        return false;
    }
    const bool opened = openDatabase(ActiveDatabase);
    m_validLogon = opened;
    return opened;
}

void clsConnect::DataClose()
{
    m_database.reset();
    m_workspace = false;
}

bool clsConnect::UserGet()
{
    const QString previous
        = BeginBusy(QCoreApplication::translate("clsConnect", "Retrieving User by Login ID"));
    bool result = false;
    // The login id is quoted with its apostrophes doubled, so a typed id can never become
    // part of the statement.
    const QString sql = QStringLiteral(" SELECT lngUserID, ") + QStringLiteral(" strLoginID, ")
        + QStringLiteral(" strFirstName, ") + QStringLiteral(" strLastName, ")
        + QStringLiteral(" strPassword, ") + QStringLiteral(" lngGroupID, ")
        + QStringLiteral(" intConcurrencyID ") + QStringLiteral(" FROM tblUsers ")
        + QStringLiteral(" WHERE strLoginID = ") + SQLQuoted(m_loginID);
    DbError error;
    m_lookupFailed = false;
    const std::unique_ptr<DbSnapshot> users = openSnapshot(sql, error);
    if (!users) {
        ShowSystemError(error);
        m_lookupFailed = true;
        // No user was found, whatever the id found before.
        m_userID = -1;
        EndBusy(previous);
        return false;
    }
    if (users->eof()) {
        m_userID = -1;
    } else {
        m_userID = NullToLong(users->field(u"lngUserID"));
        m_userGroup = NullToLong(users->field(u"lngGroupID"));
        m_userName = NullToText(users->field(u"strFirstName")) + QLatin1Char(' ')
            + NullToText(users->field(u"strLastName"));
        m_password = NullToText(users->field(u"strPassword"));
        result = true;
    }
    users->close();
    EndBusy(previous);
    return result;
}

bool clsConnect::UserCheck(const QString &strPWD)
{
    if (!UserGet()) {
        if (!m_lookupFailed)
            MsgBox(
                QCoreApplication::translate("clsConnect", "No User Exists With the Login ID '%1'")
                    .arg(m_loginID));
        return false;
    }
    const QString previous = BeginBusy(
        QCoreApplication::translate("clsConnect", "Checking Employee Name && Password..."));
    bool result = true;
    if (strPWD != m_password) {
        m_userGroup = -1;
        result = false;
    }
    EndBusy(previous);
    return result;
}

bool clsConnect::PasswordChange(
    const QString &strLoginID, const QString &strOldPassword, const QString &strNewPassword)
{
    const QString previous
        = BeginBusy(QCoreApplication::translate("clsConnect", "Changing Password..."));
    QString where
        = QStringLiteral("WHERE strLoginID = ") + SQLQuoted(strLoginID) + QLatin1Char(' ');
    if (strOldPassword.isEmpty()) {
        where += QStringLiteral("AND (strPassword = ") + SQLQuoted(strOldPassword)
            + QLatin1Char(' ') + QStringLiteral("OR   strPassword Is Null)");
    } else {
        where += QStringLiteral("AND  strPassword = ") + SQLQuoted(strOldPassword);
    }
    DbError error;
    bool result = false;
    auto fail = [&]() {
        ShowSystemError(error);
        EndBusy(previous);
        return false;
    };
    auto found = openSnapshot(QStringLiteral("SELECT strPassword FROM tblUsers ") + where, error);
    if (!found)
        return fail();
    const bool matched = !found->eof();
    found->close();
    if (matched) {
        // The row found is changed under the same condition, so a password changed by
        // someone else meanwhile is not overwritten. An empty new password is stored as
        // Null, the way a user without a password is kept.
        int affected = 0;
        if (!m_database->execute(QStringLiteral("UPDATE tblUsers SET strPassword = ")
                    + (strNewPassword.isEmpty() ? QStringLiteral("Null")
                                                : SQLQuoted(strNewPassword))
                    + QLatin1Char(' ') + where,
                &affected, error))
            return fail();
        result = affected >= 1;
    }
    EndBusy(previous);
    return result;
}

DbDatabase *clsConnect::openDatabase(DbError &error) const
{
    if (!m_database) {
        error.number = DbErrorNumber::NoDatabase;
        error.driverText = QCoreApplication::translate("clsConnect", "No database is open.");
    }
    return m_database.get();
}

std::unique_ptr<DbSnapshot> clsConnect::openSnapshot(const QString &sql, DbError &error) const
{
    DbDatabase *database = openDatabase(error);
    if (!database) {
        error.sql = sql;
        return nullptr;
    }
    return database->openSnapshot(sql, error);
}

qint32 clsConnect::TableIDGet(const QString &strTable, const QString &strKeyFld)
{
    DbError error;
    const qint32 key = allocateKey(strTable, strKeyFld, error);
    if (key == 0 && error.isSet())
        ShowSystemError(error);
    return key;
}

qint32 clsConnect::TableIDGet(const QString &strTable, const QString &strKeyFld, DbError &error)
{
    return allocateKey(strTable, strKeyFld, error);
}

bool clsConnect::advanceCounterAtOnce(
    DbDatabase &db, const QString &strTable, qint32 &key, DbError &error)
{
    // The row lock the UPDATE takes queues other copies of the program behind it, so no two
    // get the same key; the counter's rules are the long way's: 0 or Null hands out 1, and a
    // counter at the largest key is left for the long way to report.
    const QString sql = QStringLiteral("UPDATE tblTableIds SET lngNextID = CASE WHEN lngNextID "
                                       "IS NULL OR lngNextID = 0 THEN 2 ELSE lngNextID + 1 END "
                                       "WHERE strTableName = ")
        + SQLText(strTable)
        + QStringLiteral(" AND (lngNextID IS NULL OR lngNextID < 2147483647) "
                         "RETURNING lngNextID - 1 AS lngKey");
    auto advanced = db.openSnapshot(sql, error);
    if (!advanced || advanced->eof())
        return false;
    key = NullToLong(advanced->field(0));
    if (advanced->lastError().isSet()) {
        error = advanced->lastError();
        return false;
    }
    return true;
}

qint32 clsConnect::allocateKey(const QString &strTable, const QString &strKeyFld, DbError &error)
{
    if (!openDatabase(error))
        return 0;
    DbDatabase &db = *m_database;
    qint32 advancedKey = 0;
    if (db.isPostgres()) {
        if (advanceCounterAtOnce(db, strTable, advancedKey, error))
            return advancedKey;
        if (error.isSet())
            return 0;
    }
    // Reading and rewriting the counter is one exclusive step: two copies of the program
    // allocating at the same moment queue up instead of handing out the same key.
    DbTransaction transaction(db);
    auto fail = [] { return 0; };
    if (!transaction.beginExclusive(QStringLiteral("tblTableIds"), error))
        return fail();
    // A file library advances its counter inside the write lock: a statement committed on its
    // own could be undone by a busy answer at its commit after its key was read. The long way
    // below is left for the first key of a table and for a counter at its end.
    if (!db.isPostgres()) {
        if (advanceCounterAtOnce(db, strTable, advancedKey, error))
            return transaction.commit(error) ? advancedKey : fail();
        if (error.isSet())
            return fail();
    }

    const qint32 key = KeyCounter::take(db, strTable, strKeyFld, 1, 1, error);
    if (key == 0)
        return fail();
    if (!transaction.commit(error))
        return fail();
    return qint32(key);
}
