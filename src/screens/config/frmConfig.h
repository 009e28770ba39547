#pragma once

#include <QDialog>

class clsConfig;
struct ConnectionSettings;
class QLineEdit;
class QRadioButton;
class QLabel;

// Where the data is: local database file or server data source, and the default login id.
// On a first run it writes its defaults without any input. Opened by the user (when the
// database cannot be opened at start-up) it shows the settings in effect, so that the user
// can point the program at another database file or at a server data source.
class frmConfig : public QDialog
{
    Q_OBJECT
public:
    explicit frmConfig(clsConfig &config, QWidget *parent = nullptr);

    bool saved() const { return m_saved; }

    // First run: fill the defaults, put the library in place when the program's folder cannot
    // hold it (an installed program copies the delivered empty library to the user's data
    // folder), save them, and report the saved flag. Nothing is shown unless a library was
    // found already there or could not be made; in the second case nothing is saved.
    static bool writeFirstRunDefaults(clsConfig &config);

    // The save of the screen's fields, in the order the settings have always been written.
    // False when the settings store refused a write (the user has been told).
    bool SaveSettings();

private:
    void FillDefaults();
    void ShowCurrentSettings();
    // The settings as the fields hold them.
    ConnectionSettings fields() const;
    void showWholePath();
    void cmdSave_Click();
    void cmdClose_Click();

    clsConfig &m_config;
    bool m_saved = false;
    QRadioButton *optLocal = nullptr;
    QRadioButton *optServer = nullptr;
    QLineEdit *txtDBPath = nullptr;
    QLineEdit *txtLDBName = nullptr;
    QLineEdit *txtLDSN = nullptr;
    QLineEdit *txtSysDB = nullptr;
    QLineEdit *txtSDSN = nullptr;
    QLineEdit *txtSDBName = nullptr;
    QLineEdit *txtUID = nullptr;
    QLabel *lblInfo = nullptr;
};
