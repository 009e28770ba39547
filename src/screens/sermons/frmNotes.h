#pragma once

#include <QPointer>
#include <QWidget>

class QLayout;
class QMdiSubWindow;
class QPlainTextEdit;
class NotesEditorAids;
class ScripturePane;

// "Sermon Outline & Notes": the outline of the sermon shown on the sermon identification
// screen, in one multi-line box, txtOutline. The window never writes to the database: the
// sermon screen's save stores whatever this box holds (the "Save Sermon Notes" toolbar button
// runs that save). There is at most one notes window; it lives in the main window's work area.
//
// Edits here put the sermon screen into its edit state (a key or mouse release that leaves
// the text different from SharedOutline().text). Closing copies the text into the
// shared outline and hands it to the sermon screen, so an outline edited and then closed is still
// the one saved.
class frmNotes : public QWidget
{
    Q_OBJECT
public:
    ~frmNotes() override;

    // The loaded window, or null.
    static frmNotes *instance();
    // Loads the window (into the work area, not yet shown) unless it is loaded.
    static frmNotes *load();

    // Shows the window, maximized on request. Without `activate` the window that was active
    // stays active (the sermon screen showing its outline while the user walks its list).
    void showWindow(bool maximized, bool activate);
    // Closes the window (its unload step runs).
    void closeWindow();

    // New outline text; after a text search of outlines the first hit is selected.
    void setOutline(const QString &text);
    QString outline() const;
    // The outline font: a name of "" keeps the current family.
    void applyOutlineFont(const QString &name, int pointSize);

    // The Outline Font Type and Size commands (the main window has already moved the check
    // mark): the open window takes the marked font at once; a closed window stays closed.
    static void outlineFontCommand();

    // True while the window is loaded.
    static bool gboolNotesOpen;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *txtOutline = nullptr;
    ScripturePane *m_scripture = nullptr;
    NotesEditorAids *m_aids = nullptr;

    explicit frmNotes(QWidget *parent = nullptr);
    void outlineReleased();
    void unload();
    void watchFrame(QMdiSubWindow *frame);
    void placeBesideSermonScreen();
    void addScripturePane(QLayout *layout);

    QPointer<QMdiSubWindow> m_frame;
    QString m_rememberedStatus;
    bool m_unloaded = false;
};
