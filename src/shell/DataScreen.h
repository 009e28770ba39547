#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QMdiSubWindow;
class QPushButton;

// The life every data screen shares (topics, illustrations, preachers, series, publishers,
// sermons, preaching occasions). A screen derives from this class, builds its controls, hands
// over its buttons with setEditButtons() and fills itself under a LoadingGuard; the main
// window shows it in its work area (frmMain::openScreen).
//
// What the base does:
// - on construction: counts the screen open (ScreenOpened) and remembers the status text;
// - on every activation: puts the caption into the status box, then, when the no-records
//   flag is set, clears it and asks "No Records, Add Some ?" (Yes: newRecord(); No: close);
// - browse and edit states: the Save button's enabled state is the unsaved-changes flag;
//   the first change key the user presses (IsChangeKey) while browsing, not loading and not
//   minimised switches to the edit state through dataHasChanged();
// - the close button: "&Close" closes, "&Cancel" returns to browsing and calls cancelEdit();
// - closing by any means: with unsaved changes AskSaveChanges (Yes: saveRecord(), staying
//   open when it fails; No: close; Cancel: stay); once closed, EndBusy with the remembered
//   text, screenClosing(), ScreenClosed, and the frame in the work area goes too.
class DataScreen : public QWidget
{
    Q_OBJECT
public:
    explicit DataScreen(QWidget *parent = nullptr);
    ~DataScreen() override;

    // While a LoadingGuard lives, changes are the program's own, not the user's.
    class LoadingGuard
    {
    public:
        explicit LoadingGuard(DataScreen *screen);
        ~LoadingGuard();
        LoadingGuard(const LoadingGuard &) = delete;
        LoadingGuard &operator=(const LoadingGuard &) = delete;

    private:
        DataScreen *m_screen;
        bool m_wasLoading;
    };

    // The buttons and the record list that the browse and edit states switch. Any may be
    // null. The close button is connected to cmdClose_Click().
    void setEditButtons(
        QPushButton *cmdNew, QPushButton *cmdDelete, QPushButton *cmdSave, QPushButton *cmdClose);
    void setRecordList(QWidget *recordList);

    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    // Set at load when the table has no rows; the next activation asks to add some.
    bool noRecords() const { return m_noRecords; }
    void setNoRecords(bool noRecords) { m_noRecords = noRecords; }
    // The Save button is enabled: there are unsaved changes.
    bool isEditing() const;
    // The status text when the screen opened, put back when it closes.
    QString rememberedStatusText() const { return m_rememberedStatus; }

    // Browse state: list, New and Delete enabled, Save disabled, "&Close".
    void enterBrowseState();
    // Edit state: list, New and Delete disabled, Save enabled, "&Cancel".
    void enterEditState();
    // The user changed something: enters the edit state unless loading or already editing.
    // Screens connect their fields' change signals here as well.
    void dataHasChanged();

    // "No Records, Add Some ?": Yes starts a new record, No closes the screen.
    void askAddRecords();

    // With unsaved changes, asks "Save Changes ?" as closing does; Yes saves. True when the
    // screen may move on: nothing unsaved, saved, or No (the caller drops the edits). False
    // on Cancel or a failed save: the edits stay.
    bool askSaveChanges();
    // Closes the screen and its frame in the work area; false when the user kept it open.
    bool closeScreen();
    // The close button: "&Close" closes, "&Cancel" cancels the edit.
    void cmdClose_Click();

    // The frame in the main window's work area, or null.
    QMdiSubWindow *subWindow() const;

Q_SIGNALS:
    // The screen has closed (its counters and status text are already restored).
    void screenClosed();

protected:
    // Save the shown record; true when it was saved. The base's default saves nothing.
    virtual bool saveRecord();
    // Start a new record (New button; Yes to "No Records, Add Some ?").
    virtual void newRecord();
    // After Cancel has returned to the browse state: show the record selected before the
    // edit again (discarding the edits), or ask askAddRecords() when the table is empty.
    virtual void cancelEdit();
    // Extra work when the screen becomes the active window (after the status text).
    virtual void screenActivated();
    // Extra work when the screen closes (menu items back, flags), before ScreenClosed.
    virtual void screenClosing();

    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activate();
    void watchFrame();
    bool isMinimizedScreen() const;

    QPointer<QPushButton> m_cmdNew;
    QPointer<QPushButton> m_cmdDelete;
    QPointer<QPushButton> m_cmdSave;
    QPointer<QPushButton> m_cmdClose;
    QPointer<QWidget> m_recordList;
    QPointer<QMdiSubWindow> m_frame;
    QString m_rememberedStatus;
    bool m_loading = false;
    bool m_noRecords = false;
    bool m_closed = false;
    bool m_asking = false;
};
