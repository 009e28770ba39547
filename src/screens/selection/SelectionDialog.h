#pragma once

#include <QDialog>

class QHBoxLayout;
class QPushButton;

// What the checklist and the text-search screens share: they remember the status text at
// load and put it back once, Select hands over to the sermon screen, and leaving any other
// way (Cancel, the close box, Escape) is a Cancel that turns the screen's criteria off, so
// nothing stays set for a later list fill.
class SelectionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SelectionDialog(QWidget *parent = nullptr);
    ~SelectionDialog() override;

    // Turns the screen's own criteria off, then leaves with leaveWithoutSelection().
    virtual void cmdCancel_Click() = 0;

public Q_SLOTS:
    void reject() override;

protected:
    // The row every selection screen ends with: Select (the default button) and Cancel, named
    // cmdSelect and cmdCancel, right-aligned.
    QHBoxLayout *selectCancelRow(QPushButton *&select, QPushButton *&cancel);
    void rememberStatus();
    void restoreStatus();
    // After Select has written the criteria: close and show the sermon screen, whose next
    // list fill applies them.
    void showSelectedSermons();
    // The end of every Cancel: the flags common to both screens off, the status text back.
    void leaveWithoutSelection();

private:
    QString m_rememberedStatus;
    bool m_statusRestored = false;
};
