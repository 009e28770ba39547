#include "frmConfig.h"

#include "ConnectionSettings.h"
#include "DeliveredFiles.h"
#include "PersonalLibrary.h"
#include "UserDataFolder.h"
#include "UserInterface.h"
#include "clsConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLineEdit *field(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QString programName()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("lectorum") : name;
}

// The delivered empty library, whatever the program is called.
const QString EmptyLibrary = QStringLiteral("lectorum.mdb");

void tellFirstRunFailed(const QString &reason)
{
    MsgBox(QCoreApplication::translate("frmConfig",
               "Lectorum could not prepare your library.\n\n%1\n\n"
               "Nothing was changed; Lectorum will try again the "
               "next time it starts.")
               .arg(reason),
        MsgBoxStyle::OkExclamation, AppTitle);
}

// A first run whose library folder is not the program's own (an installed program) puts a
// copy of the delivered empty library there, and one of the demonstration library for File >
// Change Database to offer. A library already there is kept and used.
bool placeFirstLibrary(const QString &folder, const QString &fileName)
{
    if (QDir(folder) == QDir(QCoreApplication::applicationDirPath()))
        return true;
    QString reason;
    if (!UserDataFolder::create(reason)) {
        tellFirstRunFailed(reason);
        return false;
    }
    const QString target = QDir(folder).filePath(fileName);
    switch (PersonalLibrary::place(DeliveredFiles::filePath(EmptyLibrary), target, reason)) {
    case PersonalLibrary::Result::Failed:
        tellFirstRunFailed(reason);
        return false;
    case PersonalLibrary::Result::Found:
        MsgBox(QCoreApplication::translate("frmConfig",
                   "Lectorum found a library in %1 and will use it as it is; "
                   "nothing in it was replaced.")
                   .arg(target),
            MsgBoxStyle::OkOnly, AppTitle);
        break;
    case PersonalLibrary::Result::Copied:
    case PersonalLibrary::Result::MadeMeanwhile:
        break;
    }
    // The demonstration library is a convenience: a first run does not fail without it.
    const QString demo = QString::fromLatin1(DeliveredFiles::DemoLibrary);
    PersonalLibrary::place(DeliveredFiles::filePath(demo), QDir(folder).filePath(demo), reason);
    return true;
}

} // namespace

