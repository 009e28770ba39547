#include "MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(QMenuBar *bar, QObject *parent)
    : QObject(parent)
{
    // The menu bar in the order the user meets it; a command the original program did not have
    // goes after that menu's own items, and a new menu before Help.
    buildFileMenu(bar);
    buildEditMenu(bar);
    buildSearchMenu(bar);
    buildChecklistMenu(bar);
    buildPrintMenu(bar);
    buildDefaultsMenu(bar);
    buildWindowMenu(bar);
    buildReportsMenu(bar);
    buildHelpMenu(bar);
}

void MainMenus::buildFileMenu(QMenuBar *bar)
{
    QMenu *file = addMenu(bar, "mnufile", QT_TR_NOOP("&File"), 25);
    addItem(file, "mnuFChange", QT_TR_NOOP("&Change Database"), 25);
    addItem(file, "mnuFDisplay", QT_TR_NOOP("&Display Active Database"), 25);
    addItem(file, "mnuFExit", QT_TR_NOOP("E&xit"), 25);
    // The library's safety commands (src/screens/library).
    addSeparator(file, "mnuFSep1");
    addItem(file, "mnuFBackup", QT_TR_NOOP("Back &Up Now"), 26);
    addItem(file, "mnuFCheck", QT_TR_NOOP("Chec&k Database"), 27);
    addItem(file, "mnuFRestore", QT_TR_NOOP("&Restore from Backup..."), 28);
    QMenu *exports = addSubmenu(file, "mnuFExport", QT_TR_NOOP("Ex&port"), 29);
    addItem(exports, "mnuFExportList", QT_TR_NOOP("Sermon List as CSV..."), 29);
    addItem(exports, "mnuFExportOutline", QT_TR_NOOP("Outline as Document..."), 29);
    addItem(exports, "mnuFExportAll", QT_TR_NOOP("All Outlines as Documents..."), 29);
    // Bringing outlines in (src/screens/import).
    QMenu *imports = addSubmenu(file, "mnuFImport", QT_TR_NOOP("&Import"), 70);
    addItem(imports, "mnuFImportFiles", QT_TR_NOOP("Outline Files..."), 70);
    addItem(imports, "mnuFImportCsv", QT_TR_NOOP("Sermon List from CSV..."), 71);
    addItem(imports, "mnuFImportUndo", QT_TR_NOOP("Undo Last Import..."), 72);
    // The sermons out to the congregation (src/screens/publish).
    QMenu *publish = addSubmenu(file, "mnuFPublish", QT_TR_NOOP("Pu&blish"), 73);
    addItem(publish, "mnuFPublishSite", QT_TR_NOOP("Sermon Website and Podcast..."), 73);
}

void MainMenus::buildEditMenu(QMenuBar *bar)
{
    QMenu *edit = addMenu(bar, "mnuEdit", QT_TR_NOOP("&Edit"), 30);
    addItem(edit, "mnuESermon", QT_TR_NOOP("&Sermon"), 30);
    addItem(edit, "mnuETopics", QT_TR_NOOP("&Topics"), 30);
    addItem(edit, "mnuEIllustr", QT_TR_NOOP("&Illustrations"), 30);
    addSeparator(edit, "mnuESep1");
    addItem(edit, "mnuEPreacher", QT_TR_NOOP("&Preacher"), 30);
    addItem(edit, "mnuESeries", QT_TR_NOOP("Se&ries"), 30);
    addItem(edit, "mnuEPublisher", QT_TR_NOOP("Pu&blisher"), 30);
    addSeparator(edit, "mnuESep2");
    addItem(edit, "mnuECut", QT_TR_NOOP("C&ut"), 30);
    addItem(edit, "mnuECopy", QT_TR_NOOP("&Copy"), 30);
    addItem(edit, "mnuEPaste", QT_TR_NOOP("P&aste"), 30);
    // The outline full screen for the pulpit (src/screens/pulpit).
    addSeparator(edit, "mnuESep3");
    addItem(edit, "mnuEPreach", QT_TR_NOOP("Pr&each"), PreachHelpContext)
        ->setShortcut(QKeySequence(Qt::Key_F5));
}

void MainMenus::buildSearchMenu(QMenuBar *bar)
{
    QMenu *search = addMenu(bar, "mnuSearch", QT_TR_NOOP("&Search-Text"), 35);
    addItem(search, "mnuSOutline", QT_TR_NOOP("Sermon &Outline"), 35);
    addSeparator(search, "mnuSSep1");
    addItem(search, "mnuSBigIdea", QT_TR_NOOP("&Big Idea"), 35);
    addItem(search, "mnuSTitle", QT_TR_NOOP("&Title"), 35);
    addSeparator(search, "mnuSSep2");
    addItem(search, "mnuSAll", QT_TR_NOOP("Search &All"), 35);
}

