#include "frmLogin.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "HourglassGuard.h"
#include "ListOperations.h"
#include "PasswordEncode.h"
#include "ScreenOperations.h"
#include "ScreenPlacement.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmMain.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {

// The login id of a list entry, kept beside the entry's text so that a name holding a tab
// can never be mistaken for part of it.
constexpr int LoginIdRole = Qt::UserRole + 1;
constexpr int MaxTyped = 20;

// Translated when used: made before the program installs its translation.
const char *const Caption = QT_TRANSLATE_NOOP("frmLogin", "Login");

} // namespace

frmLogin::frmLogin(clsConnect &connection, QWidget *parent)
    : QDialog(parent)
    , m_connection(connection)
{
    HourglassGuard busy;
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(tr(Caption));

    buildControls();

    // Typing a login id enables OK (the one put in below counts too).
    connect(txtName, &QLineEdit::textChanged, this, &frmLogin::enableOK);

    m_rememberedStatus = GetStatusText();
    if (m_connection.OnServer()) {
        // The typed login id takes the place of the list.
        cboNames->hide();
        cboNames->setFixedWidth(0);
        lblLoginId->setBuddy(txtName);
        txtName->setText(m_connection.LoginID());
        txtName->show();
    } else {
        lblLoginId->setBuddy(cboNames);
        FillUserList();
        m_connection.setValidLogon(false);
    }
    // Choosing a name enables OK (filling the list is not a choice).
    connect(cboNames, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            enableOK();
    });
    pnlAppName->setText(tr("%1 - Version %2").arg(AppTitle, AppVersionText()));
    adjustSize();
    CenterForm(this);
}

void frmLogin::buildControls()
{
    pnlAppName = new QLabel(this);
    pnlAppName->setObjectName(QStringLiteral("pnlAppName"));
    pnlAppName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlAppName->setAlignment(Qt::AlignCenter);
    pnlAppName->setTextFormat(Qt::PlainText);

    lblLoginId = new QLabel(tr("Login ID"), this);
    lblLoginId->setObjectName(QStringLiteral("lblLoginId"));
    cboNames = new QComboBox(this);
    cboNames->setObjectName(QStringLiteral("cboNames"));
    cboNames->setAccessibleName(tr("Login ID"));
    // The entries hold the login id far to the right, out of sight.
    cboNames->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboNames->setMinimumContentsLength(28);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(tr("Login ID"));
    txtName->setMaxLength(MaxTyped);
    txtName->hide();

    lblPass = new QLabel(tr("Password"), this);
    lblPass->setObjectName(QStringLiteral("lblPass"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setAccessibleName(tr("Password"));
    txtPassword->setMaxLength(MaxTyped);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    lblPass->setBuddy(txtPassword);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setEnabled(false);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::reject);

    auto *nameCell = new QHBoxLayout;
    nameCell->setContentsMargins(0, 0, 0, 0);
    nameCell->addWidget(cboNames);
    nameCell->addWidget(txtName);
    auto *grid = new QGridLayout;
    grid->addWidget(lblLoginId, 0, 0);
    grid->addLayout(nameCell, 0, 1);
    grid->addWidget(lblPass, 1, 0);
    grid->addWidget(txtPassword, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pnlAppName);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

frmLogin::~frmLogin() = default;

bool frmLogin::SignIn(clsConnect &connection, QWidget *parent)
{
    frmLogin screen(connection, parent);
    screen.exec();
    return connection.ValidLogon();
}

void frmLogin::FillUserList()
{
    const QString sql = QStringLiteral("SELECT lngUserID, strLastName, strFirstName, strLoginID ")
        + QStringLiteral(" FROM tblUsers ");
    DbError error;
    const std::unique_ptr<DbSnapshot> users = m_connection.openSnapshot(sql, error);
    if (!users) {
        ShowSystemError(error);
        return;
    }
    struct Entry
    {
        QString text;
        QString loginId;
        qint32 userId;
    };
    std::vector<Entry> entries;
    for (; !users->eof(); users->moveNext()) {
        const QString loginId = NullToText(users->field(u"strLoginID"));
        entries.push_back({ NullToText(users->field(u"strLastName")) + QStringLiteral(", ")
                + NullToText(users->field(u"strFirstName")) + NameSeparator() + loginId,
            loginId, NullToLong(users->field(u"lngUserID")) });
    }
    if (users->lastError().isSet())
        ShowSystemError(users->lastError());
    users->close();
    // Names in alphabetical order, so a user finds his own in a long list.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
    });
    for (const Entry &entry : entries) {
        AddItemWithData(cboNames, entry.text, entry.userId);
        cboNames->setItemData(cboNames->count() - 1, entry.loginId, LoginIdRole);
    }
    // Nobody is chosen until the user chooses.
    cboNames->setCurrentIndex(-1);
}

void frmLogin::enableOK()
{
    cmdOK->setEnabled(true);
}

bool frmLogin::ValidateSignIn()
{
    QWidget *field = m_connection.OnServer() ? static_cast<QWidget *>(txtName) : cboNames;
    const QString name = m_connection.OnServer() ? txtName->text() : cboNames->currentText();
    if (!TrimBlanks(name).isEmpty())
        return true;
    MsgBox(tr("Please Fill In Your User Name"), MsgBoxStyle::OkOnly, tr(Caption));
    field->setFocus();
    return false;
}

void frmLogin::ShowSignedInUser()
{
    if (frmMain *main = frmMain::instance())
        main->pnlUser()->setText(m_connection.UserName());
}

void frmLogin::cmdOK_Click()
{
    ++m_attempts;
    if (!ValidateSignIn())
        return;
    const bool onServer = m_connection.OnServer();
    if (onServer) {
        m_connection.setLoginID(TrimBlanks(txtName->text()));
    } else {
        const int index = cboNames->currentIndex();
        m_connection.setLoginID(cboNames->itemData(index, LoginIdRole).toString());
        m_connection.setUserID(ItemData(cboNames, index));
    }
    bool ok = true;
    if (onServer) {
        m_connection.setPassword(txtPassword->text());
        // Every try connects afresh with what was typed this time: a workspace or database
        // left from an earlier try would make DataInit and DataOpen refuse.
        m_connection.DataClose();
        ok = m_connection.DataInit();
        if (ok)
            ok = m_connection.DataOpen();
    }
    if (ok)
        ok = m_connection.UserCheck(PasswordEncode(txtPassword->text()));
    if (ok) {
        ShowSignedInUser();
        m_connection.setValidLogon(true);
        accept();
        return;
    }
    MsgBox(tr("Invalid User ID/Password"));
    if (m_attempts > 2) {
        MsgBox(tr("Exceeded Login Attemps"), MsgBoxStyle::OkOnly, tr(Caption));
        reject();
    }
}

void frmLogin::reject()
{
    m_connection.setValidLogon(false);
    QDialog::reject();
}

void frmLogin::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        EndBusy(m_rememberedStatus);
    }
    QDialog::done(result);
}

void frmLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    SetStatusText(windowTitle());
    if (m_connection.OnServer()) {
        if (TrimBlanks(m_connection.LoginID()).isEmpty())
            txtName->setFocus();
        else
            txtPassword->setFocus();
    }
}

bool frmLogin::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        SetStatusText(windowTitle());
    return QDialog::event(event);
}