frmConfig::frmConfig(clsConfig &config, QWidget *parent)
    : QDialog(parent)
    , m_config(config)
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("Configure This Application"));

    auto *defaultTo = new QGroupBox(tr("Default To"), this);
    optLocal = new QRadioButton(tr("Local"), defaultTo);
    optLocal->setObjectName(QStringLiteral("optLocal"));
    optServer = new QRadioButton(tr("Server"), defaultTo);
    optServer->setObjectName(QStringLiteral("optServer"));
    auto *defaultLayout = new QHBoxLayout(defaultTo);
    defaultLayout->addWidget(optLocal);
    defaultLayout->addWidget(optServer);

    auto *local = new QGroupBox(tr("Local Access Database"), this);
    txtDBPath = field(QStringLiteral("txtDBPath"), local);
    txtLDBName = field(QStringLiteral("txtLDBName"), local);
    txtLDSN = field(QStringLiteral("txtLDSN"), local);
    txtSysDB = field(QStringLiteral("txtSysDB"), local);
    auto *localLayout = new QFormLayout(local);
    localLayout->addRow(tr("Database Path"), txtDBPath);
    localLayout->addRow(tr("Database Name"), txtLDBName);
    localLayout->addRow(tr("Data Source Name"), txtLDSN);
    localLayout->addRow(tr("System Database"), txtSysDB);

    auto *server = new QGroupBox(tr("Server Information"), this);
    txtSDSN = field(QStringLiteral("txtSDSN"), server);
    txtSDBName = field(QStringLiteral("txtSDBName"), server);
    txtUID = field(QStringLiteral("txtUID"), server);
    auto *serverLayout = new QFormLayout(server);
    serverLayout->addRow(tr("Data Source Name"), txtSDSN);
    serverLayout->addRow(tr("Database Name"), txtSDBName);
    serverLayout->addRow(tr("User ID"), txtUID);

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);

    auto *cmdSave = new QPushButton(tr("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    auto *cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdSave, &QPushButton::clicked, this, &frmConfig::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmConfig::cmdClose_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(defaultTo);
    layout->addWidget(local);
    layout->addWidget(server);
    layout->addWidget(lblInfo);
    layout->addLayout(buttons);

    FillDefaults();
    ShowCurrentSettings();
    showWholePath();
}

void frmConfig::showWholePath()
{
    // The path box is as wide as the folder it shows needs (up to half the desktop), so the
    // whole path can be read. A line edit's own size hint is 17 "x" wide plus its frame and
    // margins; the frame and margins are kept, the text's own width takes the place of the
    // x's.
    const QFontMetrics metrics = txtDBPath->fontMetrics();
    const int frame
        = txtDBPath->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    int wanted = metrics.horizontalAdvance(txtDBPath->text()) + frame + 2;
    if (const QScreen *screen = this->screen())
        wanted = qMin(wanted, screen->availableGeometry().width() / 2);
    txtDBPath->setMinimumWidth(qMax(txtDBPath->sizeHint().width(), wanted));
}

void frmConfig::FillDefaults()
{
    m_saved = false;
    optLocal->setChecked(true);
    txtDBPath->setText(PersonalLibrary::firstRunFolder());
    txtLDBName->setText(programName() + QStringLiteral(".mdb"));
    txtLDSN->clear();
    txtSysDB->clear();
    txtSDSN->clear();
    txtSDBName->setText(programName());
    txtUID->clear();
    lblInfo->setText(
        tr("The information here will be stored in the System Registry under the entry %1")
            .arg(m_config.ConfigName().toLower()));
    // Here the "registry" is a per-user settings file; say which one.
    lblInfo->setToolTip(m_config.storeFile());
}

ConnectionSettings frmConfig::fields() const
{
    ConnectionSettings settings;
    settings.dataLoc = optLocal->isChecked() ? QStringLiteral("Local") : QStringLiteral("Server");
    settings.localPath = txtDBPath->text();
    settings.localName = txtLDBName->text();
    settings.localDsn = txtLDSN->text();
    settings.systemDatabase = txtSysDB->text();
    settings.serverDsn = txtSDSN->text();
    settings.serverName = txtSDBName->text();
    settings.loginId = txtUID->text();
    return settings;
}

void frmConfig::ShowCurrentSettings()
{
    // Opened by a user, the screen shows the settings in effect, so that Save changes only
    // what the user changed; on a first run there are none and the defaults stay.
    const ConnectionSettings settings = ConnectionSettings::read(m_config, fields());
    optServer->setChecked(
        settings.dataLoc.compare(QStringLiteral("Server"), Qt::CaseInsensitive) == 0);
    optLocal->setChecked(!optServer->isChecked());
    txtDBPath->setText(settings.localPath);
    txtLDBName->setText(settings.localName);
    txtLDSN->setText(settings.localDsn);
    txtSysDB->setText(settings.systemDatabase);
    txtSDSN->setText(settings.serverDsn);
    txtSDBName->setText(settings.serverName);
    txtUID->setText(settings.loginId);
}

bool frmConfig::SaveSettings()
{
    if (!fields().write(m_config)) {
        MsgBox(tr("The settings could not be saved to:\n%1\n\nCheck that the folder exists and "
                  "may be written to.")
                   .arg(m_config.storeFile()),
            MsgBoxStyle::OkExclamation, AppTitle);
        return false;
    }
    m_saved = true;
    return true;
}

bool frmConfig::writeFirstRunDefaults(clsConfig &config)
{
    frmConfig screen(config);
    // Without its library the first run writes no settings, so the next start tries again.
    if (!placeFirstLibrary(screen.txtDBPath->text(), screen.txtLDBName->text()))
        return false;
    screen.SaveSettings();
    return screen.saved();
}

void frmConfig::cmdSave_Click()
{
    if (SaveSettings())
        accept();
}

void frmConfig::cmdClose_Click()
{
    reject();
}
