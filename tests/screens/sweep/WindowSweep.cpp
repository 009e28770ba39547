#include "WindowSweep.h"

#include "MainMenus.h"
#include "MainToolbar.h"
#include "OutlineFindBar.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Commands that open no window of their own, or end the program.
bool opensNoWindow(const QString &name)
{
    static const QStringList names = { "mnuFExit", "mnuFBackup", "mnuECut", "mnuECopy", "mnuEPaste",
        "mnuWCascade", "mnuWTileHoriz", "mnuWTileVert", "mnuWArrange", "mnuDStatus", "mnuDToolbar",
        "mnuPSermon", "mnuPList", "mnuPIllustration", "grpCut", "grpCopy", "grpPaste",
        "grpSaveNotes" };
    return names.contains(name);
}

// Qt's own dialogs (a file chooser, the print dialog) are Qt's to label.
bool isProgramWindow(const QWidget *window)
{
    // The program's own classes, and the Qt dialogs it names for itself (dlgLanguage, a
    // QInputDialog); not Qt's message boxes and choosers.
    return !QByteArray(window->metaObject()->className()).startsWith('Q')
        || window->objectName().startsWith(QLatin1String("dlg"));
}

bool isOrdinaryWindow(const QWidget *widget)
{
    const Qt::WindowType type = widget->windowType();
    return widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip
        && type != Qt::SplashScreen && !qobject_cast<const QMenu *>(widget);
}

} // namespace

WindowSweep::WindowSweep(frmMain &main, Check check)
    : m_main(main)
    , m_check(std::move(check))
{
}

void WindowSweep::run()
{
    QStringList commands;
    for (const QString &name : m_main.menus()->commandNames()) {
        const QAction *item = m_main.action(name);
        if (item && !item->isCheckable() && !opensNoWindow(name))
            commands.append(name);
    }
    for (int number = 1; number <= MainToolbar::ButtonCount; ++number) {
        const QString name = MainToolbar::buttonName(number);
        if (!opensNoWindow(name))
            commands.append(name);
    }
    for (const QString &name : std::as_const(commands)) {
        runCommand(name);
        closeEverything();
    }

    // With a sermon on the sermon screen: the screen, the notes window beside it (its find
    // and replace bar open), and the commands that need a sermon.
    runCommand(QStringLiteral("mnuESermon"));
    for (QMdiSubWindow *frame : m_main.workArea()->subWindowList()) {
        if (auto *find
            = frame->widget() ? frame->widget()->findChild<OutlineFindBar *>() : nullptr) {
            find->showFind(true);
            // The bar's rows are laid out when the event loop next runs.
            QTest::qWait(20);
            m_checked.removeAll(frame->widget());
            inspect(frame->widget(), QStringLiteral("find bar"));
        }
    }
    for (const char *name : { "grpNotes", "mnuPPulpit", "mnuEPreach" })
        runCommand(QString::fromLatin1(name));
    closeEverything();
    runCommand(QStringLiteral("mnuESermon"));
    pressScreenButtons(QStringLiteral("mnuESermon"), QStringLiteral("frmSermon"));
    closeEverything();
}

void WindowSweep::pressScreenButtons(const QString &command, const QString &screenName)
{
    // The buttons that store, start, remove or close the record are not window openers.
    static const QStringList recordButtons
        = { "cmdSave", "cmdNew", "cmdDelete", "cmdClose", "cmdCancel" };
    QWidget *screen = m_main.findChild<QWidget *>(screenName);
    if (!screen)
        return;
    QStringList names;
    for (const QPushButton *button : screen->findChildren<QPushButton *>()) {
        if (button->isVisibleTo(screen) && !recordButtons.contains(button->objectName()))
            names.append(button->objectName());
    }
    for (const QString &name : std::as_const(names)) {
        // A window a button opened may have taken the screen's place; it is opened again.
        if (!m_main.findChild<QWidget *>(screenName))
            runCommand(command);
        const QWidget *current = m_main.findChild<QWidget *>(screenName);
        auto *button = current ? current->findChild<QPushButton *>(name) : nullptr;
        if (!button || !button->isEnabled())
            continue;
        watchModal(name, [button] { button->click(); });
        inspectNewWindows(name);
        // Back to the screen alone, as a user closing the window would find it.
        for (QMdiSubWindow *frame : m_main.workArea()->subWindowList()) {
            if (frame->widget() && frame->widget()->objectName() != screenName)
                frame->close();
        }
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != &m_main && isOrdinaryWindow(window))
                window->close();
        }
        QTest::qWait(20);
    }
}

void WindowSweep::runCommand(const QString &name)
{
    QAction *item = m_main.action(name);
    QToolButton *button = item ? nullptr : m_main.toolButton(name);
    if ((item && (!item->isEnabled() || !item->isVisible())) || (button && button->isHidden()))
        return;
    if (!item && !button)
        return;
    watchModal(name, [this, item, &name] {
        if (item)
            item->trigger();
        else
            m_main.runCommand(name);
    });
    inspectNewWindows(name);
}

template <typename Start> void WindowSweep::watchModal(const QString &how, Start start)
{
    // A modal dialog runs its own event loop: it is checked and dismissed from there.
    QTimer modal;
    modal.setInterval(20);
    QObject::connect(&modal, &QTimer::timeout, [this, &how] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (!m_checked.contains(dialog))
            inspect(dialog, how);
        if (auto *box = qobject_cast<QDialog *>(dialog))
            box->reject();
        else
            dialog->close();
    });
    modal.start();
    start();
    QTest::qWait(50);
    modal.stop();
}

