#include "DbDatabase.h"
#include "PasswordEncode.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenTestReset.h"
#include "StatementLog.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmLogin.h"
#include "frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestEnvironment::Engine;

namespace {

const QString Invalid = QStringLiteral("Invalid User ID/Password");
const QString Exceeded = QStringLiteral("Exceeded Login Attemps");
const QString FillIn = QStringLiteral("Please Fill In Your User Name");

// Users beside the delivered "admin" (password "sermon"): one without a password, one whose
// login id and surname hold a tab (the list text cannot be split to find the id), one with an
// apostrophe.
bool addUsers(TestDatabase &db)
{
    const QString insert
        = QStringLiteral("INSERT INTO tblUsers (lngUserID, strLoginID, strFirstName, "
                         "strLastName, strPassword, lngGroupID, intConcurrencyID) VALUES ");
    return db.exec(insert + QStringLiteral("(2, 'pat', 'Pat', 'Pastor', NULL, 2, 0)"))
        && db.exec(insert + QStringLiteral("(3, 'ab\tcd', 'Tab', 'Hol\tder', '")
            + PasswordEncode(QStringLiteral("secret")) + QStringLiteral("', 2, 0)"))
        && db.exec(insert + QStringLiteral("(4, 'o''neil', 'Owen', 'O''Neil', '")
            + PasswordEncode(QStringLiteral("pw")) + QStringLiteral("', 2, 0)"));
}

} // namespace

class tst_Login : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void localModeListsEveryUser();
    void localSignIn_data();
    void localSignIn();
    void threeFailuresCloseTheScreen();
    void cancelAndEscapeSignNobodyIn_data();
    void cancelAndEscapeSignNobodyIn();
    void everyPressCounts();
    void serverSignIn_data();
    void serverSignIn();
    void passwordChange_data();
    void passwordChange();

private:
    void choose(frmLogin &screen, const QString &loginId);
    void signIn(frmLogin &screen, const QString &password);

    std::unique_ptr<frmMain> m_main;
};

void tst_Login::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_Login::init()
{
    ScreenTestReset::begin();
    m_main = std::make_unique<frmMain>();
    QtUserInterface::instance().setStatusTextRaw(ProductName);
}

void tst_Login::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    m_main.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_Login::choose(frmLogin &screen, const QString &loginId)
{
    auto *names = screen.findChild<QComboBox *>(QStringLiteral("cboNames"));
    const int index = names->findText(frmLogin::NameSeparator() + loginId, Qt::MatchEndsWith);
    QVERIFY(index >= 0);
    names->setCurrentIndex(index);
}

void tst_Login::signIn(frmLogin &screen, const QString &password)
{
    auto *box = screen.findChild<QLineEdit *>(QStringLiteral("txtPassword"));
    box->clear();
    QTest::keyClicks(box, password);
    QTest::mouseClick(screen.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
}

void tst_Login::localModeListsEveryUser()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    QVERIFY(addUsers(db));
    db.connection().setValidLogon(true);
    // Opened during a longer step (start-up), it leaves that step's hourglass up.
    UserInterface::current().setHourglass(true);
    frmLogin screen(db.connection());
    QVERIFY(UserInterface::current().hourglassShown());
    UserInterface::current().setHourglass(false);
    QVERIFY(!db.connection().ValidLogon());
    QCOMPARE(screen.windowTitle(), QStringLiteral("Login"));
    QVERIFY(screen.findChild<QLabel *>(QStringLiteral("pnlAppName"))
                ->text()
                .startsWith(QStringLiteral("Lectorum - Version ")));
    auto *names = screen.findChild<QComboBox *>(QStringLiteral("cboNames"));
    QVERIFY(!names->isEditable());
    QCOMPARE(names->currentIndex(), -1);
    QVERIFY(!screen.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled());
    QVERIFY(screen.findChild<QLineEdit *>(QStringLiteral("txtName"))->isHidden());
    QCOMPARE(names->count(), 4);
    // Alphabetical by name; the login id sits after 70 blanks and a tab.
    QCOMPARE(names->itemText(0),
        QStringLiteral("Hol\tder, Tab") + QString(70, ' ') + QStringLiteral("\tab\tcd"));
    QCOMPARE(names->itemText(1),
        QStringLiteral("O'Neil, Owen") + QString(70, ' ') + QStringLiteral("\to'neil"));
    QCOMPARE(names->itemText(2),
        QStringLiteral("Office, Church") + QString(70, ' ') + QStringLiteral("\tadmin"));
    QCOMPARE(names->itemData(2).toInt(), 1);
    QCOMPARE(screen.findChild<QLineEdit *>(QStringLiteral("txtPassword"))->echoMode(),
        QLineEdit::Password);
    names->setCurrentIndex(3);
    QVERIFY(screen.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled());
}

