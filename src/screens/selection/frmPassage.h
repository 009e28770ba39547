#pragma once

#include "PassageParser.h"
#include "ScriptureTypes.h"
#include "SelectionDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "Find by Passage": the sermons on a Bible passage. The reference box takes what people type
// ("Jn 3:16-21; Rom 5"); below it the passage as read ("John 3:16–21; Romans 5") or what is
// wrong with the text, as it is typed. Select hands the reference as a SermonQuery to the
// sermon identification screen, which lists every sermon whose range overlaps the passage.
// Cancel (also the close box and Escape) hands over nothing. Under the reading, the first
// verses of the (first) passage in the chosen Bible version, read off the interface thread.
class frmPassage : public SelectionDialog
{
    Q_OBJECT
public:
    // Load: reads the library's book names and offers the last reference searched for.
    explicit frmPassage(QWidget *parent = nullptr);

    // Loads the screen over the main window, without blocking the caller.
    static frmPassage *load();

    void cmdSelect_Click();
    void cmdCancel_Click() override;

private:
    QLineEdit *txtPassage = nullptr;
    QLabel *lblReading = nullptr;
    QLabel *lblPassageText = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdCancel = nullptr;

    void showReading();
    void showPassageText(quint64 ticket, const ScripturePassage &passage);

    PassageParser m_parser;
    // The last reference searched for in this run, offered again when the dialog opens.
    static QString s_lastReference;
    quint64 m_textTicket = 0;
};
