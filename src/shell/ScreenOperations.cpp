#include "ScreenOperations.h"

#include "ProgramGlobals.h"
#include "frmMain.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>

void ScreenOpened()
{
    ++OpenScreenCount;
}

void ScreenClosed()
{
    --OpenScreenCount;
    if (OpenScreenCount < 1) {
        OpenScreenCount = 0;
        SetStatusText(ProductName);
    }
}

MsgBoxAnswer AskSaveChanges(QWidget *screen)
{
    QString caption = AppTitle;
    if (screen) {
        caption = screen->windowTitle();
        QWidget *frame = screen;
        if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget())) {
            frame = sub;
        }
        if (frame->isMinimized()) {
            frame->showNormal();
        }
        if (auto *sub = qobject_cast<QMdiSubWindow *>(frame); sub && sub->mdiArea()) {
            sub->mdiArea()->setActiveSubWindow(sub);
        }
        frame->raise();
    }
    return MsgBox(QCoreApplication::translate("ScreenOperations", "Data Has Been Changed")
            + QStringLiteral("\r\n")
            + QCoreApplication::translate("ScreenOperations", "Save Changes ?"),
        MsgBoxStyle::YesNoCancelQuestion, caption);
}

QString ActiveWindowCaption()
{
    if (const frmMain *main = frmMain::instance()) {
        if (const QMdiSubWindow *sub = main->workArea()->currentSubWindow(); sub && sub->widget()) {
            return sub->widget()->windowTitle();
        }
    }
    if (const QWidget *window = QApplication::activeWindow();
        window && !window->windowTitle().isEmpty()) {
        return window->windowTitle();
    }
    return AppTitle;
}

bool ConfirmDelete(const QString &question)
{
    return MsgBox(question, MsgBoxStyle::YesNoQuestion, ActiveWindowCaption()) == MsgBoxAnswer::Yes;
}

QString AppVersionText()
{
    return QString::number(LECTORUM_VERSION_MAJOR) + QLatin1Char('.')
        + QString::number(LECTORUM_VERSION_MINOR) + QLatin1Char('.')
        + QString::number(LECTORUM_VERSION_PATCH);
}

QString AppLegalCopyright()
{
    return QCoreApplication::translate("ScreenOperations",
        "Copyright \u00A9 The Lectorum Sermon Outlines authors. All rights reserved.");
}

namespace {

bool editsText(const QWidget *target)
{
    if (!target) {
        return true;
    }
    if (const auto *line = qobject_cast<const QLineEdit *>(target)) {
        return !line->isReadOnly();
    }
    if (const auto *text = qobject_cast<const QTextEdit *>(target)) {
        return !text->isReadOnly();
    }
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(target)) {
        return !plain->isReadOnly();
    }
    // A drop-down list changes its choice by typing, so that is a change of the record too.
    if (qobject_cast<const QComboBox *>(target)) {
        return true;
    }
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(target)) {
        return !spin->isReadOnly();
    }
    // Lists, grids, buttons, and the panels a key reaches when its control ignored it.
    return false;
}

bool isMultiLine(const QWidget *target)
{
    return qobject_cast<const QTextEdit *>(target) || qobject_cast<const QPlainTextEdit *>(target);
}

} // namespace

bool IsChangeKey(const QKeyEvent *event, const QWidget *target)
{
    if (!event || event->type() != QEvent::KeyPress || !editsText(target)) {
        return false;
    }
    const Qt::KeyboardModifiers mods
        = event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const int key = event->key();
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
        || event->matches(QKeySequence::DeleteEndOfWord)
        || event->matches(QKeySequence::DeleteStartOfWord)) {
        return true;
    }
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return isMultiLine(target) && !(mods & (Qt::ControlModifier | Qt::AltModifier));
    default:
        break;
    }
    // Shortcuts (Ctrl or Alt with a key) do not type anything.
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString typed = event->text();
    if (typed.isEmpty()) {
        return false;
    }
    for (const QChar c : typed) {
        if (!c.isPrint()) {
            return false;
        }
    }
    return true;
}
