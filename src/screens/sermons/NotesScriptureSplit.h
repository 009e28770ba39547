#pragma once

#include <QObject>

class QCheckBox;
class QLayout;
class QSplitter;
class QWidget;

// The notes window's outline and the Scripture pane beside it. The outline is what the window
// is for, so it keeps at least three fifths of the width however the divider is dragged; the
// pane can be hidden and shown again with a check box. Both choices are remembered in the
// "Notes" section of the settings, each written only when the user changes it:
//
//   [Notes]
//   ShowScripture=1      0 hides the pane
//   ScriptureShare=38    the pane's share of the width in percent (at most 40)
class NotesScriptureSplit : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultShare = 38;
    static constexpr int LargestShare = 40;

    // Puts `outline` and `scripture` side by side in a splitter that takes the outline's place
    // in its layout; the row of the check box and the pane's `choices`, shown and hidden with
    // the pane, goes to the caller's layout.
    NotesScriptureSplit(
        QWidget *outline, QWidget *scripture, QWidget *scriptureChoices, QWidget *window);

    QSplitter *splitter() const { return m_splitter; }
    QCheckBox *showBox() const { return m_show; }
    QLayout *choiceRow() const { return m_choiceRow; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyShare();
    void dividerMoved();
    void showToggled(bool shown);

    QSplitter *m_splitter = nullptr;
    QWidget *m_scripture = nullptr;
    QWidget *m_choices = nullptr;
    QCheckBox *m_show = nullptr;
    QLayout *m_choiceRow = nullptr;
    int m_share = DefaultShare;
    bool m_placing = false;
};
