#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Small pieces the reference-data screens (topics, illustrations, series, preachers,
// publishers) build themselves from.

// Entering the text box (by mouse or keyboard) selects its whole text, so that typing
// replaces it. Works for QLineEdit and QPlainTextEdit.
void SelectTextOnEntry(QWidget *textBox);

// The main window's menu items and toolbar buttons with these names, enabled or disabled;
// names the main window does not have are passed over. Nothing happens without a main window.
void SetMainItemsEnabled(const QStringList &names, bool enabled);

// A key shown as decimal text in a key label; 0 for an empty label.
qint32 KeyFromText(const QString &text);
// Whether a key label shows a record at all (an empty label means a new or no record).
bool ShowsKey(const QLabel *keyLabel);

// A labelled field in a form: the label gets its own object name and the field the label's
// text as accessible name (screen readers do not see object names).
QLineEdit *AddTextRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption);
QPlainTextEdit *AddNotesRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption);
QComboBox *AddComboRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption);
QLabel *AddKeyRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption);

// Plain-text contents of a one-line or multi-line text box.
QString BoxText(const QWidget *textBox);
void SetBoxText(QWidget *textBox, const QString &text);