void tst_Login::localSignIn_data()
{
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("userName"); // empty: the sign-in fails
    QTest::newRow("no password, empty box") << "pat"
                                            << ""
                                            << "Pat Pastor";
    QTest::newRow("right password, any case") << "admin"
                                              << " SerMon "
                                              << "Church Office";
    QTest::newRow("wrong password") << "admin"
                                    << "psalm"
                                    << "";
    QTest::newRow("password for a user without one") << "pat"
                                                     << "x"
                                                     << "";
    QTest::newRow("punctuation in the password") << "admin"
                                                 << "ser-mon!"
                                                 << "";
    QTest::newRow("login id with a tab") << "ab\tcd"
                                         << "secret"
                                         << "Tab Hol\tder";
    QTest::newRow("login id with an apostrophe") << "o'neil"
                                                 << "pw"
                                                 << "Owen O'Neil";
}

void tst_Login::localSignIn()
{
    QFETCH(QString, loginId);
    QFETCH(QString, password);
    QFETCH(QString, userName);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    QVERIFY(addUsers(db));
    frmLogin screen(db.connection());
    screen.show();
    CHECKED_STEP(choose(screen, loginId));
    signIn(screen, password);
    QCOMPARE(db.connection().LoginID(), loginId);
    if (userName.isEmpty()) {
        QCOMPARE(MsgBoxScript::shown(), QStringList { Invalid });
        QVERIFY(screen.isVisible());
        QVERIFY(!db.connection().ValidLogon());
        QCOMPARE(screen.attempts(), qint16(1));
        return;
    }
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QVERIFY(db.connection().ValidLogon());
    QCOMPARE(db.connection().UserName(), userName);
    QCOMPARE(m_main->pnlUser()->text(), userName);
}

void tst_Login::threeFailuresCloseTheScreen()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    frmLogin screen(db.connection());
    screen.show();
    CHECKED_STEP(choose(screen, QStringLiteral("admin")));
    for (int press = 1; press <= 3; ++press)
        signIn(screen, QStringLiteral("wrong"));
    QCOMPARE(MsgBoxScript::shown(), (QStringList { Invalid, Invalid, Invalid, Exceeded }));
    QCOMPARE(MsgBoxScript::shownCaptions().last(), QStringLiteral("Login"));
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Rejected));
    QVERIFY(!db.connection().ValidLogon());
    QCOMPARE(GetStatusText().trimmed(), ProductName);
}

void tst_Login::cancelAndEscapeSignNobodyIn_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
}

void tst_Login::cancelAndEscapeSignNobodyIn()
{
    QFETCH(bool, escape);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    frmLogin screen(db.connection());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(GetStatusText(), QStringLiteral(" Login "));
    db.connection().setValidLogon(true);
    if (escape)
        QTest::keyClick(&screen, Qt::Key_Escape);
    else
        QTest::mouseClick(
            screen.findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    QVERIFY(!screen.isVisible());
    QVERIFY(!db.connection().ValidLogon());
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(GetStatusText().trimmed(), ProductName);
}

void tst_Login::everyPressCounts()
{
    // Server mode with a data source that does not exist: two presses without a name, then
    // one that cannot reach the server.
    clsConnect connection;
    connection.setOnServer(true);
    connection.setDSN(QStringLiteral("lectorum_no_such_source"));
    connection.setDatabaseName(QStringLiteral("lectorum"));
    frmLogin screen(connection);
    screen.show();
    auto *name = screen.findChild<QLineEdit *>(QStringLiteral("txtName"));
    QVERIFY(name->isVisible());
    QVERIFY(screen.findChild<QComboBox *>(QStringLiteral("cboNames"))->isHidden());
    QTest::keyClicks(name, QStringLiteral("x"));
    QTest::keyClick(name, Qt::Key_Backspace);
    signIn(screen, QString());
    signIn(screen, QString());
    QCOMPARE(MsgBoxScript::shown(), (QStringList { FillIn, FillIn }));
    QCOMPARE(MsgBoxScript::shownCaptions(), (QStringList { "Login", "Login" }));
    QVERIFY(screen.isVisible());
    QTest::keyClicks(name, QStringLiteral("postgres"));
    signIn(screen, QStringLiteral("secret"));
    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), 5);
    QVERIFY2(shown.at(2).startsWith(QStringLiteral("An Error Occurred in the System ")),
        qPrintable(shown.at(2)));
    QCOMPARE(shown.mid(3), (QStringList { Invalid, Exceeded }));
    QVERIFY(!screen.isVisible());
    QVERIFY(!connection.ValidLogon());
    QVERIFY(!connection.DBObject());
    QCOMPARE(connection.LoginID(), QStringLiteral("postgres"));
}

void tst_Login::serverSignIn_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("signedIn");
    QTest::newRow("right password") << "Secret1" << true;
    QTest::newRow("wrong password") << "Secret2" << false;
}