void MainMenus::buildChecklistMenu(QMenuBar *bar)
{
    QMenu *check = addMenu(bar, "mnuCheck", QT_TR_NOOP("&Checklist"), 40);
    addItem(check, "mnuCBible", QT_TR_NOOP("By &Bible Book"), 40);
    addItem(check, "mnuCPreacher", QT_TR_NOOP("By &Preacher"), 40);
    addItem(check, "mnuCSeries", QT_TR_NOOP("By &Series"), 40);
    addItem(check, "mnuCTopic", QT_TR_NOOP("By &Topic"), 40);
    addSeparator(check, "mnuCSep1");
    addItem(check, "mnuCCombination", QT_TR_NOOP("By &Combination"), 40);
    addSeparator(check, "mnuCSep2");
    // Alt+P belongs to By Preacher; the passage search takes the first free letter.
    addItem(check, "mnuCPassage", QT_TR_NOOP("By P&assage..."), PassageHelpContext);
}

void MainMenus::buildPrintMenu(QMenuBar *bar)
{
    // Shown only while a screen that prints is open.
    QMenu *print = addMenu(bar, "mnuPrint", QT_TR_NOOP("   &Print"), 45);
    addItem(print, "mnuPSermon", QT_TR_NOOP("Selected &Sermon"), 45)->setEnabled(false);
    addItem(print, "mnuPList", QT_TR_NOOP("Current &List"), 45)->setEnabled(false);
    addItem(print, "mnuPIllustration", QT_TR_NOOP("&Illustration"), 45)->setEnabled(false);
    addItem(print, "mnuPPulpit", QT_TR_NOOP("Pul&pit Copy..."), PulpitCopyHelpContext)
        ->setEnabled(false);
    print->menuAction()->setVisible(false);
}

void MainMenus::buildDefaultsMenu(QMenuBar *bar)
{
    QMenu *defaults = addMenu(bar, "mnuDefaults", QT_TR_NOOP("&Defaults"), 50);
    QAction *status = addItem(defaults, "mnuDStatus", QT_TR_NOOP("&Status Bar"), 50);
    QAction *toolbar = addItem(defaults, "mnuDToolbar", QT_TR_NOOP("&Tool Bar"), 50);
    for (QAction *toggle : { status, toolbar }) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    addSeparator(defaults, "mnuDsep");
    const char *const typeNames[][2]
        = { { "mnuDFontArial", "Arial" }, { "mnuDFontArialB", "Arial Bold" },
              { "mnuDFontCent", "Century Gothic" }, { "mnuDFontCour", "Courier New" },
              { "mnuDFontSerif", "MS Sans Serif" }, { "mnuDFontTimes", "Times New Roman" } };
    m_fontTypes
        = addChoiceSubmenu(defaults, "mnuDFont", QT_TR_NOOP("Outline Font Type"), typeNames);
    const char *const sizeNames[][2] = { { "mnuDFont8", "8" }, { "mnuDFont10", "10" },
        { "mnuDFont12", "12" }, { "mnuDFont14", "14" } };
    m_fontSizes
        = addChoiceSubmenu(defaults, "mnuDFontS", QT_TR_NOOP("Outline Font Size"), sizeNames);
    action(QStringLiteral("mnuDFont8"))->setChecked(true);
    addSeparator(defaults, "mnuDsep2");
    addItem(defaults, "mnuDLocation", QT_TR_NOOP("Set &Location"), 50);
    // The outline editor's aids (src/screens/sermons, src/spelling).
    addSeparator(defaults, "mnuDsep3");
    addItem(defaults, "mnuDSpelling", QT_TR_NOOP("S&pelling Language..."), SpellingHelpContext);
    addItem(defaults, "mnuDRate", QT_TR_NOOP("Speaking &Rate..."), WritingHelpContext);
    // The Bible text beside the outline (src/screens/scripture).
    addItem(defaults, "mnuDBible", QT_TR_NOOP("&Bible Version..."), 101);
    // The interface's language (ProgramTranslation), applied at the next start.
    addItem(defaults, "mnuDLanguage", QT_TR_NOOP("Lan&guage..."), LanguageHelpContext);
}

