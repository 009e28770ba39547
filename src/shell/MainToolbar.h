#pragma once

#include <QFrame>
#include <QString>

class QLineEdit;
class QTimer;
class QToolButton;

// The main window's toolbar panel `pnlToolbar`: 14 picture buttons (the 14th, Preach, came
// after the first 13) that stay pressed or
// raised, and the delayed tooltip box `txtToolTip`. Resting the mouse on a button starts
// `Timer1`; every 800 ms tick (re)shows the box for the button hovered last, until the mouse
// moves onto the bare panel or the work area, or a button is clicked.
class MainToolbar : public QFrame
{
    Q_OBJECT
public:
    static constexpr int ButtonCount = 14;
    static constexpr int TimerInterval = 800;

    explicit MainToolbar(QWidget *parent = nullptr);

    // Buttons by their number 1..14 (left to right) or by name (`grpCut` ...).
    QToolButton *button(int number) const;
    QToolButton *button(const QString &name) const;
    static QString buttonName(int number);
    static QString tipText(int number);
    static int tipWidthTwips(int number);

    QLineEdit *txtToolTip() const { return m_tip; }
    QTimer *Timer1() const { return m_timer; }
    // The number of the button the mouse moved over last (0 before any).
    int HoverButton() const { return m_hoverButton; }

    // The mouse moved over button `number`.
    void hoverButton(int number);
    // The timer tick: the box at the hovered button, with its text and width, in front.
    void ShowToolTip();
    // Hides the box and stops the timer.
    void hideToolTip();

Q_SIGNALS:
    // A button's command is due (the click rules have been applied).
    void commandRequested(const QString &buttonName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void buttonClicked(int number, bool pressed);

    QToolButton *m_buttons[ButtonCount] = {};
    QLineEdit *m_tip = nullptr;
    QTimer *m_timer = nullptr;
    int m_hoverButton = 0;
};
