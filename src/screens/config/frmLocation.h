#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class clsLocation;

// "Default Location Screen": the text of the default preaching location (row 1 of
// tblLocation), which new sermons start with. Update stores it (trimmed; an empty text
// stores Null) and closes the screen; Cancel closes it without a change.
class frmLocation : public QWidget
{
    Q_OBJECT
public:
    explicit frmLocation(QWidget *parent = nullptr);
    ~frmLocation() override;

    // Closes the screen and its frame in the main window's work area.
    void closeScreen();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LoadLocation();
    void cmdSave_Click();
    void watchFrame();

    std::unique_ptr<clsLocation> m_location;
    QLineEdit *txtLocation = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;
    QPointer<QMdiSubWindow> m_frame;
    QString m_rememberedStatus;
    bool m_closed = false;
};
