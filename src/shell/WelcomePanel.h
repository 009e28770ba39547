#pragma once

#include <QLabel>
#include <QTimer>

class frmMain;

// What the empty work area shows while no screen is open: which library is open and how many
// sermons it holds, and the three first steps (open the sermons, bring in outlines, read
// "Getting started"). It asks nothing and hides whenever a screen is open, so it never covers
// one; each link runs the same command as its menu item.
class WelcomePanel : public QLabel
{
    Q_OBJECT
public:
    explicit WelcomePanel(frmMain *main);

    // Shows the panel with fresh figures when no screen is open, else hides it.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(const QString &link);
    void centre();

    frmMain *m_main;
    QTimer m_refresh;
};
