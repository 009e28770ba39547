#pragma once

#include "PreachingLayout.h"

#include <QElapsedTimer>
#include <QWidget>

class QAction;
class QScreen;
class QTimer;
class QToolBar;

// The preaching view: a sermon's outline full screen in large type for the pulpit, with the
// title and passage as its heading, a clock and an elapsed timer at the foot. It holds a copy
// of the text and writes nothing anywhere but its own settings (type size, light or dark).
//
// Keys: Page Down, space, Down and Right go on; Page Up, Up and Left go back; Home and End;
// B or period blank the screen (and bring it back), as presenter remotes send them; Ctrl+=,
// Ctrl+- and Ctrl+0 make the type larger, smaller and the standard size; D switches light and
// dark; S moves the view to the next screen; P (or the Passage item at the foot) shows the
// sermon's passage in the chosen Bible version instead of the outline, and back; Esc leaves.
// The timer starts with the first key. A screen reader is told the page: the accessible name
// says whether the outline or the passage is shown, the description holds the text in sight.
class PreachingView : public QWidget
{
    Q_OBJECT
public:
    struct Content
    {
        QString title;
        QString passage;
        QString outline;
        int startLine = 0; // the outline line shown first
        // The passage's text in the chosen version (reading, verses, version), or why it
        // cannot be shown; empty without a passage.
        QString scripture;
    };

    explicit PreachingView(const Content &content, QWidget *parent = nullptr);
    ~PreachingView() override;

    // The screen the view opens on: the saved one when it is present, else a screen other
    // than the program's when there are two or more, else the program's.
    static QScreen *chooseScreen(const QString &savedName, const QWidget *programWindow);
    // Full screen on `screen`.
    void showOn(QScreen *screen);

    int fontPoints() const { return m_points; }
    bool isDark() const { return m_dark; }
    bool isBlank() const { return m_blank; }
    bool isShowingPassage() const { return m_showingPassage; }
    // Shows the passage instead of the outline (P), or the outline again where it was left.
    void showPassage(bool on);
    bool timerRunning() const { return m_elapsed.isValid(); }
    qint64 elapsedSeconds() const;
    void setTargetMinutes(int minutes) { m_targetMinutes = minutes; }
    // The timer's colour for a number of elapsed seconds: normal, amber from two minutes
    // before the target length, red past it.
    enum class TimerState { Normal, Amber, Red };
    TimerState timerState(qint64 seconds) const;

    // The outline line at the top of the page in sight.
    int topSourceLine() const;
    // The rows drawn by the last paint, in view coordinates.
    const std::vector<PreachingLayout::Row> &lastPainted() const { return m_painted; }
    const PreachingLayout &layoutData() const { return m_layout; }
    qreal scrollTop() const { return m_top; }
    // The time the last paint took, in milliseconds.
    double lastPaintMs() const { return m_lastPaintMs; }

Q_SIGNALS:
    // The view is leaving with this outline line at the top of the page.
    void leaving(int sourceLine);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void relayout(int keepLine);
    void setPoints(int points);
    void scrollTo(qreal top);
    void stepRows(int rows);
    void page(int direction);
    bool sizeKey(const QKeyEvent *event);
    void moveToNextScreen();
    qreal pageHeight() const;
    qreal footHeight() const;
    void paintFoot(QPainter &painter);
    void describeTop();
    void buildPassageBar();
    void placePassageBar();
    void colourPassageBar();

    Content m_content;
    QList<OutlineLine> m_lines;
    QList<OutlineLine> m_scriptureLines;
    PreachingLayout m_layout;
    std::vector<PreachingLayout::Row> m_painted;
    QTimer *m_clock = nullptr;
    QElapsedTimer m_elapsed;
    qreal m_top = 0;
    int m_points = 0;
    int m_targetMinutes = 30;
    bool m_dark = false;
    bool m_blank = false;
    bool m_left = false;
    bool m_showingPassage = false;
    // The outline line at the top when the passage was brought up: the outline comes back there.
    int m_outlineLine = 0;
    QToolBar *m_bar = nullptr;
    QAction *m_passageAction = nullptr;
    double m_lastPaintMs = 0;
};
