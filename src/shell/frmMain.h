#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class MainMenus;
struct SermonQuery;
class MainToolbar;
class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolButton;
class WelcomePanel;

// The multiple-document main window "Lectorum Sermon Outlines": the menu tree (MainMenus),
// the toolbar panel with its delayed tooltip (MainToolbar), the work area that holds the
// child screens, and the status bar with the status box and the user/database panel.
//
// The shell carries out the commands that belong to it (Change Database's check, Display
// Active Database, Exit, Cut/Copy/Paste, the Defaults toggles and font check marks, the
// Window arrangements, Help and About). Every other menu item and toolbar button runs the
// command a screen registered for it with setCommand(); without one it does nothing.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    using Command = std::function<void()>;
    using SermonListCommand = std::function<void(const SermonQuery &)>;

    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    QMdiArea *workArea() const { return m_workArea; }
    QLabel *pnlStatusBox() const { return m_statusBox; }
    QLabel *pnlUser() const { return m_user; }
    QFrame *pnlStatusBar() const { return m_statusBar; }
    MainToolbar *pnlToolbar() const { return m_toolbar; }
    MainMenus *menus() const { return m_menus; }
    // The work area's welcome while no screen is open.
    WelcomePanel *welcome() const { return m_welcome; }

    // A menu item, menu (its menu action) or separator by name (`mnuPrint`, `mnuPSermon`).
    QAction *action(const QString &name) const;
    // A toolbar button by name (`grpNotes`).
    QToolButton *toolButton(const QString &name) const;

    // The command behind a menu item (`mnuETopics`) or one of the buttons with a command of
    // their own (`grpNewSermon`, `grpNotes`, `grpSaveNotes`). The other buttons run their
    // menu item's command. For `mnuFChange` the command is the opening of the change-database
    // screen, run only when no screen is open; `grpNewSermon` hides its button first. A null
    // command removes it.
    void setCommand(const QString &name, Command command);
    bool hasCommand(const QString &name) const { return m_commands.contains(name); }
    // Runs a menu item's or a toolbar button's command as if the user chose it.
    void runCommand(const QString &name);

    // The sermon screen, opened or brought to the front, lists the sermons a query finds:
    // the selection screens' Select, Show All, and the Sermons buttons of other screens hand
    // their choice over here. The sermon screen registers the command.
    void setSermonListCommand(SermonListCommand command) { m_sermonList = std::move(command); }
    void showSermons(const SermonQuery &query);

    // Shows a child screen modeless in the work area and makes it the active one. The frame
    // is deleted when the screen closes.
    QMdiSubWindow *openScreen(QWidget *screen);

    // The outline font chosen in the Defaults menu: the caption of the first checked Outline
    // Font Type item ("" while none is) and the size of the first checked size item.
    QString outlineFontName() const;
    int outlineFontSize() const;

    // The status text when the window was created (its load step).
    QString statusAtLoad() const { return m_statusAtLoad; }

    // Lists the open child windows at the end of the Window menu (done whenever it opens).
    void updateWindowMenu();

    // The program's single main window while it exists.
    static frmMain *instance();

Q_SIGNALS:
    // An Outline Font Type or Size item was chosen (its check mark has already moved).
    void outlineFontTypeChosen(const QString &fontName);
    void outlineFontSizeChosen(int pointSize);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildStatusBar();
    void connectMenus();
    void placeStatusPanels();
    bool runShellCommand(const QString &name);
    void runToolbarCommand(const QString &buttonName);
    void mnuFChange_Click();
    void mnuFDisplay_Click();
    void mnuFExit_Click();
    void toggleBar(QWidget *bar, const QString &itemName);
    void chooseOutlineFont(QAction *item);
    void showHelp(int command, int helpData);
    void mnuHAbout_Click();

    QMdiArea *m_workArea = nullptr;
    MainToolbar *m_toolbar = nullptr;
    MainMenus *m_menus = nullptr;
    WelcomePanel *m_welcome = nullptr;
    QFrame *m_statusBar = nullptr;
    QLabel *m_statusBox = nullptr;
    QLabel *m_user = nullptr;
    QList<QAction *> m_windowListActions;
    QHash<QString, Command> m_commands;
    SermonListCommand m_sermonList;
    QString m_statusAtLoad;
};
