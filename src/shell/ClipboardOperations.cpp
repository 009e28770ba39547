#include "ClipboardOperations.h"

#include "UserInterface.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

void tellNothingSelected()
{
    MsgBox(QCoreApplication::translate(
        "ClipboardOperations", "Make sure text has been properly selected first!"));
}

// The line edit behind a text box or a combo box the user can type into; null for anything
// else (a drop-down list has a line edit of none).
QLineEdit *editableLine(QWidget *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        return combo->isEditable() ? combo->lineEdit() : nullptr;
    }
    if (auto *line = qobject_cast<QLineEdit *>(control)) {
        // The line edit inside a combo box stands for the combo box.
        if (auto *combo = qobject_cast<QComboBox *>(line->parentWidget());
            combo && !combo->isEditable()) {
            return nullptr;
        }
        return line;
    }
    return nullptr;
}

void putOnClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

// Multi-line boxes hand over plain text only, line breaks kept as line breaks.
template <typename Box> void cutCopyMultiLine(Box *box, bool cut)
{
    QTextCursor cursor = box->textCursor();
    putOnClipboard(cursor.selection().toPlainText());
    if (cut && !box->isReadOnly() && cursor.hasSelection()) {
        cursor.removeSelectedText();
        box->setTextCursor(cursor);
    }
}

} // namespace

QWidget *ActiveChildControl()
{
    const frmMain *main = frmMain::instance();
    if (!main) {
        return nullptr;
    }
    const QMdiSubWindow *sub = main->workArea()->currentSubWindow();
    if (!sub || !sub->widget()) {
        return nullptr;
    }
    return sub->widget()->focusWidget();
}

void CutCopyTextOf(QWidget *control, bool cut)
{
    if (!control) {
        tellNothingSelected();
        return;
    }
    if (QLineEdit *line = editableLine(control)) {
        putOnClipboard(line->selectedText());
        if (cut && !line->isReadOnly()) {
            line->insert(QString());
        }
        return;
    }
    if (auto *text = qobject_cast<QTextEdit *>(control)) {
        cutCopyMultiLine(text, cut);
        return;
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control)) {
        cutCopyMultiLine(plain, cut);
    }
}

void PasteTextInto(QWidget *control)
{
    if (!control) {
        tellNothingSelected();
        return;
    }
    const QString text = QGuiApplication::clipboard()->text();
    if (QLineEdit *line = editableLine(control)) {
        if (!line->isReadOnly()) {
            line->insert(text);
        }
        return;
    }
    if (auto *edit = qobject_cast<QTextEdit *>(control)) {
        if (!edit->isReadOnly()) {
            edit->insertPlainText(text);
        }
        return;
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control)) {
        if (!plain->isReadOnly()) {
            plain->insertPlainText(text);
        }
    }
}

void CutCopyText(bool cut)
{
    CutCopyTextOf(ActiveChildControl(), cut);
}

void PasteText()
{
    PasteTextInto(ActiveChildControl());
}
