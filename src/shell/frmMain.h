#pragma once

#include <QMainWindow>

class QLabel;
class QMdiArea;

// The multiple-document main window: menus, toolbar, the child screens' work area and the
// status bar with the status box and the user/database panel.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    QMdiArea *workArea() const { return m_workArea; }
    QLabel *pnlStatusBox() const { return m_statusBox; }
    QLabel *pnlUser() const { return m_user; }

    // The program's single main window while it exists.
    static frmMain *instance();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildStatusBar();
    void buildMenus();
    void mnuFExit_Click();

    QMdiArea *m_workArea = nullptr;
    QLabel *m_statusBox = nullptr;
    QLabel *m_user = nullptr;
};