void WindowSweep::inspectNewWindows(const QString &how)
{
    for (QMdiSubWindow *frame : m_main.workArea()->subWindowList()) {
        if (!frame->isHidden() && frame->widget() && !m_checked.contains(frame->widget()))
            inspect(frame->widget(), how);
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &m_main && isOrdinaryWindow(window) && !m_checked.contains(window))
            inspect(window, how);
    }
}

void WindowSweep::inspect(QWidget *window, const QString &how)
{
    m_checked.append(window);
    if (!isProgramWindow(window))
        return;
    if (!m_commandsWithWindows.contains(how))
        m_commandsWithWindows.append(how);
    m_windowsSeen.append(window->objectName());
    m_check(window, how);
}

void WindowSweep::closeEverything()
{
    for (int round = 0; round < 3; ++round) {
        m_main.workArea()->closeAllSubWindows();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != &m_main && isOrdinaryWindow(window))
                window->close();
        }
        QTest::qWait(20);
    }
    m_checked.removeAll(nullptr);
}

namespace WindowChecks {

namespace {

// The visible controls of `window` that claim an Alt letter, with the text that claims it.
QList<QPair<QWidget *, QString>> mnemonicTexts(QWidget *window)
{
    QList<QPair<QWidget *, QString>> claims;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window->window())
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            claims.append({ widget, button->text() });
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            claims.append({ widget, label->text() });
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            claims.append({ widget, group->title() });
        else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                claims.append({ widget, tabs->tabText(i) });
        }
    }
    return claims;
}

} // namespace

QString mnemonicClashes(QWidget *window)
{
    QHash<QKeySequence, QString> owners;
    QStringList clashes;
    // A label's Alt letter leads to its buddy; without one the "&" shows as it is typed.
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window) && !label->buddy() && label->textFormat() != Qt::RichText
            && !QKeySequence::mnemonic(label->text()).isEmpty())
            clashes.append(label->objectName() + QStringLiteral(" \"") + label->text()
                + QStringLiteral("\" has an Alt letter and no control to lead to"));
    }
    for (const auto &[widget, text] : mnemonicTexts(window)) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            continue;
        const QString owner = widget->objectName() + QStringLiteral(" \"") + text + u'"';
        if (owners.contains(key))
            clashes.append(key.toString() + QStringLiteral(": ") + owners.value(key)
                + QStringLiteral(" and ") + owner);
        else
            owners.insert(key, owner);
    }
    return clashes.join(QStringLiteral("; "));
}

QString unnamedValueLabels(QWidget *window)
{
    QStringList unnamed;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->frameShape() == QFrame::NoFrame)
            continue;
        if (label->accessibleName().isEmpty() && label->accessibleDescription().isEmpty())
            unnamed.append(label->objectName() + QStringLiteral(" \"") + label->text() + u'"');
    }
    return unnamed.join(QStringLiteral("; "));
}

QString outsideWorkArea(QWidget *window, frmMain &main)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        const QRect area = main.workArea()->viewport()->rect();
        // Scrolling is the way out for a main window made smaller than any supported size;
        // at a supported size every screen fits as it is.
        if (window->findChild<QWidget *>(QStringLiteral("scrScreenContents")))
            return QStringLiteral("its contents scroll in a work area of %1x%2")
                .arg(area.width())
                .arg(area.height());
        if (frame->isMaximized() || area.contains(frame->geometry()))
            return {};
        return QStringLiteral("frame %1,%2 %3x%4 outside the work area %5x%6")
            .arg(frame->x())
            .arg(frame->y())
            .arg(frame->width())
            .arg(frame->height())
            .arg(area.width())
            .arg(area.height());
    }
    if (!window->isWindow() || window->isFullScreen() || window->isMaximized())
        return {};
    const QRect outer = main.frameGeometry();
    if (outer.contains(window->frameGeometry()))
        return {};
    return QStringLiteral("window %1x%2 at %3,%4 outside the main window %5x%6 at %7,%8")
        .arg(window->frameGeometry().width())
        .arg(window->frameGeometry().height())
        .arg(window->frameGeometry().x())
        .arg(window->frameGeometry().y())
        .arg(outer.width())
        .arg(outer.height())
        .arg(outer.x())
        .arg(outer.y());
}

QString clippedTexts(QWidget *window)
{
    QStringList clipped;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window->window())
            continue;
        QString text;
        int room = 0;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText
                || label->frameShape() != QFrame::NoFrame
                || label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
                continue;
            text = label->text();
            room = label->contentsRect().width() - 2 * label->margin();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (qobject_cast<QToolButton *>(button))
                continue; // pictures, named by their tooltips
            text = button->text();
            // A push button's text sits between its frame's margins; a check box's or
            // option's starts after its indicator (what its size hint holds besides the text).
            const int textWidth
                = button->fontMetrics().horizontalAdvance(QString(text).remove(u'&'));
            const int besides = qobject_cast<QPushButton *>(button)
                ? 8
                : qMax(0, button->sizeHint().width() - textWidth);
            room = button->width() - besides;
        } else {
            continue;
        }
        const QString plain = QString(text).remove(u'&').trimmed();
        if (plain.isEmpty() || plain.contains(u'\n'))
            continue;
        // What a parent cuts off is as lost as what the control's own width does (what another
        // window covers is not: it can be moved).
        QRect shown = widget->rect();
        for (QWidget *inner = widget; inner != window && inner->parentWidget();
             inner = inner->parentWidget())
            shown = shown.translated(inner->pos()) & inner->parentWidget()->rect();
        room -= widget->width() - shown.width();
        const int needed = widget->fontMetrics().horizontalAdvance(plain);
        if (needed > room)
            clipped.append(QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                               .arg(widget->objectName(), plain)
                               .arg(needed)
                               .arg(room));
    }
    return clipped.join(QStringLiteral("; "));
}

} // namespace WindowChecks
