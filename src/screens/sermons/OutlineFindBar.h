#pragma once

#include "OutlineSearch.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;

// The notes window's find bar, above the outline: Ctrl+F shows it for finding, Ctrl+H with
// the replace row; F3 and Shift+F3 find the next and previous match (from the outline too);
// Esc in the bar hides it and returns to the outline. The bar shows how many matches the
// outline holds, counted again shortly after the text or the search changes.
class OutlineFindBar : public QFrame
{
    Q_OBJECT
public:
    OutlineFindBar(QPlainTextEdit *box, QWidget *parent = nullptr);

    // Installs the keys on the window that holds the box.
    void installShortcuts(QWidget *window);

    void showFind(bool withReplace);
    bool findNext(bool backward);
    void replace();
    int replaceAll();
    OutlineSearch::Options options() const;
    // The count line's text as shown now ("3 matches").
    QString matchText() const;
    // Counts the matches now (the bar does it on a short timer otherwise).
    void recount();

Q_SIGNALS:
    // Replace or Replace All changed the outline.
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *makeField(const char *name, const QString &caption, int row);
    void leave();

    QPlainTextEdit *m_box = nullptr;
    QLineEdit *txtFind = nullptr;
    QLineEdit *txtReplace = nullptr;
    QCheckBox *chkMatchCase = nullptr;
    QCheckBox *chkWholeWord = nullptr;
    QCheckBox *chkWrap = nullptr;
    QPushButton *cmdReplace = nullptr;
    QPushButton *cmdReplaceAll = nullptr;
    QLabel *lblMatches = nullptr;
    QWidget *m_replaceRow = nullptr;
    QTimer *m_recount = nullptr;
};