template <std::size_t N>
QActionGroup *MainMenus::addChoiceSubmenu(
    QMenu *parentMenu, const char *name, const char *caption, const char *const (&choices)[N][2])
{
    QMenu *submenu = addSubmenu(parentMenu, name, caption, 0);
    auto *group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const auto &choice : choices) {
        QAction *item = addItem(submenu, choice[0], choice[1], 0);
        item->setCheckable(true);
        group->addAction(item);
    }
    return group;
}

void MainMenus::buildWindowMenu(QMenuBar *bar)
{
    // The open child windows are listed at the end when the menu opens (frmMain).
    QMenu *window = addMenu(bar, "mnuWindow", QT_TR_NOOP("&Window"), 55);
    addItem(window, "mnuWCascade", QT_TR_NOOP("&Cascade"), 55);
    addItem(window, "mnuWTileHoriz", QT_TR_NOOP("Tile &Horizontally"), 55);
    addItem(window, "mnuWTileVert", QT_TR_NOOP("Tile &Vertical"), 55);
    addSeparator(window, "mnuWSep");
    addItem(window, "mnuWArrange", QT_TR_NOOP("&Arrange Icons"), 55);
}

void MainMenus::buildReportsMenu(QMenuBar *bar)
{
    QMenu *reports = addMenu(bar, "mnuReports", QT_TR_NOOP("&Reports"), 80);
    addItem(reports, "mnuRCoverage", QT_TR_NOOP("Scripture Coverage..."), 80);
    addItem(reports, "mnuRPerYear", QT_TR_NOOP("Sermons per Year..."), 81);
    addItem(reports, "mnuRUsage", QT_TR_NOOP("Topics and Illustrations..."), 82);
    addItem(reports, "mnuRNever", QT_TR_NOOP("Books Never Preached..."), 83);
    addItem(reports, "mnuRSince", QT_TR_NOOP("Not Preached Since..."), 84);
}

void MainMenus::buildHelpMenu(QMenuBar *bar)
{
    QMenu *help = addMenu(bar, "mnuHelp", QT_TR_NOOP("   &Help"), 60);
    addItem(help, "mnuHContents", QT_TR_NOOP("&Contents"), 60)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    addItem(help, "mnuHIndex", QT_TR_NOOP("&Index"), 60);
    addItem(help, "mnuHSearch", QT_TR_NOOP("&Search"), 60);
    addSeparator(help, "mnuHSep1");
    addItem(help, "mnuHUsing", QT_TR_NOOP("&Using Help"), 60);
    addSeparator(help, "mnuHSep2");
    addItem(help, "mnuHAbout", QT_TR_NOOP("&About..."), 60);
}

void MainMenus::name(QAction *action, const char *name, int helpId)
{
    const QString key = QString::fromLatin1(name);
    action->setObjectName(key);
    if (helpId > 0) {
        action->setProperty(HelpContextProperty, helpId);
    }
    m_actions.insert(key, action);
}

QMenu *MainMenus::addMenu(QMenuBar *bar, const char *name, const char *caption, int helpId)
{
    QMenu *menu = bar->addMenu(tr(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->installEventFilter(this);
    this->name(menu->menuAction(), name, helpId);
    m_menus.insert(QString::fromLatin1(name), menu);
    return menu;
}

QMenu *MainMenus::addSubmenu(QMenu *parentMenu, const char *name, const char *caption, int helpId)
{
    QMenu *menu = parentMenu->addMenu(tr(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->installEventFilter(this);
    this->name(menu->menuAction(), name, helpId);
    m_menus.insert(QString::fromLatin1(name), menu);
    return menu;
}

QAction *MainMenus::addItem(QMenu *menu, const char *name, const char *caption, int helpId)
{
    QAction *item = menu->addAction(tr(caption));
    this->name(item, name, helpId);
    m_commandNames.append(QString::fromLatin1(name));
    return item;
}

void MainMenus::addSeparator(QMenu *menu, const char *name)
{
    this->name(menu->addSeparator(), name, 0);
}

bool MainMenus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        auto *menu = qobject_cast<QMenu *>(watched);
        const QAction *highlighted = menu ? menu->activeAction() : nullptr;
        const int contextId = highlighted ? highlighted->property(HelpContextProperty).toInt() : 0;
        if (contextId > 0) {
            // The menus close before the help opens, as when an item is chosen.
            while (QWidget *popup = QApplication::activePopupWidget()) {
                popup->close();
            }
            Q_EMIT helpRequested(contextId);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
