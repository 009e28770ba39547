#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class clsConnect;

// The sign-in screen "Login". With a local database the user picks a name from the list of
// tblUsers; with a server database the user types a login id, and the typed password also
// opens the server database. Three tries; the outcome is the connection's ValidLogon once
// the screen has closed, and a signed-in user's full name is shown in the main window's
// pnlUser.
class frmLogin : public QDialog
{
    Q_OBJECT
public:
    explicit frmLogin(clsConnect &connection, QWidget *parent = nullptr);
    ~frmLogin() override;

    // Shows the screen modally; true when a user signed in.
    static bool SignIn(clsConnect &connection, QWidget *parent = nullptr);

    // OK presses so far (each one counts, including one without a name).
    qint16 attempts() const { return m_attempts; }

    // The separator between a user's name and login id in the list: 70 blanks and a tab.
    static QString NameSeparator() { return QString(70, QLatin1Char(' ')) + QLatin1Char('\t'); }

    // Cancel, Esc and the close box: nobody signed in.
    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildControls();
    void FillUserList();
    bool ValidateSignIn();
    void ShowSignedInUser();
    void cmdOK_Click();
    void enableOK();

    clsConnect &m_connection;
    QLabel *pnlAppName = nullptr;
    QLabel *lblLoginId = nullptr;
    QComboBox *cboNames = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *lblPass = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QString m_rememberedStatus;
    qint16 m_attempts = 0;
    bool m_closed = false;
};
