#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QLineEdit;
class QLockFile;
class QPushButton;
class QTimer;
class frmSermon;
struct SermonScreenWidgets;

// Keeps a recovery copy (OutlineRecoveryFile) of the outline while the sermon screen holds
// unsaved edits, so that a program that stops without a word loses at most the last
// interval of typing.
//
// The screen's edit state is its Save button's explicit enabled state. While it lasts, the
// outline (the notes window's text, or the text it had when it closed), the sermon's key and
// title are written at once when the edit begins, then every interval when they changed, and
// on every focus change in the program. Leaving the edit state (a save, Cancel, "No" to
// "Save Changes ?", a delete) or closing the screen removes the copy. An outline that is
// empty or only blanks holds nothing worth keeping and is not written.
//
// Each copy of the program writes files of its own (its process number is in the name) and
// holds a lock file beside each, so another copy starting meanwhile never offers or deletes
// a copy that is still alive.
class OutlineRecoveryWatch : public QObject
{
    Q_OBJECT
public:
    // Watches `screen`, whose controls `widgets` names (the watch lives as long as the
    // screen), when recovery is switched on.
    static void attach(frmSermon *screen, const SermonScreenWidgets &widgets);
    // The program switches recovery on; tests that do not test it leave it off, so their
    // screens write nothing into the user's data folder.
    static void setEnabled(bool on);
    static bool enabled();

    // Milliseconds between two writes of changed text.
    static constexpr int IntervalMs = 2000;

    ~OutlineRecoveryWatch() override;

    // The file being kept, or empty.
    QString currentPath() const { return m_path; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OutlineRecoveryWatch(frmSermon *screen, const SermonScreenWidgets &widgets);
    bool editing() const;
    void editStateChanged();
    void flush();
    void discard();

    QPointer<frmSermon> m_screen;
    QTimer *m_timer = nullptr;
    // The button whose explicit enabled state is the edit state.
    QPushButton *m_saveButton = nullptr;
    QLineEdit *m_title = nullptr;
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
    QString m_lastText;
    QString m_lastTitle;
    bool m_wasEditing = false;
    bool m_failureShown = false;
};
