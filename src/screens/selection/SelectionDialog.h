#pragma once

#include <QDialog>

class QHBoxLayout;
struct SermonQuery;
class QPushButton;

// What the checklist and the text-search screens share: they remember the status text at
// load and put it back once, Select hands the choice to the sermon screen, and leaving any
// other way (Cancel, the close box, Escape) is a Cancel that hands over nothing.
class SelectionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SelectionDialog(QWidget *parent = nullptr);
    ~SelectionDialog() override;

    // Leaves with leaveWithoutSelection().
    virtual void cmdCancel_Click() = 0;

public Q_SLOTS:
    void reject() override;

protected:
    // The row every selection screen ends with: Select (the default button) and Cancel, named
    // cmdSelect and cmdCancel, right-aligned.
    QHBoxLayout *selectCancelRow(QPushButton *&select, QPushButton *&cancel);
    void rememberStatus();
    void restoreStatus();
    // Select: close and show the sermon screen listing what the query finds.
    void showSelectedSermons(const SermonQuery &query);
    // The end of every Cancel: the status text back.
    void leaveWithoutSelection();

private:
    QString m_rememberedStatus;
    bool m_statusRestored = false;
};
