#include "TrackingWorkArea.h"

#include "frmMain.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>

QMdiSubWindow *FindOpenScreenFrame(const QString &screenName)
{
    const frmMain *main = frmMain::instance();
    if (!main || !main->workArea()) {
        return nullptr;
    }
    const QList<QMdiSubWindow *> frames = main->workArea()->subWindowList();
    for (QMdiSubWindow *frame : frames) {
        // A closed frame lingers until its deletion; it is no longer the open screen.
        if (frame->isHidden() || !frame->widget()) {
            continue;
        }
        if (frame->widget()->objectName() == screenName) {
            return frame;
        }
    }
    return nullptr;
}

QWidget *FindOpenScreen(const QString &screenName)
{
    QMdiSubWindow *frame = FindOpenScreenFrame(screenName);
    return frame ? frame->widget() : nullptr;
}

QString OpenScreenFieldText(const QString &screenName, const QString &controlName)
{
    const QWidget *screen = FindOpenScreen(screenName);
    const QWidget *control = screen ? screen->findChild<QWidget *>(controlName) : nullptr;
    if (!control) {
        return QString();
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(control)) {
        return edit->text();
    }
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        return label->text();
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        return combo->currentText();
    }
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(control)) {
        return plain->toPlainText();
    }
    if (const auto *rich = qobject_cast<const QTextEdit *>(control)) {
        return rich->toPlainText();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        return button->text();
    }
    return QString();
}

void ActivateOpenScreen(QWidget *screen)
{
    if (!screen) {
        return;
    }
    auto *frame = qobject_cast<QMdiSubWindow *>(screen->parentWidget());
    if (!frame) {
        screen->raise();
        screen->activateWindow();
        return;
    }
    if (frame->isMinimized()) {
        frame->showNormal();
    }
    if (frame->mdiArea()) {
        frame->mdiArea()->setActiveSubWindow(frame);
    }
}