void tst_Login::serverSignIn()
{
    QFETCH(QString, password);
    QFETCH(bool, signedIn);
    TestDatabase db { Engine::PostgreSQL };
    REQUIRE_DATABASE(db);
    // The server lets every user connect (trust); tblUsers decides who signs in.
    const QString loginId = db.connection().LoginID();
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblUsers (lngUserID, strLoginID, strFirstName, strLastName, "
                       "strPassword, lngGroupID, intConcurrencyID) VALUES (7, '")
        + loginId + QStringLiteral("', 'Pat', 'Pastor', '")
        + PasswordEncode(QStringLiteral("Secret1")) + QStringLiteral("', 3, 0)")));
    clsConnect &connection = db.connection();
    connection.DataClose();
    ActiveDatabase.clear();
    frmLogin screen(connection);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    // The login id of the settings is offered; the password box has the focus.
    QCOMPARE(screen.findChild<QLineEdit *>(QStringLiteral("txtName"))->text(), loginId);
    QCOMPARE(
        QApplication::focusWidget(), screen.findChild<QLineEdit *>(QStringLiteral("txtPassword")));
    signIn(screen, password);
    // Either way the typed password reached the server, which opened the database.
    QVERIFY(connection.DBObject());
    QVERIFY(connection.DBObject()->isPostgres());
    QCOMPARE(ActiveDatabase, connection.DatabaseName());
    if (signedIn) {
        QVERIFY(MsgBoxScript::shown().isEmpty());
        QVERIFY(connection.ValidLogon());
        QCOMPARE(connection.UserID(), 7);
        QCOMPARE(connection.UserGroup(), 3);
        QCOMPARE(m_main->pnlUser()->text(), QStringLiteral("Pat Pastor"));
        QVERIFY(!screen.isVisible());
    } else {
        QCOMPARE(MsgBoxScript::shown(), QStringList { Invalid });
        QCOMPARE(connection.UserGroup(), -1);
        QVERIFY(screen.isVisible());
        // A second try connects afresh and succeeds.
        MsgBoxScript::clear();
        signIn(screen, QStringLiteral("secret1"));
        QVERIFY(MsgBoxScript::shown().isEmpty());
        QVERIFY(connection.ValidLogon());
        QVERIFY(!screen.isVisible());
    }
}

void tst_Login::passwordChange_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_Login::passwordChange()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(addUsers(db));
    clsConnect &connection = db.connection();
    auto stored = [&db](const QString &loginId) {
        return db.scalar(QStringLiteral("SELECT strPassword FROM tblUsers WHERE strLoginID = '")
            + QString(loginId).replace(QLatin1Char('\''), QStringLiteral("''"))
            + QLatin1Char('\''));
    };
    const QString sermon = PasswordEncode(QStringLiteral("sermon"));
    const QString psalm = PasswordEncode(QStringLiteral("psalm"));

    StatementLog::setRecording(true);
    StatementLog::clear();
    QVERIFY(!connection.PasswordChange(QStringLiteral("admin"), psalm, sermon));
    QCOMPARE(StatementLog::recorded().value(0),
        QStringLiteral(
            "SELECT strPassword FROM tblUsers WHERE strLoginID = 'admin' AND  strPassword = '")
            + psalm + QLatin1Char('\''));
    StatementLog::setRecording(false);
    QCOMPARE(stored(QStringLiteral("admin")).toString(), sermon);
    QVERIFY(connection.PasswordChange(QStringLiteral("admin"), sermon, psalm));
    QCOMPARE(stored(QStringLiteral("admin")).toString(), psalm);
    // An empty old password matches a user without one.
    QVERIFY(connection.PasswordChange(QStringLiteral("pat"), QString(), psalm));
    QCOMPARE(stored(QStringLiteral("pat")).toString(), psalm);
    QVERIFY(connection.PasswordChange(QStringLiteral("pat"), psalm, QString()));
    QVERIFY(stored(QStringLiteral("pat")).isNull());
    // Apostrophes are quoted: a login id holding one works, and one built to match every
    // row matches none.
    QVERIFY(connection.PasswordChange(
        QStringLiteral("o'neil"), PasswordEncode(QStringLiteral("pw")), sermon));
    QCOMPARE(stored(QStringLiteral("o'neil")).toString(), sermon);
    QVERIFY(!connection.PasswordChange(
        QStringLiteral("x' OR '1'='1"), QStringLiteral("' OR '1'='1"), sermon));
    QCOMPARE(stored(QStringLiteral("admin")).toString(), psalm);
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM tblUsers WHERE strPassword = '")
                   + sermon + QLatin1Char('\''))
                 .toInt(),
        1);
}

QTEST_MAIN(tst_Login)
#include "tst_login.moc"
