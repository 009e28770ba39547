#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <cstddef>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

// Builds the main window's menu tree: every item with its exact caption, its name as
// objectName, its help context number (property "HelpContextID") and its state at start.
// Menus and submenus are reached by name through their menu action (`mnuPrint` is the action
// that shows or hides the Print menu). F1 on a highlighted item asks for that item's help.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *HelpContextProperty = "HelpContextID";
    // The help topic of Checklist > By Passage (the passage search and preaching history).
    static constexpr int PassageHelpContext = 42;
    // The pulpit and the outline editor's aids: the preaching view, find and count, spelling,
    // the pulpit copy.
    static constexpr int PreachHelpContext = 90;
    static constexpr int WritingHelpContext = 91;
    static constexpr int SpellingHelpContext = 92;
    static constexpr int PulpitCopyHelpContext = 93;
    // Defaults > Language...
    static constexpr int LanguageHelpContext = 103;

    MainMenus(QMenuBar *bar, QObject *parent = nullptr);

    // Any menu, submenu, item or separator by name; null for an unknown name.
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }
    // The plain command items (not menus, submenus or separators), in menu order.
    QStringList commandNames() const { return m_commandNames; }

    // The outline font choices: the exclusive check marks of the two submenus.
    QActionGroup *fontTypeGroup() const { return m_fontTypes; }
    QActionGroup *fontSizeGroup() const { return m_fontSizes; }

Q_SIGNALS:
    // F1 was pressed on a highlighted menu item with a help context number.
    void helpRequested(int contextId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFileMenu(QMenuBar *bar);
    void buildEditMenu(QMenuBar *bar);
    void buildSearchMenu(QMenuBar *bar);
    void buildChecklistMenu(QMenuBar *bar);
    void buildPrintMenu(QMenuBar *bar);
    void buildDefaultsMenu(QMenuBar *bar);
    void buildWindowMenu(QMenuBar *bar);
    void buildReportsMenu(QMenuBar *bar);
    void buildHelpMenu(QMenuBar *bar);
    // A submenu of exclusive check-marked choices, each {name, caption}.
    template <std::size_t N>
    QActionGroup *addChoiceSubmenu(QMenu *parentMenu, const char *name, const char *caption,
        const char *const (&choices)[N][2]);

    QAction *addItem(QMenu *menu, const char *name, const char *caption, int helpId);
    QMenu *addMenu(QMenuBar *bar, const char *name, const char *caption, int helpId);
    QMenu *addSubmenu(QMenu *menu, const char *name, const char *caption, int helpId);
    void addSeparator(QMenu *menu, const char *name);
    void name(QAction *action, const char *name, int helpId);

    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QStringList m_commandNames;
    QActionGroup *m_fontTypes = nullptr;
    QActionGroup *m_fontSizes = nullptr;
};
